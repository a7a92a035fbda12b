#pragma once
// The running program: builds the engine over the X11 back end, turns hook reports and
// timers into engine calls, and keeps the main window (`TMainWin`).

#include "engine/activation/Dispatch.h"
#include "engine/activation/InputGate.h"
#include "engine/activation/Scheduler.h"
#include "engine/activation/Typewords.h"
#include "engine/capture/Capture.h"
#include "engine/core/CommandLine.h"
#include "engine/core/MacroFile.h"
#include "engine/core/Paths.h"
#include "engine/core/Settings.h"
#include "engine/core/SharedBlock.h"
#include "engine/player/Player.h"
#include "engine/ports/Hook.h"
#include "engine/ports/ScreenSaver.h"
#include "platform/posix/PosixCaptureFiles.h"
#include "platform/posix/PosixFiles.h"
#include "platform/posix/SystemClock.h"
#include "platform/x11/X11Platform.h"
#include "ui/QtPrompts.h"
#include "ui/mainwin/MainWin.h"
#include "ui/player/PlayDialogsQt.h"

#include <QObject>
#include <QTimer>

#include <memory>
#include <vector>

namespace kv {

class KeyvaneApp : public QObject, public HookListener, public DispatchHost, public AppWindow {
public:
    KeyvaneApp(const KeyvanePaths& paths, Settings& settings, SharedBlock& block,
               x11::X11Platform& platform, Hook* hook, ScreenSaver& screenSaver);
    ~KeyvaneApp() override;

    // Window creation: the file, the hot keys, the hook, the command line, the schedule.
    void Start(const CommandLine& args);
    // Orderly shutdown: hooks out, settings written. Safe to call twice.
    void Shutdown();

    // Exists from Start on.
    ui::MainWin* Window() { return window_.get(); }

    // HookListener
    void OnHotKey(std::uint16_t wParam, WindowId window) override;
    void OnTyped(int kind, char ch) override;
    void OnAbort() override;
    void OnHotKeyTaken(int code) override;
    void OnCaptured(const CapturedInput& input) override;
    void OnCaptureStop() override;

    // DispatchHost
    void ShowMainWindow() override;
    void StartACapture() override;
    void MenuTopWindow() override;
    int ShowPopupMenu(int place) override;

    // AppWindow
    void ShowApplicationWindow() override;
    void HideApplicationWindow() override;
    bool IsApplicationMinimized() override;
    void RestoreApplication() override;
    void MinimizeApplication() override;
    bool IsMainWindowVisible() override;
    void HideMainWindow() override;
    void SwapMacroFile(const std::string& path) override;

private:
    void CheckAndSetTime();
    void Tick();
    // Plays what a hot key or a typed character asks for, then lets the spare keys go.
    void Deliver(const HeldInput& input);
    void ReportTakenHotKeys();
    // "Choose A Macro" on a menu record: the chosen place, or -1.
    int RunMenu(const MacroRecord& menu);
    // The capture ends (its stop key, or the recording icon): the text is stored.
    void EndCapture();
    // The scripting editor's "&Try": Keyvane's windows step aside for the playback and
    // come back after it.
    void TryMacro(const std::string& text, const std::string& nickname);

    KeyvanePaths paths_;
    Settings& settings_;
    SharedBlock& block_;
    x11::X11Platform& platform_;
    Hook* hook_;
    posix::SystemClock clock_;
    posix::PosixFiles files_;
    ui::QtPrompts prompts_;
    ui::PlayDialogsQt dialogs_;
    DispatchState state_;
    MacroFile file_;
    Player player_;
    Dispatch dispatch_;
    Typewords typewords_;
    Scheduler scheduler_;
    InputGate gate_;
    posix::PosixCaptureFiles captureFiles_;
    Capture capture_;
    std::unique_ptr<ui::MainWin> window_;
    QTimer myTimer_;
    QTimer timer2_;
    bool closing_ = false;
    // A script is tried from the editor: Keyvane's windows are out of the way for it, and
    // the playback's messages leave them there.
    bool trying_ = false;
    std::vector<int> takenHotKeys_; // not yet reported
};

} // namespace kv
