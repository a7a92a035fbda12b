#pragma once
// `TMainWin`, Keyvane's main window: the macro list with its commands (menus, the lettered
// button panel or the speed-button bar), the File menu's macro files, the Options and
// Scheduler menus, and the tray icons. The window shows engine state and calls engine
// operations; what runs macros (dispatch, scheduler, hook) belongs to the program, which
// the window reaches through its parts and callbacks. So a test builds it over a
// temporary macro file without a display.

#include "engine/core/MacroFile.h"
#include "engine/core/MacroRecord.h"
#include "engine/core/Settings.h"
#include "engine/core/SharedBlock.h"
#include "engine/mainwin/ListCommands.h"
#include "engine/mainwin/MacroFileLock.h"
#include "engine/mainwin/MacroList.h"
#include "engine/mainwin/MacroOperations.h"
#include "engine/ports/Clock.h"
#include "engine/ports/Hook.h"
#include "engine/ports/Prompts.h"
#include "engine/ports/Windows.h"
#include "ui/editing/MacroProperties.h"

#include <QMainWindow>

#include <array>
#include <cstdint>
#include <functional>
#include <string>

class QAction;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;
class QWidget;

namespace kv::ui {

class MacroListModel;
class MacroListView;
class TrayIcons;

struct MainWinParts {
    Settings& settings;
    SharedBlock& block;
    MacroFile& file;
    Prompts& prompts;
    const Clock& clock;
    std::string profileFile; // KVDEF.INI, a file system path
    std::string iconsDir;    // the "Icons" folder, Windows-1252
    BrowseMode mode = BrowseMode::Off;
    Hook* hook = nullptr;                 // none: hot keys are not watched (tests)
    HookListener* hookListener = nullptr; // what the hook reports to when reinstalled
    MacroFileLock* lock = nullptr;        // none: the lock outside Network Mode
    MacroDialogs* dialogs = nullptr;      // none: the window's own dialogs
    Windows* windows = nullptr;           // the desktop's windows, for the editors' scope chooser
    Capture* capture = nullptr;           // none: capturing is not offered
    std::function<std::string()> topProgram{}; // `GetTopProgram`, for a captured macro's scope
};

// What the window asks of the program. Each may be left empty.
struct MainWinCallbacks {
    // `CheckAndSetTime`, and the tick timer started or stopped by its answer.
    std::function<void()> checkAndSetTime;
    std::function<void(bool onlyIfTimed)> checkForScreenSaver;
    std::function<void()> allowScreenSaver;
    // "Timer Seconds" changed.
    std::function<void()> timerIntervalChanged;
    // `ActivateMe` with its refusals (paused, popup menu, capture); it shows the window.
    std::function<void()> activateMe;
    // The hot key handler, for the popup-menu tray icons (place | 0x4000).
    std::function<void(std::uint16_t wParam)> hotKey;
    // A macro is paused or a popup menu is shown: the window does not hide itself.
    std::function<bool()> playbackHeld;
    // The scripting editor's "&Try": the text plays into the window in front before
    // Keyvane's own, Keyvane stepping aside meanwhile.
    std::function<void(const std::string& text, const std::string& nickname)> tryMacro;
    // The recording icon was right-clicked: the capture ends.
    std::function<void()> stopCapture;
    // The window closed: the program ends.
    std::function<void()> closed;
};

class MainWin : public QMainWindow, private MacroDialogs {
    Q_OBJECT
public:
    // The current macro file is loaded already.
    MainWin(MainWinParts parts, MainWinCallbacks callbacks, QWidget* parent = nullptr);
    ~MainWin() override;

    // Everything that derives from the macro table after a load: hot key flags and grabs,
    // schedule, screen saver, list, buttons, caption, tray menu, last files.
    void Reload();

    // The File menu once a path is picked (the file dialogs call these), and the
    // last-files item k (1..5). True when the file became current.
    bool DoOpen(const std::string& path);
    bool DoNew(const std::string& path);
    bool OpenSaveFile(int k);
    // "<SWAP:": another macro file becomes current during a playback.
    bool SwapMacroFile(const std::string& path);

    // The list's commands, as their menu items and buttons call them.
    void DoAdd();
    void DoModify();
    void DoTheScript();
    void DoActivate();
    void DoClear();
    void DoCopy();
    void DoMove();
    void DoInfo(int row);
    // "Re&capture Macro" (`DoCapture`).
    void DoCapture();
    // The SYSTEM hot key "Start / Stop Capture" when no capture runs (`StartACapture`).
    void StartACapture();
    // A stop key or the recording icon: the capture's text is stored, the window comes back.
    void EndOfCapture();
    void SelectRow(int row);

    // `DoCaption`; the program calls it on every scheduler tick.
    void DoCaption();
    // Shows the window and brings it to the front (`ActivateMe` after its checks).
    void ShowMainWindow();
    // `SysTrayOpen`: left click on the program icon and the tray menu's "&Open".
    void SysTrayOpen();
    // `AppDeactivate`: Keyvane lost the focus to another program.
    void AppDeactivate();
    // The focus change a capture's end causes must not hide the window.
    void SkipNextDeactivate() { skipDeactivate_ = true; }
    // The recording icon during a capture.
    void SetRecording(bool on);
    // "/HIDE": the window hides itself at its first paint.
    void SetHideAtFirstPaint(bool on) { hideAtFirstPaint_ = on; }
    // Width, Height, Left and Top into the settings (`SaveStretchDim`).
    void SaveStretchDim();
    // Places the window from the settings' Main Window section.
    void PlaceWindow();

    // Dialogs count themselves open while they run; the tray logic reads it.
    int DialogsOpen() const { return dialogsOpen_; }

    BrowseMode Mode() const { return mode_; }
    const MacroList& List() const { return list_; }
    const CommandOffers& Offers() const { return offers_; }
    MacroListView* View() const { return view_; }
    // The filter above the list: only the macros that contain its text stay in view.
    QLineEdit* Filter() const { return filter_; }
    MacroListModel* Model() const { return model_; }
    TrayIcons* Tray() const { return tray_; }
    bool TraySupported() const { return traySupported_; }
    // A menu item, speed button or panel button by its object name.
    QAction* Action(const char* name) const;
    QPushButton* Button(const char* name) const;

    // Keeps a dialog counted open for its lifetime.
    class DialogOpen {
    public:
        explicit DialogOpen(MainWin& w) : w_(w) { ++w_.dialogsOpen_; }
        ~DialogOpen() { --w_.dialogsOpen_; }
        DialogOpen(const DialogOpen&) = delete;
        DialogOpen& operator=(const DialogOpen&) = delete;

    private:
        MainWin& w_;
    };

protected:
    void closeEvent(QCloseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // MacroDialogs
    bool RunCopyOrMove(const CopyOrMoveDialog& dialog, MacroRecord& rec) override;
    bool RunSystemKeys(int digit) override;
    bool RunAddMacro(MacroRecord& rec, int place) override;
    bool RunDirectEditor(const EditorState& state, MacroRecord& rec) override;
    bool RunScriptingEditor(const EditorState& state, MacroRecord& rec) override;
    std::optional<CaptureKeysChoice> RunCaptureKeys(const MacroRecord& rec,
                                                    bool windowScopeForced) override;
    void RunCapComplete(MacroRecord& rec, const std::string& program) override;
    bool RunBuildMenu(MacroRecord& rec) override;
    // What both editors are given: the chooser, the schedule and the icon dialogs.
    ui::EditorParts EditorPartsFor();
    // The open windows' titles, or their programs, for the scope chooser.
    std::vector<std::string> Running(bool programs);
    // A hot key box of a dialog waits for a key (on) or has stopped waiting: the hook lets
    // every key through to it meanwhile.
    void SecondaryWindow(bool on);

    // Building (MainWinMenus.cpp).
    void BuildMenus();
    void BuildLetterPanel();
    void BuildSpeedPanel();
    QAction* MenuItem(QMenu* menu, const char* name, const QString& caption,
                      void (MainWin::*slot)() = nullptr);
    QAction* SpeedButton(const char* name, const QString& hint, int standardPixmap,
                         void (MainWin::*slot)() = nullptr);
    QPushButton* LetterButton(const char* name, const QString& caption,
                              void (MainWin::*slot)() = nullptr);
    void ApplyBrowseMode();
    void ApplyUseSpeed();
    void ApplyTrayState();

    // The list and its commands (MainWin.cpp).
    void FillList();
    void ShowRows();
    void ApplyOffers();
    void AfterOperation(const MacroTableRefresh& r);
    // A capture began: the window minimises (or hides, in the tray) for it.
    void StepAsideForCapture();
    void RefreshHotKeys();
    void RebuildTrayMenu();
    void SetMenuLastFiles();
    void AfterFileChange(bool screenSaverAndTray);
    void SaveSettings();
    std::uint32_t WindowHandle() const;

    // Menu handlers (MainWinCommands.cpp).
    void MenuNewClick();
    void MenuOpenClick();
    void MenuHideClick();
    void MenuTerminateClick();
    void PopTermClick();
    void MenuQuickOverClick();
    void MenuSortClick();
    void MenuAppearClick();
    void MenuSysTrayClick();
    void MenuTypewordsClick();
    void MenuCaptureDefaultsClick();
    void MenuSystemKeysClick();
    void MenuKeyHooksClick();
    void MenuMouseHooksClick();
    void MenuAlarmClick();
    void MenuTimerClick();
    void MenuShowDateClick();
    void MenuDisableScreenSaverClick();
    void RestoreHooks(const char* question, const char* caption);
    void CloseDialogs();

    Settings& settings_;
    SharedBlock& block_;
    MacroFile& file_;
    Prompts& prompts_;
    const Clock& clock_;
    std::string profileFile_;
    std::string iconsDir_;
    Windows* windows_;
    QLineEdit* filter_ = nullptr;
    // The macros as the filter last read them, by place; read again after every refill.
    std::vector<MacroRecord> filterRecords_;
    bool filterStale_ = true;
    void ApplyFilter();
    BrowseMode mode_;
    Hook* hook_;
    HookListener* hookListener_;
    NoMacroFileLock noLock_;
    MacroFileLock& lock_;
    MacroDialogs& dialogs_;
    // Add Macro's capture route: what "Capture Macro" chose, started once the macro is added.
    struct AddedCapture {
        CaptureKeysChoice choice;
        bool windowScopeForced = false;
    };
    std::optional<AddedCapture> addedCapture_;
    Capture* capture_ = nullptr;
    MainWinCallbacks callbacks_;

    MacroList list_;
    CommandOffers offers_;
    MacroRecord buffer_;
    MacroOperations ops_;
    MacroListModel* model_ = nullptr;
    MacroListView* view_ = nullptr;
    QWidget* letterPanel_ = nullptr;
    QToolBar* speedPanel_ = nullptr;
    TrayIcons* tray_ = nullptr;
    QAction* lastFilesSeparator_ = nullptr;
    std::array<QAction*, 5> lastFileItems_{};

    bool traySupported_ = false;
    bool hideAtFirstPaint_ = false;
    bool skipDeactivate_ = false;
    bool terminating_ = false;
    bool closing_ = false;
    int dialogsOpen_ = 0;
    int rememberedRow_ = kNoRow;
};

} // namespace kv::ui
