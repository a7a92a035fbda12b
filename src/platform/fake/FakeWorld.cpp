#include "platform/fake/FakeWorld.h"

#include "engine/core/Ansi.h"
#include "engine/editing/ScriptListing.h"
#include "engine/player/PlayTimeDialogs.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <sstream>

namespace kv::fake {

std::string Escape(std::string_view text) {
    return EscapeListed(text);
}

// --- windows ---

WindowId FakeWindows::AddWindow(std::string title, int pid) {
    FakeWindow w;
    w.id = nextId_++;
    w.title = std::move(title);
    w.pid = pid;
    // Top-level windows stay ahead of child windows in the list.
    auto at = std::find_if(windows_.begin(), windows_.end(),
                           [](const FakeWindow& x) { return x.parent != 0; });
    windows_.insert(at, w);
    return w.id;
}

WindowId FakeWindows::AddChild(WindowId parent, std::string title) {
    FakeWindow w;
    w.id = nextId_++;
    w.title = std::move(title);
    w.parent = parent;
    windows_.push_back(w);
    return w.id;
}

int FakeWindows::AddProcess(std::string program) {
    const int pid = 1000 + static_cast<int>(processes_.size());
    processes_.push_back({pid, std::move(program)});
    return pid;
}

FakeWindow* FakeWindows::Find(WindowId w) {
    for (FakeWindow& x : windows_)
        if (x.id == w)
            return &x;
    return nullptr;
}

void FakeWindows::Log(const char* verb, WindowId w, const std::string& extra) {
    const FakeWindow* x = Find(w);
    trace_.Add(std::string(verb) + " " + Escape(x ? x->title : "?") + extra);
}

std::vector<WindowId> FakeWindows::TopLevelWindows() {
    std::vector<WindowId> ids;
    for (const FakeWindow& w : windows_)
        if (w.parent == 0)
            ids.push_back(w.id);
    return ids;
}

std::string FakeWindows::Title(WindowId w) {
    const FakeWindow* x = Find(w);
    return x ? x->title : std::string();
}

WindowId FakeWindows::Foreground() {
    const auto top = TopLevelWindows();
    return top.empty() ? 0 : top.front();
}

WindowId FakeWindows::Parent(WindowId w) {
    const FakeWindow* x = Find(w);
    return x ? x->parent : 0;
}

bool FakeWindows::IsMinimized(WindowId w) {
    const FakeWindow* x = Find(w);
    return x && x->minimized;
}

void FakeWindows::Activate(WindowId w) {
    auto it = std::find_if(windows_.begin(), windows_.end(),
                           [w](const FakeWindow& x) { return x.id == w; });
    if (it == windows_.end())
        return;
    std::rotate(windows_.begin(), it, it + 1); // to the front
    Log("activate", w);
}

void FakeWindows::Restore(WindowId w) {
    if (FakeWindow* x = Find(w)) {
        x->minimized = false;
        x->maximized = false;
    }
    Log("restore", w);
}

void FakeWindows::Maximize(WindowId w) {
    if (FakeWindow* x = Find(w))
        x->maximized = true;
    Log("maximize", w);
}

void FakeWindows::Minimize(WindowId w) {
    if (FakeWindow* x = Find(w))
        x->minimized = true;
    Log("minimize", w);
}

void FakeWindows::Close(WindowId w) {
    Log("close", w);
}
void FakeWindows::Show(WindowId w) {
    Log("show", w);
}
void FakeWindows::Hide(WindowId w) {
    Log("hide", w);
}
void FakeWindows::Quit(WindowId w) {
    Log("quit", w);
}

void FakeWindows::Resize(WindowId w, int width, int height) {
    if (FakeWindow* x = Find(w)) {
        x->rect.right = x->rect.left + width;
        x->rect.bottom = x->rect.top + height;
    }
    Log("resize", w, " " + std::to_string(width) + " " + std::to_string(height));
}

void FakeWindows::Move(WindowId w, int left, int top) {
    if (FakeWindow* x = Find(w)) {
        x->rect = {left, top, left + x->rect.right - x->rect.left,
                   top + x->rect.bottom - x->rect.top};
    }
    Log("position", w, " " + std::to_string(left) + " " + std::to_string(top));
}

std::optional<WindowRect> FakeWindows::Rect(WindowId w) {
    const FakeWindow* x = Find(w);
    if (!x)
        return std::nullopt;
    return x->rect;
}

int FakeWindows::ProcessOf(WindowId w) {
    const FakeWindow* x = Find(w);
    return x ? x->pid : 0;
}

std::string FakeWindows::ProgramOf(int pid) {
    for (const ProcessInfo& p : processes_)
        if (p.pid == pid)
            return p.program;
    return {};
}

// --- desktop, files ---

void FakeDesktop::Launch(std::string_view file, std::string_view parameters) {
    trace_.Add("launch " + Escape(file) + (parameters.empty() ? "" : " " + Escape(parameters)));
    if (windows_.onLaunch)
        windows_.onLaunch(file);
}

void FakeDesktop::OpenAddress(std::string_view address) {
    trace_.Add("open " + Escape(address));
}

void FakeDesktop::SetClipboardText(std::string_view text) {
    clipboard = std::string(text);
    trace_.Add("clipboard " + Escape(text));
}

void FakeDesktop::PlaySound(std::string_view file, bool wait) {
    trace_.Add("sound " + Escape(file) + (wait ? " wait" : ""));
}

void FakeDesktop::Beep() {
    trace_.Add("beep");
}

std::optional<std::string> FakeFiles::Read(std::string_view path) {
    if (auto it = contents.find(path); it != contents.end())
        return it->second;
    std::ifstream in(AnsiToUtf8(path), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream all;
    all << in.rdbuf();
    return all.str();
}

void FakeFiles::ChangeDirectory(std::string_view path) {
    trace_.Add("chdir " + Escape(path));
}
void FakeFiles::Delete(std::string_view path) {
    trace_.Add("delete " + Escape(path));
}
void FakeFiles::Copy(std::string_view source, std::string_view target) {
    trace_.Add("copy " + Escape(source) + " " + Escape(target));
}
void FakeFiles::Rename(std::string_view from, std::string_view to) {
    trace_.Add("rename " + Escape(from) + " " + Escape(to));
}

// --- pump, dialogs, main window ---

void FakePump::ProcessPending() {
    if (onPending)
        onPending();
}

void FakePump::WaitFor(std::chrono::milliseconds timeout) {
    clock_.Advance(timeout);
    trace_.AddWait(timeout.count());
    ProcessPending();
}

std::string FakeDialogs::NextAnswer(const char* fallback) {
    if (answers.empty())
        return fallback;
    std::string a = answers.front();
    answers.pop_front();
    return a;
}

bool FakeDialogs::RunPauseBox(const PauseBoxLayout& b, WindowId) {
    const std::string answer = NextAnswer("Resume");
    const bool resume = answer != "Abort" && answer != "abort";
    trace_.Add("pause " + std::to_string(b.left) + " " + std::to_string(b.top) + " " +
               std::to_string(b.width) + "x" + std::to_string(b.height) + " " + Escape(b.caption) +
               (b.message.empty() ? "" : ": " + Escape(b.message)) + " -> " +
               (resume ? "Resume" : "Abort"));
    return resume;
}

std::uint16_t FakeDialogs::RunRepeatPrompt() {
    for (;;) {
        const std::string answer = NextAnswer("1");
        if (const auto n = ParseRepeatCount(answer)) {
            trace_.Add("prompt repeat -> " + std::to_string(*n));
            return *n;
        }
        trace_.Add("prompt repeat " + Escape(answer) + " -> message Error: " + kInvalidRepeatCount);
    }
}

void FakeDialogs::RunOnTopMessage(std::string_view caption, std::string_view text) {
    trace_.Add("message " + Escape(caption) + ": " + Escape(text));
}

void FakeAppWindow::RestoreApplication() {
    minimized = false;
    trace_.Add("app restore");
}

void FakeAppWindow::MinimizeApplication() {
    minimized = true;
    trace_.Add("app minimize");
}

void FakeAppWindow::ShowMainWindow() {
    mainVisible = true;
    trace_.Add("main-window show");
}

void FakeAppWindow::HideMainWindow() {
    mainVisible = false;
    trace_.Add("main-window hide");
}

} // namespace kv::fake
