#include "app/keyvane/KeyvaneApp.h"

#include "engine/activation/HotKeys.h"
#include "engine/activation/PopupMenus.h"
#include "engine/core/Ansi.h"
#include "engine/core/SettingsFile.h"
#include "engine/mainwin/PopupMenuPlaces.h"
#include "ui/activation/TDoAMenu.h"

#include <QApplication>
#include <QPointer>
#include <filesystem>
#include <unistd.h>

namespace kv {

KeyvaneApp::KeyvaneApp(const KeyvanePaths& paths, Settings& settings, SharedBlock& block,
                       x11::X11Platform& platform, Hook* hook, ScreenSaver& screenSaver)
    : paths_(paths), settings_(settings), block_(block), platform_(platform), hook_(hook),
      dialogs_(platform.GetWindows()), file_(settings, block, prompts_, clock_),
      player_({platform.GetInput(), platform.GetWindows(), platform.GetDesktop(), files_,
               platform.Pump(), clock_, dialogs_, *this},
              settings, state_),
      dispatch_(settings, block, file_, player_, state_, *this, platform.GetInput(),
                platform.GetWindows()),
      typewords_(settings, block, file_, player_, dispatch_, state_, platform.GetInput(),
                 platform.GetWindows(), platform.Pump(), clock_),
      scheduler_(
          {platform.GetInput(), platform.GetWindows(), platform.GetDesktop(), screenSaver, clock_},
          settings, block, file_, player_, state_),
      gate_(state_, block, [this](const HeldInput& input) { Deliver(input); }),
      capture_(block, file_, captureFiles_, paths.dataDir) {
    capture_.onRecording = [this](bool on) {
        if (hook_)
            hook_->SetCapturing(on);
        if (window_)
            window_->SetRecording(on);
    };
    dispatch_.beforePlay = [this] {
        if (hook_)
            hook_->WaitForRelease(std::chrono::milliseconds(1000));
    };
    gate_.settle = [this] {
        if (hook_)
            hook_->WaitForPlaybackEnd(std::chrono::milliseconds(1000));
    };
    QObject::connect(&myTimer_, &QTimer::timeout, this, [this] { Tick(); });
    timer2_.setSingleShot(true);
    QObject::connect(&timer2_, &QTimer::timeout, this, [this] {
        gate_.Run([this] {
            // Held back (a pause, a popup menu, a capture): try again a little later.
            if (!scheduler_.DoStartUpMacros())
                timer2_.start(Scheduler::kStartUpDelay);
            platform_.EndPlayback();
        });
    });
}

KeyvaneApp::~KeyvaneApp() {
    Shutdown();
}

void KeyvaneApp::Start(const CommandLine& args) {
    std::filesystem::create_directories(paths_.dataDir);
    if (args.networkMode)
        settings_.networkMode = true;
    if (args.autoSync)
        settings_.autoSync = true;
    if (args.syncMinutes)
        settings_.syncMinutes = *args.syncMinutes;
    std::error_code ec;
    if (args.file && std::filesystem::is_regular_file(AnsiToUtf8(*args.file), ec))
        settings_.currentFile = *args.file;
    file_.LoadMacroFile(settings_.currentFile);

    ui::MainWinCallbacks callbacks;
    callbacks.checkAndSetTime = [this] { CheckAndSetTime(); };
    callbacks.checkForScreenSaver = [this](bool onlyIfTimed) {
        scheduler_.CheckForScreenSaver(onlyIfTimed);
    };
    callbacks.allowScreenSaver = [this] { scheduler_.AllowScreenSaver(); };
    callbacks.timerIntervalChanged = [this] {
        if (myTimer_.isActive())
            myTimer_.start(scheduler_.TickInterval());
    };
    callbacks.activateMe = [this] { dispatch_.ActivateMe(); };
    callbacks.hotKey = [this](std::uint16_t wParam) { OnHotKey(wParam, 0); };
    callbacks.playbackHeld = [this] { return state_.paused || state_.popupShown; };
    callbacks.tryMacro = [this](const std::string& text, const std::string& nickname) {
        TryMacro(text, nickname);
    };
    callbacks.stopCapture = [this] { EndCapture(); };
    callbacks.closed = [] { QApplication::quit(); };
    const BrowseMode mode = args.browseAll ? BrowseMode::BrowseAll
                            : args.browse  ? BrowseMode::Browse
                                           : BrowseMode::Off;
    window_ = std::make_unique<ui::MainWin>(
        ui::MainWinParts{settings_, block_, file_, prompts_, clock_, paths_.ProfileFile(),
                         Utf8ToAnsi(paths_.dataDir + "/Icons"), mode, hook_, this, nullptr, nullptr,
                         &platform_.GetWindows(), &capture_,
                         [this] { return player_.Finder().GetTopProgram(); }},
        std::move(callbacks));
    prompts_.SetParent(window_.get());

    block_.InitForWindow(static_cast<std::uint32_t>(window_->winId()), true);
    // A Keyvane that ended in the middle of a playback leaves the byte set in the block.
    block_.SetPlaying(false);
    block_.SetHotKeys();

    std::string error;
    if (hook_ && !hook_->Install(*this, &error))
        prompts_.ShowMessage("The keyboard and mouse cannot be watched: " + error +
                                 ".  Hot keys and Typewords will not work.",
                             "Error");
    window_->Reload();
    timer2_.start(Scheduler::kStartUpDelay);
    // In the tray the program starts as its icon only.
    if (!settings_.useTray) {
        window_->SetHideAtFirstPaint(args.hide);
        window_->show();
    }
}

void KeyvaneApp::CheckAndSetTime() {
    // No timed macro, no timer: an idle Keyvane wakes for nothing.
    if (scheduler_.CheckAndSetTime())
        myTimer_.start(scheduler_.TickInterval());
    else
        myTimer_.stop();
}

void KeyvaneApp::Tick() {
    gate_.Run([this] {
        scheduler_.CheckOutTimerMacros();
        platform_.EndPlayback();
        if (window_ && settings_.showDate)
            window_->DoCaption();
    });
}

void KeyvaneApp::OnHotKey(std::uint16_t wParam, WindowId window) {
    gate_.Offer(HotKeyMessage{wParam, window});
}

void KeyvaneApp::OnTyped(int kind, char ch) {
    gate_.Offer(TypedChar{kind, ch});
}

void KeyvaneApp::Deliver(const HeldInput& input) {
    if (const auto* hotKey = std::get_if<HotKeyMessage>(&input))
        dispatch_.OnHotKey(*hotKey);
    else
        typewords_.OnTyped(std::get<TypedChar>(input));
    platform_.EndPlayback();
}

void KeyvaneApp::TryMacro(const std::string& text, const std::string& nickname) {
    if (const char* refused = dispatch_.Refusal())
        return prompts_.ShowMessage(refused, "Warning");
    const QPointer<QWidget> active = QApplication::activeWindow();
    std::vector<QPointer<QWidget>> ours;
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->isVisible())
            ours.emplace_back(w);
    }
    trying_ = true;
    gate_.Run([&] {
        // The window the user worked in before coming to Keyvane: Keyvane's windows go
        // below every other, and that one gets the focus.
        const WindowId target = FrontWindowBesides(platform_.GetWindows(), ::getpid());
        for (const QPointer<QWidget>& w : ours)
            w->lower();
        dispatch_.TryText(text, nickname, target, hook_ != nullptr && hook_->CapsLockOn());
        platform_.EndPlayback();
        // Back once the last key has reached the window, not while it is still arriving.
        if (hook_)
            hook_->WaitForPlaybackEnd(std::chrono::milliseconds(1000));
    });
    trying_ = false;
    // Back once the editor is ready for the next try: keys the user presses the moment it
    // has the focus again must find it so.
    QTimer::singleShot(0, this, [this, ours, active] {
        for (const QPointer<QWidget>& w : ours) {
            if (w && w != active)
                w->raise();
        }
        if (active) {
            active->raise();
            platform_.GetWindows().Activate(active->winId());
        }
    });
}

int KeyvaneApp::RunMenu(const MacroRecord& menu) {
    ui::PopupMenuParts parts;
    parts.menu = menu;
    parts.record = [this](int place) {
        MacroRecord rec;
        ReadMacroRecordWhole(file_.Path(), place, rec);
        return rec;
    };
    parts.iconFolder = Utf8ToAnsi(paths_.dataDir + "/Icons");
    // Not over Keyvane's window: the menu stands alone, in front of the user's.
    return ui::RunPopupMenu(nullptr, parts);
}

int KeyvaneApp::ShowPopupMenu(int place) {
    MacroRecord menu;
    if (!ReadMacroRecordWhole(file_.Path(), place, menu))
        return -1;
    return RunMenu(menu);
}

void KeyvaneApp::MenuTopWindow() {
    Windows& windows = platform_.GetWindows();
    const WindowId front = windows.Foreground();
    const std::vector<int> places =
        FrontWindowMacros(block_, windows.Title(front), player_.Finder().GetTopProgram());
    if (places.empty())
        return player_.Dialogs().DoAMessage("Warning", kNoFrontWindowMacros);
    MacroRecord menu;
    menu.scope = static_cast<std::uint16_t>(Scope::PopupMenu);
    PopupMenuOptions options;
    options.mode = settings_.systemMenu == 1 ? '1' : settings_.systemMenu == 2 ? '2' : '3';
    options.iconSize = 2;
    menu.typeword = " " + options.Format().substr(1);
    menu.text = MenuArea(places);
    state_.popupShown = true;
    const int chosen = RunMenu(menu);
    state_.popupShown = false;
    if (front)
        windows.Activate(front);
    MacroRecord rec;
    if (chosen > 0 && file_.ReadMacroRecord(chosen, rec)) {
        state_.target = front;
        dispatch_.PlayRecord(rec, chosen);
    }
}

void KeyvaneApp::StartACapture() {
    if (window_)
        window_->StartACapture();
}

void KeyvaneApp::OnCaptured(const CapturedInput& input) {
    capture_.OnInput(input);
    const std::string error = capture_.TakeWriteError();
    if (!error.empty())
        prompts_.ShowMessage("The capture cannot be written: " + error +
                                 ".  Stop the capture: what was recorded until now is kept.",
                             "Error");
}

void KeyvaneApp::OnCaptureStop() {
    capture_.Halt();
    // After the event at hand: the end shows dialogs, which must not run inside the hook.
    QTimer::singleShot(0, this, [this] { EndCapture(); });
}

void KeyvaneApp::EndCapture() {
    if (!capture_.Running() || !window_)
        return;
    gate_.Run([this] { window_->EndOfCapture(); });
}

void KeyvaneApp::OnAbort() {
    gate_.Clear();
    dispatch_.OnAbort();
}

void KeyvaneApp::OnHotKeyTaken(int code) {
    // Told after the work at hand (start-up, a reload) is done, and in one message for all
    // the keys found taken meanwhile: a message box must not hold up the timers and grabs.
    takenHotKeys_.push_back(code);
    if (takenHotKeys_.size() == 1)
        QTimer::singleShot(0, this, [this] { ReportTakenHotKeys(); });
}

void KeyvaneApp::ReportTakenHotKeys() {
    std::vector<int> codes;
    codes.swap(takenHotKeys_);
    if (codes.empty())
        return;
    std::string names;
    for (std::size_t i = 0; i < codes.size(); ++i) {
        if (i > 0)
            names += i + 1 == codes.size() ? " and " : ", ";
        names += "\"" + HotKeyName(codes[i]) + "\"";
    }
    prompts_.ShowMessage(codes.size() == 1
                             ? "The hot key " + names +
                                   " is already taken by another program.  Keyvane cannot use it "
                                   "until that program lets it go."
                             : "The hot keys " + names +
                                   " are already taken by other programs.  Keyvane cannot use "
                                   "them until those programs let them go.",
                         "Warning");
}

void KeyvaneApp::ShowMainWindow() {
    if (window_ && !trying_)
        window_->ShowMainWindow();
}

void KeyvaneApp::ShowApplicationWindow() {
    if (window_ && !trying_)
        window_->show();
}

void KeyvaneApp::HideApplicationWindow() {
    if (window_ && !trying_)
        window_->hide();
}

bool KeyvaneApp::IsApplicationMinimized() {
    return window_ && !trying_ && window_->isMinimized();
}

void KeyvaneApp::RestoreApplication() {
    if (window_ && !trying_)
        window_->showNormal();
}

void KeyvaneApp::MinimizeApplication() {
    if (window_ && !trying_)
        window_->showMinimized();
}

bool KeyvaneApp::IsMainWindowVisible() {
    return window_ && !trying_ && window_->isVisible();
}

void KeyvaneApp::HideMainWindow() {
    if (window_ && !trying_)
        window_->hide();
}

void KeyvaneApp::SwapMacroFile(const std::string& path) {
    if (window_)
        window_->SwapMacroFile(path);
}

void KeyvaneApp::Shutdown() {
    if (closing_)
        return;
    closing_ = true;
    myTimer_.stop();
    timer2_.stop();
    if (hook_)
        hook_->Uninstall();
    // Ended in the middle of a capture: what was recorded is kept in its macro.
    if (const auto ended = capture_.End(clock_.Now()))
        file_.WriteMacroRecord(ended->place, ended->rec);
    scheduler_.AllowScreenSaver();
    if (window_)
        window_->SaveStretchDim();
    WriteSettingsFile(paths_.ProfileFile(), settings_);
    platform_.EndPlayback();
}

} // namespace kv
