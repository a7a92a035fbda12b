#include "engine/mainwin/MacroOperations.h"

#include "engine/activation/HotKeys.h"
#include "engine/core/Limits.h"
#include "engine/mainwin/PopupMenuPlaces.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/RecordingPrompts.h"
#include "support/MacroFileBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kv;

namespace {

std::uint16_t Code(const char* name) {
    return static_cast<std::uint16_t>(HotKeyFromName(name).value());
}

MacroRecord Macro(const std::string& nick, std::uint16_t activation, Scope scope,
                  const std::string& scopeName = "") {
    MacroRecord r;
    r.nickname = nick;
    r.activation = activation;
    r.scope = static_cast<std::uint16_t>(scope);
    r.scopeName = scopeName;
    r.text = nick + " text";
    return r;
}

class FakeLock : public MacroFileLock {
public:
    bool FileInUse() override {
        if (inUse)
            return true;
        ++taken;
        return false;
    }
    void ReleaseSyncFile(bool changed) override { releases.push_back(changed); }

    bool inUse = false;
    int taken = 0;
    std::vector<bool> releases;
};

// Plays the user of the dialogs: makes `choice` and presses "&Ok" once; a refusal ends
// with Cancel.
class ScriptedDialogs : public MacroDialogs {
public:
    explicit ScriptedDialogs(Prompts& prompts) : prompts_(prompts) {}

    bool RunCopyOrMove(const CopyOrMoveDialog& dialog, MacroRecord& rec) override {
        shown.push_back(dialog.Caption() + " | " + dialog.Label());
        keyList = dialog.KeyList();
        typewordOffered = dialog.TypewordOffered();
        if (cancel)
            return false;
        outcome = dialog.OkButtonClick(choice, rec, prompts_, DateTime{2026, 12, 9, 10, 30, 0, 0});
        return outcome == CopyOrMoveOutcome::Accepted ||
               outcome == CopyOrMoveOutcome::AcceptedSchedule;
    }
    bool RunSystemKeys(int digit) override {
        systemDigit = digit;
        return !cancel;
    }
    bool RunAddMacro(MacroRecord& rec, int place) override {
        addPlace = place;
        if (cancel)
            return false;
        rec = made;
        return true;
    }
    bool RunDirectEditor(const EditorState& state, MacroRecord& rec) override {
        editor = state;
        edited = rec;
        rec.text = "changed";
        return !cancel;
    }
    bool RunScriptingEditor(const EditorState& state, MacroRecord& rec) override {
        scripted = state.header;
        rec.text = "scripted";
        return !cancel;
    }
    bool RunBuildMenu(MacroRecord& rec) override {
        built = rec.nickname;
        return false;
    }

    CopyOrMoveChoice choice;
    bool cancel = false;
    std::vector<std::string> shown;
    std::vector<std::string> keyList;
    bool typewordOffered = true;
    CopyOrMoveOutcome outcome{};
    int systemDigit = 0;
    MacroRecord made; // what the add dialog makes
    int addPlace = 0;
    EditorState editor; // what the direct editor was opened with
    MacroRecord edited;
    std::string built;    // the popup menu handed to the builder
    std::string scripted; // the header the scripting editor was opened with

private:
    Prompts& prompts_;
};

// Places 1..6 as below, then the four SYSTEM macros that loading adds at 7..10.
class MacroOperationsTest : public ::testing::Test {
protected:
    enum : int { kAlpha = 1, kBravo, kCharlie, kMenu, kTimer, kSig };

    void SetUp() override {
        settings.currentFile = dir.File("OPS.KVN");
        MacroRecord menu = Macro("Menu", Code("F5"), Scope::PopupMenu);
        menu.typeword = "Y32";
        menu.icon = "MENU";
        menu.text = MenuArea({kAlpha, kBravo, kCharlie});
        MacroRecord sig = Macro("Sig", kActivationTypeword, Scope::Global);
        sig.typeword = "sig";
        Write({Macro("Alpha", Code("Ctrl+A"), Scope::Global),
               Macro("Bravo", Code("Ctrl+B"), Scope::Global),
               Macro("Charlie", Code("Ctrl+A"), Scope::Window, "NOTEPAD"), menu,
               Macro("Timer", kActivationTimed, Scope::Global), sig});
    }

    void Write(const std::vector<MacroRecord>& records) {
        test::WriteMacroFile(settings.currentFile, records);
        file.LoadMacroFile(settings.currentFile);
        block.SetHotKeys();
        ops.FillList();
    }

    void Select(int place) { ops.SelectRow(list.ReverseSort(place)); }
    std::vector<MacroRecord> OnDisk() { return ScanMacroFile(settings.currentFile).records; }
    MacroRecord Whole(int place) {
        MacroRecord r;
        EXPECT_TRUE(ReadMacroRecordWhole(settings.currentFile, place, r));
        return r;
    }
    std::string Nick(int place) { return settings.names.nickname[static_cast<std::size_t>(place)]; }

    test::TempDir dir;
    Settings settings;
    OwnedSharedBlock block;
    fake::RecordingPrompts prompts;
    fake::FakeClock clock{DateTime{2026, 12, 9, 10, 30, 0, 0}};
    MacroFile file{settings, block, prompts, clock};
    FakeLock lock;
    ScriptedDialogs dialogs{prompts};
    MacroList list;
    CommandOffers offers;
    MacroRecord buffer;
    MacroOperations ops{{file, block, settings, prompts, clock, dialogs, lock},
                        list,
                        offers,
                        buffer,
                        BrowseMode::Off};
};

using Records = std::vector<fake::PromptRecord>;

// --- switching on and off ---

TEST_F(MacroOperationsTest, ActivateFlipsTheFileTheTablesAndTheHotKeyFlag) {
    Select(kBravo);
    EXPECT_EQ(offers.activateCaption, "Deacti&vate Macro");
    MacroTableRefresh r = ops.DoActivate();
    EXPECT_TRUE(r.changed);
    EXPECT_TRUE(r.schedule); // every change of the macro table
    EXPECT_EQ(OnDisk()[kBravo - 1].active, 0);
    EXPECT_FALSE(block.Active(kBravo));
    EXPECT_FALSE(block.HotKeyFlag(Code("Ctrl+B")));
    EXPECT_EQ(offers.activateCaption, "Acti&vate Macro");
    EXPECT_EQ(offers.activateHint, "Activate Macro");
    // Only the Active byte changed.
    MacroRecord expected = Macro("Bravo", Code("Ctrl+B"), Scope::Global);
    expected.active = 0;
    EXPECT_EQ(OnDisk()[kBravo - 1], expected);

    ops.DoActivate();
    EXPECT_EQ(OnDisk()[kBravo - 1].active, 1);
    EXPECT_TRUE(block.HotKeyFlag(Code("Ctrl+B")));
    EXPECT_EQ(offers.activateCaption, "Deacti&vate Macro");
    EXPECT_EQ(lock.releases, (std::vector<bool>{true, true}));
    EXPECT_TRUE(prompts.Records().empty());
}

TEST_F(MacroOperationsTest, ATimedMacroRecomputesTheScheduleAndScreenSaverWhenSwitchedOn) {
    Select(kTimer);
    MacroTableRefresh off = ops.DoActivate();
    EXPECT_TRUE(off.schedule);
    EXPECT_FALSE(off.screenSaver);
    MacroTableRefresh on = ops.DoActivate();
    EXPECT_TRUE(on.schedule);
    EXPECT_TRUE(on.screenSaver);
    settings.disableScreenSaver = false;
    ops.DoActivate();
    EXPECT_FALSE(ops.DoActivate().screenSaver);
}

// --- the checks every command makes ---

TEST_F(MacroOperationsTest, CommandsNeedMacrosAndASelection) {
    list.SetCurrentRow(kNoRow);
    EXPECT_FALSE(ops.DoActivate().changed);
    EXPECT_FALSE(ops.DoClear().changed);
    block.SetMacroCount(0);
    ops.FillList();
    EXPECT_FALSE(ops.DoCopy().changed);
    EXPECT_FALSE(ops.DoMove().changed);
    EXPECT_EQ(
        prompts.Records(),
        (Records{{"message", "No hot key selected.  Please select one.", "Error"},
                 {"message", "No hot key selected.  Please select one.", "Error"},
                 {"message", "No hot keys have been added yet.  Please add one first.", "Error"},
                 {"message", "No hot keys have been added yet.  Please add one first.", "Error"}}));
    EXPECT_EQ(lock.taken, 0);
}

TEST_F(MacroOperationsTest, ALockedFileChangesNothing) {
    lock.inUse = true;
    Select(kBravo);
    dialogs.choice = {CopyOrMoveChoice::Kind::HotKey, Code("F9"), ""};
    prompts.QueueAnswer(true);
    EXPECT_FALSE(ops.DoActivate().changed);
    EXPECT_FALSE(ops.DoClear().changed);
    EXPECT_FALSE(ops.DoCopy().changed);
    EXPECT_FALSE(ops.DoMove().changed);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_TRUE(prompts.Records().empty());
    EXPECT_TRUE(lock.releases.empty());
    EXPECT_EQ(OnDisk().size(), 10u);
    EXPECT_TRUE(block.Active(kBravo));
}

TEST_F(MacroOperationsTest, ASystemMacroOnlyRenamesAndBrowseModeChangesNothing) {
    const int system = 7;
    ASSERT_EQ(block.Scope(system), static_cast<unsigned>(Scope::System));
    Select(system);
    prompts.QueueAnswer(true);
    EXPECT_FALSE(ops.DoActivate().changed);
    EXPECT_FALSE(ops.DoClear().changed);
    EXPECT_FALSE(ops.DoCopy().changed);
    EXPECT_EQ(lock.taken, 0);
    EXPECT_TRUE(prompts.Records().empty());

    MacroTableRefresh r = ops.DoMove();
    EXPECT_TRUE(r.changed);
    EXPECT_EQ(dialogs.systemDigit, 1);
    EXPECT_TRUE(dialogs.shown.empty());
    EXPECT_EQ(list.SelectedPlace(), system);

    MacroOperations browsing{{file, block, settings, prompts, clock, dialogs, lock},
                             list,
                             offers,
                             buffer,
                             BrowseMode::Browse};
    Select(kBravo);
    EXPECT_FALSE(browsing.DoActivate().changed);
    EXPECT_FALSE(browsing.DoMove().changed);
    EXPECT_EQ(lock.taken, 1);
}

TEST_F(MacroOperationsTest, ACaptureInProgressRefusesRemoveAndCopy) {
    block.SetCaptureFlag(true);
    Select(kBravo);
    prompts.QueueAnswer(true);
    EXPECT_FALSE(ops.DoClear().changed);
    EXPECT_FALSE(ops.DoCopy().changed);
    ASSERT_EQ(prompts.Records().size(), 2u);
    EXPECT_EQ(prompts.Records()[0].caption, "Warning");
    EXPECT_EQ(lock.taken, 0);
    EXPECT_EQ(OnDisk().size(), 10u);
}

// --- removing ---

TEST_F(MacroOperationsTest, RemovingAMenuEntryRenumbersEveryMenuAfterAskingTwice) {
    Select(kBravo);
    prompts.QueueAnswer(true);
    prompts.QueueAnswer(true);
    MacroTableRefresh r = ops.DoClear();
    EXPECT_EQ(prompts.Records(),
              (Records{{"question", "Are you sure you want to remove \"Ctrl+B\"?", "Delete"},
                       {"question",
                        "This macro is contained in a \"Popup Menu\".  It will be removed from "
                        "the \"Popup Menu\".  Are you sure you want to remove \"Ctrl+B\"?",
                        "Delete"}}));
    EXPECT_TRUE(r.changed);
    EXPECT_TRUE(r.schedule);
    EXPECT_TRUE(r.trayMenu);
    EXPECT_TRUE(r.remap);
    EXPECT_EQ(lock.releases, (std::vector<bool>{true}));

    ASSERT_EQ(OnDisk().size(), 9u);
    ASSERT_EQ(block.MacroCount(), 9);
    const MacroRecord menu = Whole(kMenu - 1);
    EXPECT_EQ(menu.nickname, "Menu");
    EXPECT_EQ(menu.typeword, "Y32");
    EXPECT_EQ(menu.icon, "MENU");
    const std::vector<int> items = MenuPlaces(menu.text);
    ASSERT_EQ(items, (std::vector<int>{1, 2}));
    // The entry that named Charlie still names Charlie, now one place lower.
    EXPECT_EQ(Nick(items[1]), "Charlie");
    EXPECT_EQ(list.RowCount(), 9);
}

TEST_F(MacroOperationsTest, AnswerNoToEitherQuestionKeepsEverything) {
    const auto before = test::ReadBytes(settings.currentFile);
    Select(kBravo);
    ops.DoClear();
    prompts.QueueAnswer(true);
    ops.DoClear();
    EXPECT_EQ(prompts.Records().size(), 3u);
    EXPECT_EQ(test::ReadBytes(settings.currentFile), before);
    EXPECT_EQ(block.MacroCount(), 10);
    EXPECT_EQ(lock.releases, (std::vector<bool>{false, false}));
}

TEST_F(MacroOperationsTest, RemoveAsksByTheKindOfActivation) {
    Select(kTimer);
    ops.DoClear();
    Select(kSig);
    ops.DoClear();
    Select(kCharlie);
    ops.DoClear();
    EXPECT_EQ(
        prompts.Records(),
        (Records{{"question", "Are you sure you want to remove \"Timed Macro\"?", "Delete"},
                 {"question", "Are you sure you want to remove the Typeword \"sig\"?", "Delete"},
                 {"question", "Are you sure you want to remove \"Ctrl+A\"?", "Delete"}}));
}

TEST_F(MacroOperationsTest, RemovingTheLastRowSelectsTheNewLastRow) {
    list.SetCurrentRow(list.RowCount());
    const int last = list.SelectedPlace();
    ASSERT_EQ(last, kTimer); // Timed Macros come last in the default order
    prompts.QueueAnswer(true);
    EXPECT_TRUE(ops.DoClear().changed);
    EXPECT_EQ(list.CurrentRow(), list.RowCount());
    EXPECT_EQ(Nick(list.SelectedPlace()), "Sig");
    EXPECT_EQ(offers.activateCaption, "Deacti&vate Macro");
}

TEST_F(MacroOperationsTest, RemovingTheOnlyMacroLeavesTheFourSystemMacros) {
    Write({Macro("Alone", Code("F1"), Scope::Global)});
    Select(1);
    prompts.QueueAnswer(true);
    EXPECT_TRUE(ops.DoClear().changed);
    ASSERT_EQ(list.RowCount(), 4);
    for (int row = 1; row <= 4; ++row)
        EXPECT_EQ(block.Scope(list.Place(row)), static_cast<unsigned>(Scope::System));
    EXPECT_EQ(OnDisk().size(), 4u);
    // Row 1 is now a SYSTEM macro: only Rename is offered.
    EXPECT_FALSE(offers.remove.menu);
    EXPECT_TRUE(offers.rename.menu);
}

TEST_F(MacroOperationsTest, MenusWithPlacesThatHoldZeroBytesSurviveRenumbering) {
    std::vector<MacroRecord> records;
    for (int i = 1; i <= 300; ++i)
        records.push_back(Macro("m" + std::to_string(i), kActivationTimed, Scope::Global));
    MacroRecord menu = Macro("Menu", Code("F5"), Scope::PopupMenu);
    menu.typeword = "N10";
    menu.text = MenuArea({256, 2, 300, 1});
    records.push_back(menu);
    Write(records);
    Select(2);
    prompts.QueueAnswer(true);
    prompts.QueueAnswer(true);
    ASSERT_TRUE(ops.DoClear().changed);
    const std::vector<int> items = MenuPlaces(Whole(300).text);
    EXPECT_EQ(items, (std::vector<int>{255, 299, 1}));
    EXPECT_EQ(Nick(255), "m256");
}

// --- copying and renaming ---

TEST_F(MacroOperationsTest, CopyRefusesAHotKeyHeldByAGlobalPopupOrSystemMacro) {
    Select(kAlpha);
    for (const char* held : {"Ctrl+B", "F5", "Ctrl+Alt+Shift+W"}) {
        dialogs.choice = {CopyOrMoveChoice::Kind::HotKey, Code(held), ""};
        EXPECT_FALSE(ops.DoCopy().changed) << held;
    }
    EXPECT_EQ(dialogs.shown[0], "Copy Hot Key | COPY Ctrl+A TO");
    ASSERT_EQ(prompts.Records().size(), 3u);
    EXPECT_EQ(prompts.Records()[0],
              (fake::PromptRecord{"message",
                                  "A \"GLOBAL\" or \"POPUP MENU\" hot key already exists for this "
                                  "selection. The \"COPY\" did not take place.",
                                  "Error"}));
    EXPECT_EQ(OnDisk().size(), 10u);
    EXPECT_EQ(lock.releases, (std::vector<bool>{false, false, false}));
}

TEST_F(MacroOperationsTest, AWindowMacroMayBeCopiedToAGlobalHotKey) {
    Select(kCharlie);
    dialogs.choice = {CopyOrMoveChoice::Kind::HotKey, Code("Ctrl+B"), ""};
    MacroTableRefresh r = ops.DoCopy();
    ASSERT_TRUE(r.changed);
    EXPECT_TRUE(r.schedule);
    EXPECT_FALSE(r.trayMenu);
    ASSERT_EQ(block.MacroCount(), 11);
    const MacroRecord copy = OnDisk()[10];
    EXPECT_EQ(copy.nickname, "Charlie");
    EXPECT_EQ(copy.activation, Code("Ctrl+B"));
    EXPECT_EQ(copy.scopeName, "NOTEPAD");
    EXPECT_EQ(copy.text, "Charlie text");
    EXPECT_EQ(list.SelectedPlace(), 11);
    EXPECT_EQ(list.RowCount(), 11);
    EXPECT_EQ(lock.releases, (std::vector<bool>{true}));
    // The key list counted both users of Ctrl+B's neighbour Ctrl+A.
    EXPECT_EQ(dialogs.keyList[Code("Ctrl+A")], "Ctrl+A  (2 macros in use)");
    EXPECT_EQ(dialogs.keyList[Code("Ctrl+B")], "Ctrl+B  (1 macro in use)");
    EXPECT_EQ(dialogs.keyList[Code("F9")], "F9  (Not in Use)");
}

TEST_F(MacroOperationsTest, AKeyTheSystemMayUseAsksFirst) {
    Select(kAlpha);
    dialogs.choice = {CopyOrMoveChoice::Kind::HotKey, Code("Win+D"), ""};
    EXPECT_FALSE(ops.DoCopy().changed);
    EXPECT_EQ(dialogs.outcome, CopyOrMoveOutcome::StayOnHotKey);
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].kind, "question");
    EXPECT_EQ(prompts.Records()[0].caption, "Warning");
    EXPECT_EQ(prompts.Records()[0].text,
              "Win+D may be used internally by Windows 95, 98 or NT.  This may cause the hot "
              "key not to function correctly. Would you still like to use Win+D?");
    prompts.QueueAnswer(true);
    EXPECT_TRUE(ops.DoCopy().changed);
    EXPECT_EQ(OnDisk()[10].activation, Code("Win+D"));
}

TEST_F(MacroOperationsTest, ACopiedPopupMenuKeepsItsMenuAndRebuildsTheTray) {
    Select(kMenu);
    dialogs.choice = {CopyOrMoveChoice::Kind::HotKey, Code("F6"), ""};
    MacroTableRefresh r = ops.DoCopy();
    ASSERT_TRUE(r.changed);
    EXPECT_TRUE(r.trayMenu);
    EXPECT_FALSE(dialogs.typewordOffered);
    EXPECT_EQ(MenuPlaces(Whole(11).text), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(Whole(11).typeword, "Y32");
}

TEST_F(MacroOperationsTest, ATypewordNameIsCheckedAndTrimmed) {
    Select(kAlpha);
    dialogs.choice = {CopyOrMoveChoice::Kind::Typeword, -1, "  "};
    ops.DoCopy();
    EXPECT_EQ(dialogs.outcome, CopyOrMoveOutcome::StayOnTypeword);
    EXPECT_EQ(prompts.Records().at(0).text, "No Typeword name was entered.");
    dialogs.choice.typeword = " hi! ";
    ASSERT_TRUE(ops.DoCopy().changed);
    EXPECT_EQ(OnDisk()[10].activation, kActivationTypeword);
    EXPECT_EQ(settings.names.typeword[11], "hi!");
}

TEST_F(MacroOperationsTest, MovingToATimedMacroGivesItTheDefaultSchedule) {
    Select(kAlpha);
    dialogs.choice = {CopyOrMoveChoice::Kind::Timed, -1, ""};
    MacroTableRefresh r = ops.DoMove();
    EXPECT_EQ(dialogs.shown[0], "Move Hot Key | MOVE Ctrl+A TO");
    EXPECT_EQ(dialogs.outcome, CopyOrMoveOutcome::AcceptedSchedule);
    ASSERT_TRUE(r.changed);
    EXPECT_TRUE(r.schedule);
    EXPECT_TRUE(r.screenSaver);
    const MacroRecord moved = OnDisk()[kAlpha - 1];
    EXPECT_EQ(moved.activation, kActivationTimed);
    EXPECT_EQ(moved.schedule, ScheduleBlock::Default(clock.Now()));
    EXPECT_EQ(block.MacroCount(), 10);
    EXPECT_EQ(list.SelectedPlace(), kAlpha);
    EXPECT_TRUE(block.HotKeyFlag(Code("Ctrl+A"))); // Charlie's

    // Moving a Timed Macro away recomputes the schedule too.
    Select(kTimer);
    dialogs.choice = {CopyOrMoveChoice::Kind::HotKey, Code("F9"), ""};
    r = ops.DoMove();
    EXPECT_EQ(dialogs.shown[1], "Move Hot Key | MOVE Timed Macro TO");
    EXPECT_TRUE(r.schedule);
    EXPECT_FALSE(r.screenSaver);
    EXPECT_TRUE(block.HotKeyFlag(Code("F9")));
}

TEST_F(MacroOperationsTest, MovingAGlobalMacroOntoAHeldKeyIsRefusedAndCancelChangesNothing) {
    Select(kBravo);
    dialogs.choice = {CopyOrMoveChoice::Kind::HotKey, Code("F5"), ""};
    EXPECT_FALSE(ops.DoMove().changed);
    EXPECT_EQ(prompts.Records()[0].text,
              "A \"GLOBAL\" or \"POPUP MENU\" hot key already exists for this selection. The "
              "\"MOVE\" did not take place.");
    dialogs.cancel = true;
    EXPECT_FALSE(ops.DoMove().changed);
    EXPECT_EQ(OnDisk()[kBravo - 1].activation, Code("Ctrl+B"));
    EXPECT_EQ(lock.releases, (std::vector<bool>{false, false}));
}

TEST_F(MacroOperationsTest, AFullFileRefusesCopyButStillRenamesAndRemoves) {
    std::vector<MacroRecord> records;
    for (int i = 1; i <= kMaxMacros - 4; ++i)
        records.push_back(Macro("m" + std::to_string(i), kActivationTimed, Scope::Global));
    Write(records);
    ASSERT_EQ(block.MacroCount(), kMaxMacros);
    Select(1);
    EXPECT_FALSE(ops.DoCopy().changed);
    EXPECT_EQ(prompts.Records().back(),
              (fake::PromptRecord{"message",
                                  "Maximum number of hot keys has been reached.  Add not allowed.",
                                  "Error"}));
    EXPECT_EQ(lock.taken, 0);
    EXPECT_TRUE(dialogs.shown.empty());

    dialogs.choice = {CopyOrMoveChoice::Kind::HotKey, Code("F9"), ""};
    EXPECT_TRUE(ops.DoMove().changed);
    prompts.QueueAnswer(true);
    EXPECT_TRUE(ops.DoClear().changed);
    EXPECT_EQ(block.MacroCount(), kMaxMacros - 1);
}

TEST(PopupMenuPlacesTest, AreaRoundTripsAndShortAreasReadAsZero) {
    const std::vector<int> places = {256, 1, 512};
    const std::string area = MenuArea(places);
    EXPECT_EQ(area.size(), 8u);
    EXPECT_EQ(MenuPlaces(area), places);
    EXPECT_EQ(MenuPlaces(""), std::vector<int>{});
    EXPECT_EQ(MenuPlaces(std::string("\x02", 1)), (std::vector<int>{0, 0}));

    std::vector<int> menu = {3, 5, 7, 5};
    EXPECT_TRUE(RemoveFromMenu(menu, 5));
    EXPECT_EQ(menu, (std::vector<int>{3, 6}));
    EXPECT_FALSE(RemoveFromMenu(menu, 9));
}

} // namespace

namespace {

// --- adding and modifying through the editors ---

TEST_F(MacroOperationsTest, AddAppendsTheMadeMacroAndSelectsIt) {
    dialogs.made = Macro("Delta", Code("Ctrl+D"), Scope::Global);
    const int count = block.MacroCount();
    const MacroTableRefresh r = ops.DoAdd();
    EXPECT_EQ(dialogs.addPlace, count + 1);
    EXPECT_TRUE(r.changed);
    EXPECT_TRUE(r.schedule); // every change of the table
    EXPECT_FALSE(r.trayMenu);
    ASSERT_EQ(block.MacroCount(), count + 1);
    EXPECT_EQ(OnDisk().back(), dialogs.made);
    EXPECT_EQ(list.SelectedPlace(), count + 1);
    EXPECT_TRUE(block.HotKeyFlag(Code("Ctrl+D")));
    EXPECT_EQ(lock.releases, std::vector<bool>{true});

    dialogs.cancel = true;
    EXPECT_FALSE(ops.DoAdd().changed);
    EXPECT_EQ(block.MacroCount(), count + 1);
    EXPECT_EQ(lock.releases, (std::vector<bool>{true, false}));
}

TEST_F(MacroOperationsTest, AddStopsAtTheMaximum) {
    block.SetMacroCount(kMaxMacros);
    EXPECT_FALSE(ops.DoAdd().changed);
    EXPECT_EQ(dialogs.addPlace, 0);
    EXPECT_EQ(prompts.Records(),
              (Records{{"message", "Maximum number of hot keys has been reached.  Add not allowed.",
                        "Error"}}));
}

TEST_F(MacroOperationsTest, ModifyOpensTheEditorAsTheMacroNeedsAndWritesItBack) {
    // Charlie shares Ctrl+A with the GLOBAL Alpha: it must stay a window macro.
    Select(kCharlie);
    EXPECT_TRUE(ops.DoModify().changed);
    EXPECT_TRUE(dialogs.editor.existing);
    EXPECT_EQ(dialogs.editor.kind, EditorKind::HotKey);
    EXPECT_EQ(dialogs.editor.header, "Ctrl+A");
    EXPECT_TRUE(dialogs.editor.windowScopeForced);
    EXPECT_EQ(dialogs.edited.nickname, "Charlie");
    EXPECT_EQ(OnDisk()[kCharlie - 1].text, "changed");
    EXPECT_EQ(list.SelectedPlace(), kCharlie);
    // Alpha is the GLOBAL one itself; the Typeword macro shows its Typeword.
    Select(kAlpha);
    ops.DoModify();
    EXPECT_FALSE(dialogs.editor.windowScopeForced);
    Select(kSig);
    ops.DoModify();
    EXPECT_EQ(dialogs.editor.kind, EditorKind::Typeword);
    EXPECT_EQ(dialogs.editor.header, "sig");
    // A popup menu goes to its builder; nothing is written when it is not confirmed.
    Select(kMenu);
    EXPECT_FALSE(ops.DoModify().changed);
    EXPECT_EQ(dialogs.built, "Menu");
    dialogs.cancel = true;
    Select(kBravo);
    EXPECT_FALSE(ops.DoModify().changed);
    EXPECT_EQ(OnDisk()[kBravo - 1].text, "Bravo text");
    EXPECT_EQ(lock.releases, (std::vector<bool>{true, true, true, false, false}));
}

TEST_F(MacroOperationsTest, TheScriptingEditorTakesMacrosAndPassesMenusAndSystemKeysOn) {
    Select(kBravo);
    EXPECT_TRUE(ops.DoTheScript().changed);
    EXPECT_EQ(dialogs.scripted, "Ctrl+B");
    EXPECT_EQ(OnDisk()[kBravo - 1].text, "scripted");
    // A popup menu goes to its builder, a SYSTEM macro to the System Hot Keys.
    Select(kMenu);
    ops.DoTheScript();
    EXPECT_EQ(dialogs.built, "Menu");
    Select(7);
    ops.DoTheScript();
    EXPECT_EQ(dialogs.systemDigit, 1);
}

} // namespace
