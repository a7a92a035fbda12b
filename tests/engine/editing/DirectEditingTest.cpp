// Making a macro without the script: the Add Macro dialog's list and checks, and the direct
// editors' insertions and "&Update".

#include "engine/editing/AddMacro.h"
#include "engine/editing/DirectEditor.h"
#include "engine/editing/IconChoice.h"
#include "engine/editing/MacroEditor.h"
#include "engine/macrotext/MacroTextReader.h"

#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

using namespace kv;

namespace {

int Code(const std::string& name) {
    for (int code = 0; code < kKeyHotKeyCodes; ++code)
        if (HotKeyName(code) == name)
            return code;
    ADD_FAILURE() << "no hot key " << name;
    return -1;
}

class AddMacroTest : public ::testing::Test {
protected:
    void Add(int activation, Scope scope) {
        const int place = block.MacroCount() + 1;
        block.SetMacroCount(place);
        block.SetActivation(place, static_cast<std::uint16_t>(activation));
        block.SetScope(place, static_cast<std::uint16_t>(scope));
    }
    OwnedSharedBlock block;
};

TEST_F(AddMacroTest, TheListCountsTheMacrosOfEachHotKey) {
    Add(Code("Ctrl+A"), Scope::Global);
    Add(Code("Ctrl+A"), Scope::Window);
    Add(Code("Ctrl+B"), Scope::Program);
    Add(kActivationTimed, Scope::Global); // no hot key
    const std::vector<std::string> list = HotKeyListEntries(block);
    ASSERT_EQ(list.size(), static_cast<std::size_t>(kKeyHotKeyCodes));
    EXPECT_EQ(list[static_cast<std::size_t>(Code("Ctrl+A"))], "Ctrl+A  (2 macros in use)");
    EXPECT_EQ(list[static_cast<std::size_t>(Code("Ctrl+B"))], "Ctrl+B  (1 macro in use)");
    EXPECT_EQ(list[static_cast<std::size_t>(Code("Ctrl+C"))], "Ctrl+C  (Not in Use)");
    // Only a GLOBAL, Popup Menu or SYSTEM macro forces a new one on its key to a window.
    const auto forced = WindowScopeForcedTable(block);
    EXPECT_TRUE(forced[static_cast<std::size_t>(Code("Ctrl+A"))]);
    EXPECT_FALSE(forced[static_cast<std::size_t>(Code("Ctrl+B"))]);
}

TEST_F(AddMacroTest, ChoicesAreCheckedBeforeAnEditorOpens) {
    Add(Code("Ctrl+Alt+Shift+W"), Scope::System);
    const int free = Code("Ctrl+G");
    const std::string noKey = "No hot key selected.  Please select one.";
    const std::string noMacros =
        "No macros have been defined yet.  A popup menu is created with existing macros.";
    const std::string taken = "Selected Hot Key is already either a GLOBAL or Popup Menu Hot "
                              "Key.  Hot Key cannot be added.";
    const struct {
        AddChoice choice;
        std::string refusal; // empty: accepted
    } cases[] = {
        {{AddKind::HotKey, -1, ""}, noKey},
        {{AddKind::HotKey, free, ""}, ""},
        {{AddKind::Typeword, -1, "   "}, "No Typeword name entered."},
        {{AddKind::Typeword, -1, " sig "}, ""},
        {{AddKind::Timed, -1, ""}, ""},
        {{AddKind::PopupMenu, -1, ""}, noKey},
        // The SYSTEM macros alone are no macros to build a menu of.
        {{AddKind::PopupMenu, free, ""}, noMacros},
    };
    for (const auto& c : cases) {
        const auto refused = CheckAddChoice(c.choice, block);
        EXPECT_EQ(refused ? refused->text : "", c.refusal) << c.choice.typeword;
        if (refused) {
            EXPECT_EQ(refused->caption, "Error");
        }
    }
    Add(Code("Ctrl+H"), Scope::Global);
    EXPECT_FALSE(CheckAddChoice({AddKind::PopupMenu, free, ""}, block));
    EXPECT_EQ(CheckAddChoice({AddKind::PopupMenu, Code("Ctrl+H"), ""}, block)->text, taken);
}

TEST_F(AddMacroTest, TheNewRecordsActivation) {
    EXPECT_EQ(ActivationOf({AddKind::Timed, 5, "x"}).activation, kActivationTimed);
    const AddedActivation typeword = ActivationOf({AddKind::Typeword, -1, "  abcdefghijkl "});
    EXPECT_EQ(typeword.activation, kActivationTypeword);
    EXPECT_EQ(typeword.typeword, "abcdefghij");
    EXPECT_EQ(ActivationOf({AddKind::HotKey, 42, "x"}).activation, 42);
    EXPECT_EQ(ActivationOf({AddKind::HotKey, 42, "x"}).typeword, "");
}

TEST_F(AddMacroTest, TheEditorStartsANewMacroAsTheAddDialogChoseIt) {
    Add(Code("Ctrl+A"), Scope::Global);
    const EditorState onTaken = NewMacroEditor({AddKind::HotKey, Code("Ctrl+A"), ""}, block);
    EXPECT_FALSE(onTaken.existing);
    EXPECT_TRUE(onTaken.windowScopeForced);
    EXPECT_EQ(onTaken.header, "Ctrl+A");
    EXPECT_FALSE(NewMacroEditor({AddKind::HotKey, Code("Ctrl+B"), ""}, block).windowScopeForced);
    const EditorState typeword = NewMacroEditor({AddKind::Typeword, -1, " sig "}, block);
    EXPECT_EQ(typeword.kind, EditorKind::Typeword);
    EXPECT_EQ(typeword.header, "sig");
    EXPECT_EQ(NewMacroEditor({AddKind::Timed, -1, ""}, block).kind, EditorKind::Timed);

    MacroRecord rec;
    rec.nickname = "left over";
    rec.text = "left over";
    StartNewRecord(rec, {AddKind::Typeword, -1, " sig "}, DateTime{2026, 12, 10, 9, 0, 0, 0});
    EXPECT_EQ(rec.nickname, "");
    EXPECT_EQ(rec.text, "");
    EXPECT_EQ(rec.activation, kActivationTypeword);
    EXPECT_EQ(rec.typeword, "sig");
    EXPECT_EQ(rec.scope, 1);
    EXPECT_EQ(rec.topMostOnly, 1);
    EXPECT_EQ(rec.icon, "MAIN");
    EXPECT_EQ(rec.schedule, ScheduleBlock::Default(DateTime{2026, 12, 10, 9, 0, 0, 0}));
}

TEST(MacroEditor, CaptionAndProperties) {
    EXPECT_EQ(EditorCaption("Modify Hot Key", EditorScope::Global, "x"),
              "Modify Hot Key  (GLOBAL)");
    EXPECT_EQ(EditorCaption("Modify Hot Key", EditorScope::Window, "Mail"),
              "Modify Hot Key  (Window Title: Mail)");
    EXPECT_EQ(EditorCaption("Macro Scripting Editor", EditorScope::Program, "VI"),
              "Macro Scripting Editor  (Program: VI)");

    const EditorState typeword{false, EditorKind::Typeword, false, "sig"};
    EXPECT_EQ(CheckProperties(typeword, {"n", EditorScope::Global, "   ", "MAIN"})->text,
              "No Typeword name was entered.");
    EXPECT_TRUE(CheckProperties(typeword, {"n", EditorScope::Global, "it's", "MAIN"}));
    EXPECT_FALSE(CheckProperties(typeword, {"n", EditorScope::Global, " sig ", "MAIN"}));
    // Only a Typeword macro has its name checked (and kept).
    const EditorState hotKey{true, EditorKind::HotKey, false, "Ctrl+A"};
    EXPECT_FALSE(CheckProperties(hotKey, {"n", EditorScope::Global, "it's", "MAIN"}));

    MacroRecord rec;
    rec.active = 0;
    rec.typeword = "old";
    WriteProperties(rec, hotKey, {std::string(60, 'n'), EditorScope::Program, "x", "CAT.ICO"},
                    DateTime{2026, 12, 10, 9, 0, 0, 0});
    EXPECT_EQ(rec.nickname, std::string(50, 'n'));
    EXPECT_EQ(rec.scope, 3);
    EXPECT_EQ(rec.icon, "CAT.ICO");
    EXPECT_EQ(rec.typeword, "");
    EXPECT_EQ(rec.active, 0); // an existing macro keeps its switch
    EXPECT_DOUBLE_EQ(rec.lastModified, ToDayCount(DateTime{2026, 12, 10, 9, 0, 0, 0}));
    WriteProperties(rec, typeword, {"n", EditorScope::Window, " sig ", "MAIN"},
                    DateTime{2026, 12, 10, 9, 0, 0, 0});
    EXPECT_EQ(rec.typeword, "sig");
    EXPECT_EQ(rec.active, 1); // a new one is on
}

TEST(DirectEditor, EveryInsertedTagIsOneKeyOfTheMacroLanguage) {
    for (const auto entries : {DirectEditorKeys(), MiscellaneousEntries()}) {
        for (const InsertEntry& e : entries) {
            const Element element = ReadElement(e.tag, 0);
            EXPECT_NE(element.kind, ElementKind::Char) << e.tag;
            EXPECT_EQ(element.End(), e.tag.size()) << e.tag;
        }
    }
    EXPECT_EQ(DirectEditorKeys().size(), 30u);
    EXPECT_EQ(MiscellaneousEntries().size(), 38u);
}

TEST(DirectEditor, InsertionsStopAtTheLimit) {
    EXPECT_FALSE(CheckSize(4997, std::string_view("<TAB>").size()));
    EXPECT_FALSE(CheckSize(4997, std::string_view("<F1>").size()));
    EXPECT_TRUE(CheckSize(4995, std::string_view("<TAB>").size()));
    EXPECT_TRUE(CheckSize(4996, std::string_view("<F1>").size()));
    EXPECT_EQ(TextTooLongMessage(),
              (EditorMessage{"Text exceeds maximum length.  Text not added.", "Error"}));
}

TEST(DirectEditor, UpdateTurnsTabsIntoTagsAndCutsAnOverlongText) {
    EXPECT_EQ(UpdateText("a\tb\t").text, "a<TAB>b<TAB>");
    const UpdatedText exact = UpdateText(std::string(5000, 'x'));
    EXPECT_EQ(exact.text.size(), 5000u);
    EXPECT_FALSE(exact.truncated);
    const UpdatedText over = UpdateText(std::string(4999, 'x') + "\t");
    EXPECT_EQ(over.text, std::string(4999, 'x') + "<");
    ASSERT_TRUE(over.truncated);
    EXPECT_EQ(over.truncated->text, "The size of the macro exceeds the 5000 character limit.  The "
                                    "macro will be truncated to 5000 characters.");
    // The text editor hands the whole text on; the scripting editor cuts the macro.
    EXPECT_EQ(UpdateTextUncut(std::string(5001, 'x')).text.size(), 5001u);
    EXPECT_TRUE(UpdateTextUncut(std::string(5001, 'x')).truncated);
}

} // namespace

namespace {

TEST(IconChoice, AnIconIsCopiedInNamedAndNeverOverwritten) {
    kv::test::TempDir dir;
    const std::string icons = dir.File("Icons");
    const std::string cat = dir.File("cat.ico");
    std::ofstream(cat) << "cat";
    // A first choice is copied into the folder and named by its file name.
    const IconChoice first = LoadInIcon(cat, icons);
    EXPECT_FALSE(first.message);
    EXPECT_EQ(first.icon, "cat.ico");
    EXPECT_EQ(first.file, icons + "/cat.ico");
    EXPECT_EQ(IconFile("cat.ico", icons), icons + "/cat.ico");
    EXPECT_EQ(IconFile("MAIN", icons), "");
    // Another cat.ico does not replace it: the one in the folder is used.
    const std::string other = dir.File("other");
    std::filesystem::create_directories(other);
    std::ofstream(other + "/cat.ico") << "another cat";
    const IconChoice second = LoadInIcon(other + "/cat.ico", icons);
    ASSERT_TRUE(second.message);
    EXPECT_EQ(second.message->text.substr(0, 38), "The selected icon could not be opened.");
    EXPECT_EQ(second.icon, "cat.ico");
    std::ifstream kept(icons + "/cat.ico");
    std::string content;
    std::getline(kept, content);
    EXPECT_EQ(content, "cat");
    // One chosen in the folder itself stays where it is.
    EXPECT_FALSE(LoadInIcon(icons + "/cat.ico", icons).message);
    // A long name gets a short one, as it must fit the record.
    const std::string longName = dir.File("a-very-long-icon-name.ICO");
    std::ofstream(longName) << "long";
    EXPECT_EQ(LoadInIcon(longName, icons).icon, "a-very~1.ICO");
    EXPECT_EQ(LoadInIcon(dir.File("cat.png"), icons).message->text, "Invalid file type selected.");
    EXPECT_EQ(LoadInIcon(dir.File("none.ico"), icons).message->text, "Icon could not be opened.");
}

} // namespace
