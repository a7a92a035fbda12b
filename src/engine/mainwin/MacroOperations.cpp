#include "engine/mainwin/MacroOperations.h"

#include "engine/activation/HotKeys.h"
#include "engine/capture/Capture.h"
#include "engine/core/Limits.h"
#include "engine/mainwin/PopupMenuPlaces.h"

#include <utility>
#include <vector>

namespace kv {
namespace {

constexpr const char* kNoMacros = "No hot keys have been added yet.  Please add one first.";
constexpr const char* kNoSelection = "No hot key selected.  Please select one.";
constexpr const char* kMaximum = "Maximum number of hot keys has been reached.  Add not allowed.";
// A capture writes its macro at a place fixed when it started, and may have counted a
// macro it has not written yet: removing or appending a macro meanwhile would put the
// captured text in the wrong place.
constexpr const char* kCapturing = "A macro is currently being recorded.  The macro list cannot "
                                   "be changed until the recording is completed.";

std::string ActivationName(std::uint16_t activation, const std::string& typeword) {
    if (activation == kActivationTimed)
        return "Timed Macro";
    if (activation == kActivationTypeword)
        return typeword;
    return HotKeyName(activation);
}

bool IsTimed(std::uint16_t activation) {
    return activation == kActivationTimed;
}

} // namespace

std::string RemoveQuestion(std::uint16_t activation, const std::string& typeword) {
    if (activation == kActivationTypeword)
        return "Are you sure you want to remove the Typeword \"" + typeword + "\"?";
    return "Are you sure you want to remove \"" + ActivationName(activation, typeword) + "\"?";
}

std::string RemoveFromPopupQuestion(std::uint16_t activation, const std::string& typeword) {
    return "This macro is contained in a \"Popup Menu\".  It will be removed from the \"Popup "
           "Menu\".  Are you sure you want to remove \"" +
           ActivationName(activation, typeword) + "\"?";
}

MacroOperations::MacroOperations(MacroOperationParts parts, MacroList& list, CommandOffers& offers,
                                 MacroRecord& buffer, BrowseMode mode)
    : p_(parts), list_(list), offers_(offers), buffer_(buffer), mode_(mode) {}

void MacroOperations::FillList() {
    list_.FillList(p_.block, p_.settings);
    SetButtons(offers_, list_.RowCount() > 0, mode_);
    // The current row may show another macro now: its Activate caption too.
    if (mode_ == BrowseMode::Off && list_.SelectedPlace() > 0)
        SetActivateCaption(offers_, p_.block.Active(list_.SelectedPlace()));
    CheckTimeItem(offers_, p_.block, list_.SelectedPlace(), mode_);
}

void MacroOperations::SelectRow(int row) {
    list_.SetCurrentRow(row);
    MyGridClick(offers_, p_.block, list_.SelectedPlace(), mode_);
}

void MacroOperations::Reselect(int row) {
    if (list_.RowCount() == 0) {
        SetButtons(offers_, false, mode_);
        return;
    }
    SelectRow(row == kNoRow ? list_.CurrentRow() : row);
}

// The checks every command makes before it takes the lock, in this order. Returns the
// selected place, or 0 when the command stops.
int MacroOperations::Begin(Command command) {
    // The window offers no changing command in a browse mode.
    if (mode_ != BrowseMode::Off)
        return 0;
    if (list_.RowCount() == 0) {
        p_.prompts.ShowMessage(kNoMacros, "Error");
        return 0;
    }
    const int place = list_.SelectedPlace();
    if (place < 1) {
        p_.prompts.ShowMessage(kNoSelection, "Error");
        return 0;
    }
    // Nor one that the selected macro does not offer (a SYSTEM macro only renames). The
    // scripting editor takes any macro that can be changed: a popup menu goes to its
    // builder and a SYSTEM macro to its hot key.
    CommandOffers offered;
    CheckTimeItem(offered, p_.block, place, mode_);
    const bool allowed = command == Command::Remove      ? offered.remove.menu
                         : command == Command::Copy      ? offered.copy.menu
                         : command == Command::Activate  ? offered.activate.menu
                         : command == Command::Modify    ? offered.modify.menu
                         : command == Command::Recapture ? offered.recapture.menu
                                                         : offered.rename.menu;
    return allowed ? place : 0;
}

bool MacroOperations::Capturing() {
    if (!p_.block.CaptureFlag())
        return false;
    p_.prompts.ShowMessage(kCapturing, "Warning");
    return true;
}

int MacroOperations::ReadSelected(Command command, bool lockTaken) {
    const int place = Begin(command);
    if (place == 0) {
        if (lockTaken)
            p_.lock.ReleaseSyncFile(false);
        return 0;
    }
    if (!lockTaken && p_.lock.FileInUse())
        return 0;
    if (!ReadMacroRecordWhole(p_.file.Path(), place, buffer_)) {
        p_.lock.ReleaseSyncFile(false);
        return 0;
    }
    return place;
}

bool MacroOperations::TakeForNewMacro() {
    if (p_.block.MacroCount() >= kMaxMacros) {
        p_.prompts.ShowMessage(kMaximum, "Error");
        return false;
    }
    return !Capturing() && !p_.lock.FileInUse();
}

bool MacroOperations::AppendBuffer() {
    const int count = p_.block.MacroCount();
    p_.block.SetMacroCount(count + 1);
    if (p_.file.WriteMacroRecord(MacroFile::kAppend, buffer_))
        return true;
    p_.block.SetMacroCount(count);
    p_.lock.ReleaseSyncFile(false);
    return false;
}

MacroTableRefresh MacroOperations::Written(int place) {
    list_.FillList(p_.block, p_.settings);
    Reselect(list_.ReverseSort(place));
    p_.block.SetHotKeys();
    p_.lock.ReleaseSyncFile(true);
    MacroTableRefresh r;
    r.changed = true;
    r.list = true;
    // Any change of the macro table may move what the scheduler runs.
    r.schedule = true;
    r.screenSaver = IsTimed(buffer_.activation) && p_.settings.disableScreenSaver;
    r.trayMenu = buffer_.scope == static_cast<unsigned>(Scope::PopupMenu);
    return r;
}

MacroTableRefresh MacroOperations::DoAdd() {
    if (mode_ != BrowseMode::Off)
        return {};
    const int count = p_.block.MacroCount();
    if (!TakeForNewMacro())
        return {};
    buffer_ = MacroRecord{};
    if (!p_.dialogs.RunAddMacro(buffer_, count + 1)) {
        p_.lock.ReleaseSyncFile(false);
        return {};
    }
    return AppendBuffer() ? Written(count + 1) : MacroTableRefresh{};
}

MacroTableRefresh MacroOperations::DoModify(bool lockTaken) {
    const int place = ReadSelected(Command::Modify, lockTaken);
    if (place == 0)
        return {};
    const bool popupMenu = buffer_.scope == static_cast<unsigned>(Scope::PopupMenu);
    const bool ok =
        popupMenu
            ? p_.dialogs.RunBuildMenu(buffer_)
            : p_.dialogs.RunDirectEditor(ExistingMacroEditor(buffer_, place, p_.block), buffer_);
    if (!ok || !p_.file.WriteMacroRecord(place, buffer_)) {
        p_.lock.ReleaseSyncFile(false);
        return {};
    }
    return Written(place);
}

MacroTableRefresh MacroOperations::DoTheScript() {
    const int place = ReadSelected(Command::Scripting, false);
    if (place == 0)
        return {};
    if (buffer_.scope == static_cast<unsigned>(Scope::PopupMenu))
        return DoModify(true);
    if (buffer_.scope == static_cast<unsigned>(Scope::System))
        return DoMove(true);
    if (!p_.dialogs.RunScriptingEditor(ExistingMacroEditor(buffer_, place, p_.block), buffer_) ||
        !p_.file.WriteMacroRecord(place, buffer_)) {
        p_.lock.ReleaseSyncFile(false);
        return {};
    }
    return Written(place);
}

MacroTableRefresh MacroOperations::DoActivate() {
    const int place = Begin(Command::Activate);
    if (place == 0 || p_.lock.FileInUse())
        return {};
    const bool on = !p_.block.Active(place);
    // The file first: when it cannot be written, the tables keep agreeing with it.
    if (!p_.file.SetMacroActive(place, on)) {
        p_.lock.ReleaseSyncFile(false);
        return {};
    }
    p_.block.SetActive(place, on);
    SetActivateCaption(offers_, on);
    p_.block.SetHotKeys();
    p_.lock.ReleaseSyncFile(true);

    MacroTableRefresh r;
    r.changed = true;
    r.list = true;
    r.schedule = true; // the schedule follows every change of the macro table
    r.screenSaver = on && IsTimed(p_.block.Activation(place)) && p_.settings.disableScreenSaver;
    return r;
}

MacroTableRefresh MacroOperations::DoClear() {
    const int place = Begin(Command::Remove);
    if (place == 0 || Capturing() || p_.lock.FileInUse())
        return {};
    const std::uint16_t activation = p_.block.Activation(place);
    const std::string typeword = p_.settings.names.typeword[static_cast<std::size_t>(place)];
    if (!p_.prompts.AskYesNo(RemoveQuestion(activation, typeword), "Delete")) {
        p_.lock.ReleaseSyncFile(false);
        return {};
    }

    // Every popup menu that names a place from this one on changes.
    struct Menu {
        int place;
        MacroRecord rec;
    };
    std::vector<Menu> menus;
    bool contained = false;
    for (int q = 1; q <= p_.block.MacroCount(); ++q) {
        if (q == place || p_.block.Scope(q) != static_cast<unsigned>(Scope::PopupMenu))
            continue;
        MacroRecord rec;
        if (!ReadMacroRecordWhole(p_.file.Path(), q, rec)) {
            p_.lock.ReleaseSyncFile(false);
            return {};
        }
        std::vector<int> items = MenuPlaces(rec.text);
        const std::size_t before = items.size();
        if (RemoveFromMenu(items, place)) {
            contained = contained || items.size() < before;
            rec.text = MenuArea(items);
            menus.push_back({q, std::move(rec)});
        }
    }
    if (contained &&
        !p_.prompts.AskYesNo(RemoveFromPopupQuestion(activation, typeword), "Delete")) {
        p_.lock.ReleaseSyncFile(false);
        return {};
    }

    // Delete first: when that fails, the menus still match the file.
    if (!p_.file.DeleteMacroRecord(place)) {
        p_.lock.ReleaseSyncFile(false);
        return {};
    }
    for (const Menu& m : menus)
        p_.file.WriteMacroRecord(m.place > place ? m.place - 1 : m.place, m.rec);
    p_.file.LoadMacroFile(p_.file.Path());
    list_.FillList(p_.block, p_.settings); // keeps the row, or takes the new last one
    p_.block.SetHotKeys();
    Reselect(kNoRow);
    p_.lock.ReleaseSyncFile(true);

    // Every later macro moved down one place: the schedule and the tray icons name
    // macros by place, so both are rebuilt whatever kind of macro left.
    MacroTableRefresh r;
    r.changed = true;
    r.list = true;
    r.schedule = true;
    r.trayMenu = true;
    r.remap = true;
    return r;
}

MacroTableRefresh MacroOperations::DoCopy() {
    const int place = Begin(Command::Copy);
    if (place == 0)
        return {};
    const int count = p_.block.MacroCount();
    if (!TakeForNewMacro())
        return {};
    if (!ReadMacroRecordWhole(p_.file.Path(), place, buffer_)) {
        p_.lock.ReleaseSyncFile(false);
        return {};
    }
    const CopyOrMoveDialog dialog(CopyOrMoveMode::Copy, buffer_, p_.block);
    if (!p_.dialogs.RunCopyOrMove(dialog, buffer_)) {
        p_.lock.ReleaseSyncFile(false);
        return {};
    }
    return AppendBuffer() ? Written(count + 1) : MacroTableRefresh{};
}

MacroTableRefresh MacroOperations::DoMove(bool lockTaken) {
    const int place = ReadSelected(Command::Rename, lockTaken);
    if (place == 0)
        return {};
    if (buffer_.scope == static_cast<unsigned>(Scope::System)) {
        const int digit = buffer_.scopeName.empty() ? 0 : buffer_.scopeName[0] - '0';
        if (digit < 1 || digit > 4 || !p_.dialogs.RunSystemKeys(digit)) {
            p_.lock.ReleaseSyncFile(false);
            return {};
        }
    } else {
        const CopyOrMoveDialog dialog(CopyOrMoveMode::Move, buffer_, p_.block);
        if (!p_.dialogs.RunCopyOrMove(dialog, buffer_) ||
            !p_.file.WriteMacroRecord(place, buffer_)) {
            p_.lock.ReleaseSyncFile(false);
            return {};
        }
    }
    return Written(place);
}

std::optional<QuickInfo> MacroOperations::DoInfo(int row, const DateTimeFormatter& formatDateTime,
                                                 const std::string& iconsDir) {
    const int place = list_.Place(row);
    if (place < 1 || !p_.file.ReadMacroRecord(place, buffer_))
        return std::nullopt;
    return QuickInfoTexts(buffer_, formatDateTime, iconsDir);
}

MacroTableRefresh MacroOperations::Shown(int place) {
    list_.FillList(p_.block, p_.settings);
    Reselect(list_.ReverseSort(place));
    p_.block.SetHotKeys();
    MacroTableRefresh r;
    r.changed = true;
    r.list = true;
    return r;
}

bool MacroOperations::CaptureRunning() {
    if (!p_.capture || !p_.capture->Running())
        return false;
    p_.prompts.ShowMessage("A capture is currently in progress.  Capture not allowed.", "Error");
    return true;
}

MacroTableRefresh MacroOperations::StartACapture() {
    if (!p_.capture)
        return {};
    if (mode_ != BrowseMode::Off) {
        p_.prompts.ShowMessage("Capture not allowed in Browse Mode.", "Error");
        return {};
    }
    if (CaptureRunning())
        return {};
    const int count = p_.block.MacroCount();
    if (count >= kMaxMacros) {
        p_.prompts.ShowMessage("Maximum number of macros has been reached.  Capture not allowed.",
                               "Error");
        return {};
    }
    if (p_.lock.FileInUse())
        return {};
    CaptureStart start;
    start.place = count + 1;
    start.options = OptionsOf(CaptureChoices::From(p_.settings));
    start.quick = true;
    std::string error;
    if (!p_.capture->Begin(start, &error)) {
        p_.lock.ReleaseSyncFile(false);
        p_.prompts.ShowMessage("The capture cannot start: " + error + ".", "Error");
        return {};
    }
    buffer_ = MacroRecord{};
    buffer_.nickname = "Capture";
    buffer_.typeword = "capture";
    buffer_.activation = static_cast<std::uint16_t>(kActivationTypeword);
    buffer_.scope = static_cast<std::uint16_t>(Scope::Global);
    buffer_.active = 1;
    buffer_.topMostOnly = 1;
    buffer_.lastModified = ToDayCount(p_.clock.Now());
    if (!AppendBuffer()) {
        p_.capture->Abandon();
        return {};
    }
    MacroTableRefresh r = Shown(count + 1);
    if (p_.settings.capturePrompt)
        p_.prompts.ShowMessage(StartPromptText(p_.block), "Start Capture");
    p_.capture->Arm();
    return r;
}

MacroTableRefresh MacroOperations::DoCapture() {
    if (!p_.capture || CaptureRunning())
        return {};
    const int place = ReadSelected(Command::Recapture, false);
    if (place == 0)
        return {};
    const std::optional<CaptureKeysChoice> choice = p_.dialogs.RunCaptureKeys(buffer_, false);
    p_.lock.ReleaseSyncFile(false);
    if (!choice)
        return {};
    return CaptureAt(place, *choice);
}

MacroTableRefresh MacroOperations::CaptureAt(int place, const CaptureKeysChoice& choice,
                                             bool windowScopeForced) {
    if (!p_.capture || CaptureRunning() || p_.lock.FileInUse())
        return {};
    if (!p_.file.ReadMacroRecord(place, buffer_)) {
        p_.lock.ReleaseSyncFile(false);
        return {};
    }
    CaptureKeysChoice chosen = choice;
    // A hot key that only a window scope may have: the macro is the program's.
    if (windowScopeForced || CaptureGlobalLocked(buffer_, p_.block))
        chosen.program = true;
    StartCaptureRecord(buffer_, chosen);
    CaptureStart start;
    start.place = place;
    start.options = OptionsOf(chosen.options);
    start.programScope = chosen.program;
    // The macro's own hot key ends its capture too; a Typeword has none.
    if (buffer_.activation < kHotKeyCodes)
        start.secondStop = StopKeyOf(buffer_.activation);
    std::string error;
    if (!p_.capture->Begin(start, &error)) {
        p_.lock.ReleaseSyncFile(false);
        p_.prompts.ShowMessage("The capture cannot start: " + error + ".", "Error");
        return {};
    }
    if (!p_.file.WriteMacroRecord(place, buffer_)) {
        p_.capture->Abandon();
        p_.lock.ReleaseSyncFile(false);
        return {};
    }
    MacroTableRefresh r = Shown(place);
    p_.capture->Arm();
    return r;
}

MacroTableRefresh MacroOperations::EndOfCapture() {
    if (!p_.capture || !p_.capture->Running())
        return {};
    const std::string program = p_.topProgram ? p_.topProgram() : std::string();
    std::optional<Capture::Ended> ended = p_.capture->End(p_.clock.Now());
    if (!ended)
        return {};
    if (!ended->error.empty())
        p_.prompts.ShowMessage("The capture could not be kept whole: " + ended->error, "Error");
    buffer_ = ended->rec;
    if (ended->quick) {
        p_.dialogs.RunCapComplete(buffer_, program);
    } else if (ended->programScope) {
        buffer_.scope = static_cast<std::uint16_t>(Scope::Program);
        buffer_.scopeName = program.substr(0, kScopeNameMax);
        buffer_.topMostOnly = 1;
    }
    if (!p_.file.WriteMacroRecord(ended->place, buffer_)) {
        p_.lock.ReleaseSyncFile(false);
        return {};
    }
    MacroTableRefresh r = Written(ended->place);
    if (!ended->quick)
        p_.prompts.ShowMessage(CaptureCompleteText(buffer_), "Capture");
    return r;
}

} // namespace kv
