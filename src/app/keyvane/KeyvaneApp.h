#pragma once
// The running program: builds the engine over the X11 back end, turns hook reports and
// timers into engine calls, and keeps the main window.

#include "engine/activation/Dispatch.h"
#include "engine/activation/Scheduler.h"
#include "engine/activation/Typewords.h"
#include "engine/core/CommandLine.h"
#include "engine/core/MacroFile.h"
#include "engine/core/Paths.h"
#include "engine/core/Settings.h"
#include "engine/core/SharedBlock.h"
#include "engine/player/Player.h"
#include "engine/ports/Hook.h"
#include "engine/ports/ScreenSaver.h"
#include "platform/posix/PosixFiles.h"
#include "platform/posix/SystemClock.h"
#include "platform/x11/X11Platform.h"
#include "ui/QtPrompts.h"
#include "ui/player/PlayDialogsQt.h"

#include <QListWidget>
#include <QMainWindow>
#include <QObject>
#include <QTimer>

#include <memory>

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

    QMainWindow& Window() { return window_; }

    // HookListener
    void OnHotKey(std::uint16_t wParam, WindowId window) override;
    void OnTyped(int kind, char ch) override;
    void OnAbort() override;
    void OnHotKeyTaken(int code) override;

    // DispatchHost
    void ShowMainWindow() override;
    void StartACapture() override {}
    void MenuTopWindow() override {}
    int ShowPopupMenu(int) override { return -1; }

    // AppWindow
    void ShowApplicationWindow() override { window_.show(); }
    void HideApplicationWindow() override { window_.hide(); }
    bool IsApplicationMinimized() override { return window_.isMinimized(); }
    void RestoreApplication() override { window_.showNormal(); }
    void MinimizeApplication() override { window_.showMinimized(); }
    bool IsMainWindowVisible() override { return window_.isVisible(); }
    void HideMainWindow() override { window_.hide(); }
    void SwapMacroFile(const std::string& path) override;

private:
    // Everything that derives from the macro table: hot keys, grabs, schedule, list.
    void Refresh();
    void FillList();
    void Tick();

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
    QMainWindow window_;
    QListWidget* list_ = nullptr;
    QTimer myTimer_;
    QTimer timer2_;
    bool closing_ = false;
};

} // namespace kv
