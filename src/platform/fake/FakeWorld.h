#pragma once
// A scripted world for the player: windows and programs given up front, answers for the
// dialogs in order, a clock that moves only when the player waits. Everything the player
// asks for lands in one trace.

#include "engine/ports/Desktop.h"
#include "engine/ports/EventPump.h"
#include "engine/ports/Files.h"
#include "engine/ports/PlayDialogs.h"
#include "engine/ports/Windows.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/FakeInput.h"
#include "platform/fake/Trace.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace kv::fake {

// Control characters and backslashes written out, so that one event stays one line.
std::string Escape(std::string_view text);

struct FakeWindow {
    WindowId id = 0;
    std::string title;
    int pid = 0;
    WindowId parent = 0; // child windows are not in the top-level list
    bool minimized = false;
    bool maximized = false;
    bool visible = true;
    WindowRect rect{0, 0, 640, 480};
};

class FakeWindows : public Windows {
public:
    explicit FakeWindows(Trace& trace) : trace_(trace) {}

    // Adds a top-level window behind the others; the first one added is in front.
    WindowId AddWindow(std::string title, int pid = 0);
    WindowId AddChild(WindowId parent, std::string title);
    int AddProcess(std::string program);
    FakeWindow* Find(WindowId w);

    std::vector<WindowId> TopLevelWindows() override;
    std::string Title(WindowId w) override;
    WindowId Foreground() override;
    WindowId Parent(WindowId w) override;
    bool IsMinimized(WindowId w) override;
    void Activate(WindowId w) override;
    void Restore(WindowId w) override;
    void Maximize(WindowId w) override;
    void Minimize(WindowId w) override;
    void Close(WindowId w) override;
    void Show(WindowId w) override;
    void Hide(WindowId w) override;
    void Quit(WindowId w) override;
    void Resize(WindowId w, int width, int height) override;
    void Move(WindowId w, int left, int top) override;
    std::optional<WindowRect> Rect(WindowId w) override;
    int ProcessOf(WindowId w) override;
    std::vector<ProcessInfo> Processes() override { return processes_; }
    std::string ProgramOf(int pid) override;

    // Called after every Launch, so a test can make the launched program's window appear.
    std::function<void(std::string_view file)> onLaunch;

private:
    void Log(const char* verb, WindowId w, const std::string& extra = {});

    Trace& trace_;
    std::vector<FakeWindow> windows_; // top-level windows, front to back, then children
    std::vector<ProcessInfo> processes_;
    WindowId nextId_ = 1;
    friend class FakeDesktop;
};

class FakeDesktop : public Desktop {
public:
    FakeDesktop(Trace& trace, FakeWindows& windows) : trace_(trace), windows_(windows) {}
    void Launch(std::string_view file, std::string_view parameters) override;
    void OpenAddress(std::string_view address) override;
    void SetClipboardText(std::string_view text) override;
    void PlaySound(std::string_view file, bool wait) override;
    void Beep() override;
    std::string clipboard;

private:
    Trace& trace_;
    FakeWindows& windows_;
};

// Reads files for real (what a text file holds changes what is typed) but only records the
// commands that would change anything.
class FakeFiles : public Files {
public:
    explicit FakeFiles(Trace& trace) : trace_(trace) {}
    std::optional<std::string> Read(std::string_view path) override;
    void ChangeDirectory(std::string_view path) override;
    void Delete(std::string_view path) override;
    void Copy(std::string_view source, std::string_view target) override;
    void Rename(std::string_view from, std::string_view to) override;
    // Files served instead of the disk, by path.
    std::map<std::string, std::string, std::less<>> contents;

private:
    Trace& trace_;
};

// Waiting moves the fake clock; the hook runs whenever events would be processed.
class FakePump : public EventPump {
public:
    FakePump(Trace& trace, FakeClock& clock) : trace_(trace), clock_(clock) {}
    void ProcessPending() override;
    void WaitFor(std::chrono::milliseconds timeout) override;
    std::function<void()> onPending;

private:
    Trace& trace_;
    FakeClock& clock_;
};

// Answers in order: "Resume" or "Abort" for the Pause box, a number for the repeat prompt.
class FakeDialogs : public PlayDialogs {
public:
    explicit FakeDialogs(Trace& trace) : trace_(trace) {}
    bool RunPauseBox(const PauseBoxLayout& layout, WindowId target) override;
    void ResumePauseBox() override { trace_.Add("pause resumed"); }
    std::uint16_t RunRepeatPrompt() override;
    void RunOnTopMessage(std::string_view caption, std::string_view text) override;
    std::deque<std::string> answers;

private:
    std::string NextAnswer(const char* fallback);
    Trace& trace_;
};

class FakeAppWindow : public AppWindow {
public:
    explicit FakeAppWindow(Trace& trace) : trace_(trace) {}
    void ShowApplicationWindow() override { trace_.Add("app-window show"); }
    void HideApplicationWindow() override { trace_.Add("app-window hide"); }
    bool IsApplicationMinimized() override { return minimized; }
    void RestoreApplication() override;
    void MinimizeApplication() override;
    bool IsMainWindowVisible() override { return mainVisible; }
    void ShowMainWindow() override;
    void HideMainWindow() override;
    void SwapMacroFile(const std::string& path) override { trace_.Add("swap " + Escape(path)); }
    bool minimized = false;
    bool mainVisible = false;

private:
    Trace& trace_;
};

// The whole fake platform in one piece.
struct FakeWorld {
    Trace trace;
    FakeClock clock;
    FakeInput input{trace};
    FakeWindows windows{trace};
    FakeDesktop desktop{trace, windows};
    FakeFiles files{trace};
    FakePump pump{trace, clock};
    FakeDialogs dialogs{trace};
    FakeAppWindow app{trace};
};

} // namespace kv::fake
