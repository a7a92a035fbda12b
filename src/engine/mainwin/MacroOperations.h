#pragma once
// The main window's commands that change the macro table without opening an editor:
// switch a macro on or off, remove, copy, and rename (give it another activation). Each
// checks the selection, takes the macro file lock, works on the window's record buffer,
// writes the file, refills the list, reselects, offers the commands for the selection,
// rebuilds the hot key flags, frees the lock, and returns what else the window must
// refresh.

#include "engine/capture/CaptureDialogs.h"
#include "engine/core/MacroFile.h"
#include "engine/core/MacroRecord.h"
#include "engine/core/Settings.h"
#include "engine/core/SharedBlock.h"
#include "engine/editing/MacroEditor.h"
#include "engine/mainwin/CopyOrMove.h"
#include "engine/mainwin/ListCommands.h"
#include "engine/mainwin/MacroFileLock.h"
#include "engine/mainwin/MacroList.h"
#include "engine/mainwin/QuickInfo.h"
#include "engine/ports/Clock.h"
#include "engine/ports/Prompts.h"

#include <functional>
#include <optional>
#include <string>

namespace kv {

class Capture;

// The modal dialogs the operations open; the window implements them.
class MacroDialogs {
public:
    virtual ~MacroDialogs() = default;
    // `TCopyOrMove` on rec. Its "&Ok" calls dialog.OkButtonClick and, when that asks for
    // it, the schedule dialog on rec.schedule. True when it closed with OK.
    virtual bool RunCopyOrMove(const CopyOrMoveDialog& dialog, MacroRecord& rec) = 0;
    // `TSystemKeys` opened on the SYSTEM macro with this digit (1..4); it writes the
    // records it changes itself. True when it closed with OK.
    virtual bool RunSystemKeys(int digit) = 0;
    // `TAddNewHotKey` and the editor it opens, for a new macro at `place`; they fill rec.
    // True when the macro was made.
    virtual bool RunAddMacro(MacroRecord& /*rec*/, int /*place*/) { return false; }
    // `TModHotKeys` on rec; true when it closed with "&Update".
    virtual bool RunDirectEditor(const EditorState& /*state*/, MacroRecord& /*rec*/) {
        return false;
    }
    // `TDoScripting` on rec; true when it closed with "&Ok".
    virtual bool RunScriptingEditor(const EditorState& /*state*/, MacroRecord& /*rec*/) {
        return false;
    }
    // `TDoBuildMenu` on a popup menu macro's record; true when it closed with OK.
    virtual bool RunBuildMenu(MacroRecord& /*rec*/) { return false; }
    // `TCaptureKeys` ("Capture Macro") on rec: what "Start" chose; nothing when cancelled.
    // `windowScopeForced`: a new macro on a hot key that only a window scope may use.
    virtual std::optional<CaptureKeysChoice> RunCaptureKeys(const MacroRecord& /*rec*/,
                                                            bool /*windowScopeForced*/) {
        return std::nullopt;
    }
    // `TCapComplete` on a quickly captured macro; it stores the choice in rec itself, with
    // `program` for a Program scope.
    virtual void RunCapComplete(MacroRecord& /*rec*/, const std::string& /*program*/) {}
};

// What the window refreshes after an operation. The list's rows, current row and offered
// commands and the hot key flags are already up to date.
struct MacroTableRefresh {
    bool changed = false;     // the macro file was written
    bool list = false;        // repaint the list and copy the offered commands
    bool schedule = false;    // `CheckAndSetTime`, and start or stop its timer by the answer
    bool screenSaver = false; // `CheckForScreenSaver(true)`
    bool trayMenu = false;    // `ClearMenuTaskIcon`, then `DoMenuTaskIcon`
    bool remap = false;       // load the remapper file of the macro file again
};

struct MacroOperationParts {
    MacroFile& file;
    SharedBlock& block;
    Settings& settings;
    Prompts& prompts;
    const Clock& clock;
    MacroDialogs& dialogs;
    MacroFileLock& lock; // NoMacroFileLock outside Network Mode
    // The capture, where the program records (none: capturing is not offered).
    Capture* capture = nullptr;
    // `GetTopProgram`: the program in front, upper-cased.
    std::function<std::string()> topProgram{};
};

class MacroOperations {
public:
    // list, offers and buffer are the window's: its rows, its offered commands and its
    // record buffer.
    MacroOperations(MacroOperationParts parts, MacroList& list, CommandOffers& offers,
                    MacroRecord& buffer, BrowseMode mode);

    // `FillList` as the window calls it after a load or a sort change: refills the rows
    // and offers the commands for the current row.
    void FillList();
    // The user selected a row (`MyGridClick`).
    void SelectRow(int row);

    // "&Add Macro": a new macro through the add dialog and its editor, appended.
    MacroTableRefresh DoAdd();
    // "Modify &Directly": the selected macro in the direct editor (a popup menu in its
    // builder), written back at its place. `lockTaken` as for DoMove.
    MacroTableRefresh DoModify(bool lockTaken = false);
    // "&Scripting Editor" (`DoTheScript`): the selected macro in the scripting editor; a
    // popup menu goes to its builder and a SYSTEM macro to its hot key, as Modify and
    // Rename take them.
    MacroTableRefresh DoTheScript();
    // Switches the selected macro on or off.
    MacroTableRefresh DoActivate();
    // Removes the selected macro after asking, also from every popup menu that holds it.
    MacroTableRefresh DoClear();
    // Appends a copy of the selected macro with another activation.
    MacroTableRefresh DoCopy();
    // Gives the selected macro another activation; a SYSTEM macro another hot key.
    // `lockTaken` when the caller holds the lock already; the lock is freed either way.
    MacroTableRefresh DoMove(bool lockTaken = false);

    // `StartACapture`: a quick capture of a new macro with the capture defaults, started by
    // the SYSTEM hot key "Start / Stop Capture".
    MacroTableRefresh StartACapture();
    // `DoCapture` ("Re&capture Macro"): the selected macro captured anew through "Capture
    // Macro".
    MacroTableRefresh DoCapture();
    // Starts the capture of the macro at `place` with what "Capture Macro" chose (the
    // capture route of Add Macro, once the macro is in the file).
    MacroTableRefresh CaptureAt(int place, const CaptureKeysChoice& choice,
                                bool windowScopeForced = false);
    // A stop key, or the recording icon: the captured text is stored in its macro, which a
    // quick capture first gets an activation for.
    MacroTableRefresh EndOfCapture();

    // `DoInfo`: reads the macro of row into the record buffer and returns what Quick Info
    // shows; nothing when the row is empty or the record cannot be read.
    std::optional<QuickInfo> DoInfo(int row, const DateTimeFormatter& formatDateTime,
                                    const std::string& iconsDir);

private:
    enum class Command { Remove, Copy, Rename, Activate, Modify, Scripting, Recapture };
    // The preconditions, the lock (unless taken), then the selected macro's record into the
    // buffer; its place, or 0 with the lock free.
    int ReadSelected(Command command, bool lockTaken);
    // Room for one more macro, no capture under way, then the lock; false when refused.
    bool TakeForNewMacro();
    // Appends the buffer as a new macro; false with the lock free.
    bool AppendBuffer();
    // After the buffer was written at `place`: refill, reselect it, flags, lock; what else
    // to refresh.
    MacroTableRefresh Written(int place);
    int Begin(Command command);
    bool Capturing();
    void Reselect(int row);
    // The list refilled with `place` selected and the hot keys rebuilt, the lock kept.
    MacroTableRefresh Shown(int place);
    // A capture is refused while one runs; shows why.
    bool CaptureRunning();

    MacroOperationParts p_;
    MacroList& list_;
    CommandOffers& offers_;
    MacroRecord& buffer_;
    BrowseMode mode_;
};

// The question `DoClear` asks first, and the one it asks when popup menus hold the macro.
std::string RemoveQuestion(std::uint16_t activation, const std::string& typeword);
std::string RemoveFromPopupQuestion(std::uint16_t activation, const std::string& typeword);

} // namespace kv
