// Add Macro and the direct editor, driven through their controls on the offscreen platform.

#include "ui/editing/ScopeChooser.h"
#include "ui/editing/TAddNewHotKey.h"
#include "ui/editing/TModHotKeys.h"

#include "engine/activation/HotKeys.h"
#include "engine/core/Limits.h"
#include "platform/fake/RecordingPrompts.h"
#include "support/TempDir.h"
#include "ui/activation/HotKeyBox.h"
#include "ui/support/QStringPrinter.h"

#include <QImage>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

using namespace kv;
using namespace kv::ui;

namespace {

const DateTime kNow{2026, 12, 10, 9, 30, 0, 0};

int Code(const char* name) {
    return HotKeyFromName(name).value();
}

std::vector<std::string> Messages(const fake::RecordingPrompts& prompts) {
    std::vector<std::string> m;
    for (const auto& r : prompts.Records())
        m.push_back(r.text + " [" + r.caption + "]");
    return m;
}

class DirectEditorTest : public ::testing::Test {
protected:
    DirectEditorParts Parts() {
        return {{prompts, [] { return kNow; },
                 [this](bool program, std::string& name, std::uint8_t& topMost) {
                     chooserAsked = program ? "program" : "window";
                     name = chosen;
                     topMost = 0;
                     return true;
                 },
                 [this](ScheduleBlock&) { ++schedules; }, dir.File("Icons"),
                 [this](const std::string&) { return pickedIcon; }},
                [this](DirectCommand c) {
                    commands.push_back(c);
                    return commandTag;
                }};
    }
    fake::RecordingPrompts prompts;
    std::string chosen = "Mail";
    std::string chooserAsked;
    int schedules = 0;
    std::vector<DirectCommand> commands;
    test::TempDir dir;
    std::string pickedIcon;
    std::string commandTag = "<DELAY:02.00>";
};

TEST_F(DirectEditorTest, KeysGoInAtTheCaretAndUpdateWritesTheRecord) {
    MacroRecord rec;
    StartNewRecord(rec, {AddKind::HotKey, Code("Ctrl+G"), ""}, kNow);
    const EditorState state{false, EditorKind::HotKey, false, "Ctrl+G"};
    TModHotKeys editor(Parts(), state, &rec, "", nullptr);
    EXPECT_EQ(editor.windowTitle(), "Modify Hot Key  (GLOBAL)");
    EXPECT_FALSE(editor.Properties()->ChooseWinProg()->isEnabled());
    editor.Text()->setPlainText("ab");
    QTextCursor c = editor.Text()->textCursor();
    c.setPosition(1);
    editor.Text()->setTextCursor(c);
    editor.KeyButton("Enter")->click();
    editor.MiscBox()->setCurrentRow(2); // Application
    editor.findChild<QPushButton*>("MiscOk")->click();
    EXPECT_EQ(editor.Text()->toPlainText(), "a<ENTER><APP>b");
    editor.Text()->insertPlainText("\t");
    editor.Properties()->NickName()->setText("Greeting");
    editor.Properties()->Specific()->setChecked(true);
    EXPECT_TRUE(editor.Properties()->ChooseWinProg()->isEnabled());
    editor.Properties()->ChooseWinProg()->click();
    EXPECT_EQ(chooserAsked, "window");
    EXPECT_EQ(editor.windowTitle(), "Modify Hot Key  (Window Title: Mail)");
    editor.UpdateButtonClick();
    EXPECT_EQ(editor.result(), QDialog::Accepted);
    EXPECT_EQ(rec.text, "a<ENTER><APP><TAB>b");
    EXPECT_EQ(rec.nickname, "Greeting");
    EXPECT_EQ(rec.scope, 2);
    EXPECT_EQ(rec.scopeName, "Mail");
    EXPECT_EQ(rec.topMostOnly, 0);
    EXPECT_EQ(rec.activation, Code("Ctrl+G"));
    EXPECT_DOUBLE_EQ(rec.lastModified, ToDayCount(kNow));
    EXPECT_TRUE(prompts.Records().empty());
}

TEST_F(DirectEditorTest, ACommandButtonInsertsTheTagItsDialogMade) {
    MacroRecord rec;
    TModHotKeys editor(Parts(), {true, EditorKind::HotKey, false, "F5"}, &rec, "ab", nullptr);
    editor.KeyButton("DELAY")->click();
    commandTag.clear(); // the dialog is cancelled: nothing goes in
    editor.KeyButton("REMARK")->click();
    EXPECT_EQ(editor.Text()->toPlainText(), "<DELAY:02.00>ab"); // at the caret
    EXPECT_EQ(commands, (std::vector<DirectCommand>{DirectCommand::Delay, DirectCommand::Remark}));
}

TEST_F(DirectEditorTest, TheIconButtonTakesAnIconIntoTheFolderAndARightClickResetsIt) {
    pickedIcon = dir.File("cat.ico");
    QImage picture(16, 16, QImage::Format_ARGB32);
    picture.fill(Qt::red);
    ASSERT_TRUE(picture.save(QString::fromStdString(pickedIcon), "ICO"));
    MacroRecord rec;
    StartNewRecord(rec, {AddKind::Timed, -1, ""}, kNow);
    TModHotKeys editor(Parts(), {false, EditorKind::Timed, false, ""}, &rec, "", nullptr);
    editor.Properties()->IconButton()->click();
    EXPECT_TRUE(std::filesystem::exists(dir.File("Icons/cat.ico")));
    editor.UpdateButtonClick();
    EXPECT_EQ(rec.icon, "cat.ico");

    TModHotKeys again(Parts(), {true, EditorKind::Timed, false, ""}, &rec, "", nullptr);
    prompts.QueueAnswer(true);
    again.Properties()->ResetIcon();
    again.UpdateButtonClick();
    EXPECT_EQ(rec.icon, "MAIN");
    EXPECT_EQ(Messages(prompts),
              std::vector<std::string>{"Reset icon to program default? [Confirm]"});
}

TEST_F(DirectEditorTest, TheLimitRefusesAnInsertionAndCutsAnOverlongText) {
    MacroRecord rec;
    TModHotKeys editor(Parts(), {true, EditorKind::HotKey, false, "F5"}, &rec,
                       std::string(4997, 'x'), nullptr);
    editor.KeyButton("Tab")->click();
    editor.InsertTag("<F1>");
    EXPECT_EQ(editor.Text()->toPlainText().size(), 4997);
    editor.Text()->setPlainText(QString(5001, QLatin1Char('y')));
    editor.UpdateButtonClick();
    EXPECT_EQ(rec.text, std::string(5000, 'y'));
    EXPECT_EQ(Messages(prompts),
              (std::vector<std::string>{
                  "Text exceeds maximum length.  Text not added. [Error]",
                  "Text exceeds maximum length.  Text not added. [Error]",
                  "The size of the macro exceeds the 5000 character limit.  The macro will be "
                  "truncated to 5000 characters. [Error]"}));
}

TEST_F(DirectEditorTest, HeadersScopesAndTheTypewordCheck) {
    // A hot key a GLOBAL macro has: the window scope is forced.
    MacroRecord rec;
    StartNewRecord(rec, {AddKind::HotKey, Code("Ctrl+A"), ""}, kNow);
    TModHotKeys forced(Parts(), {false, EditorKind::HotKey, true, "Ctrl+A"}, &rec, "", nullptr);
    EXPECT_FALSE(forced.Properties()->Global()->isEnabled());
    EXPECT_TRUE(forced.Properties()->Specific()->isChecked());

    MacroRecord timed;
    StartNewRecord(timed, {AddKind::Timed, -1, ""}, kNow);
    TModHotKeys timer(Parts(), {false, EditorKind::Timed, false, ""}, &timed, "", nullptr);
    timer.findChild<QPushButton*>("SetSchedule")->click();
    EXPECT_EQ(schedules, 1);

    MacroRecord sig;
    StartNewRecord(sig, {AddKind::Typeword, -1, "sig"}, kNow);
    TModHotKeys typeword(Parts(), {false, EditorKind::Typeword, false, "sig"}, &sig, "", nullptr);
    EXPECT_EQ(typeword.Properties()->TypewordName()->text(), "sig");
    typeword.Properties()->TypewordName()->setText("it's");
    typeword.Properties()->ProgExe()->setChecked(true);
    typeword.UpdateButtonClick();
    EXPECT_NE(typeword.result(), QDialog::Accepted);
    typeword.Properties()->TypewordName()->setText(" yrs ");
    typeword.UpdateButtonClick();
    EXPECT_EQ(typeword.result(), QDialog::Accepted);
    EXPECT_EQ(sig.typeword, "yrs");
    EXPECT_EQ(sig.scope, 3);
    ASSERT_EQ(prompts.Records().size(), 1u);
    EXPECT_EQ(prompts.Records()[0].text.substr(0, 47),
              "The Typeword name has invalid characters in it.");
}

TEST_F(DirectEditorTest, TheTextEditorHandsOnTheWholeText) {
    TModHotKeys editor(Parts(), {}, nullptr, "a\tb", nullptr);
    EXPECT_EQ(editor.windowTitle(), "Enter Keystrokes");
    EXPECT_EQ(editor.Properties(), nullptr);
    editor.UpdateButtonClick();
    EXPECT_EQ(editor.Result(), "a<TAB>b");
    // Esc in the text closes without saving.
    TModHotKeys escaped(Parts(), {}, nullptr, "x", nullptr);
    QTest::keyClick(escaped.Text(), Qt::Key_Escape);
    EXPECT_EQ(escaped.result(), QDialog::Rejected);
    EXPECT_EQ(escaped.Result(), "");
}

class AddMacroDialogTest : public ::testing::Test {
protected:
    AddMacroDialogTest() {
        block.SetMacroCount(1);
        block.SetActivation(1, static_cast<std::uint16_t>(Code("Ctrl+A")));
        block.SetScope(1, static_cast<std::uint16_t>(Scope::Global));
    }
    AddMacroParts Parts() {
        return {block,
                prompts,
                [] { return kNow; },
                [this](const EditorState& state, MacroRecord& r) {
                    opened = state;
                    r.text = "made";
                    return editorSaves;
                },
                {},
                {},
                {},
                [this](bool on) { waits.push_back(on); }};
    }
    OwnedSharedBlock block;
    fake::RecordingPrompts prompts;
    EditorState opened{true, EditorKind::HotKey, false, "none"};
    bool editorSaves = true;
    std::vector<bool> waits;
};

TEST_F(AddMacroDialogTest, AHotKeyPressedOrChosenOpensTheEditorOnANewRecord) {
    MacroRecord rec;
    rec.nickname = "left over";
    TAddNewHotKey dialog(Parts(), rec);
    EXPECT_EQ(dialog.KeyList()->count(), kKeyHotKeyCodes);
    EXPECT_EQ(dialog.KeyList()->item(Code("Ctrl+A"))->text(), "Ctrl+A  (1 macro in use)");
    // Nothing chosen yet.
    dialog.EnterKeyButtonClick();
    // The box reports the key pressed in it; Ctrl+A is GLOBAL already: a window scope only.
    emit dialog.HotKeyEntry()->hotKeyPressed(Code("Ctrl+A"));
    EXPECT_EQ(dialog.HotKeyEntry()->text(), "Ctrl+A");
    EXPECT_EQ(dialog.KeyList()->currentRow(), Code("Ctrl+A"));
    EXPECT_TRUE(dialog.WindowScopeForced());
    dialog.EnterKeyButtonClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(opened.existing);
    EXPECT_TRUE(opened.windowScopeForced);
    EXPECT_EQ(opened.header, "Ctrl+A");
    EXPECT_EQ(rec.activation, Code("Ctrl+A"));
    EXPECT_EQ(rec.nickname, "");
    EXPECT_EQ(rec.text, "made");
    EXPECT_EQ(Messages(prompts),
              std::vector<std::string>{"No hot key selected.  Please select one. [Error]"});
}

TEST_F(AddMacroDialogTest, AReservedHotKeyIsAskedAboutAndNoKeepsTheDialog) {
    MacroRecord rec;
    TAddNewHotKey dialog(Parts(), rec);
    dialog.KeyList()->setCurrentRow(Code("Win+R"));
    dialog.EnterKeyButtonClick(); // the question is answered No
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(opened.header, "none");
    prompts.QueueAnswer(true);
    dialog.EnterKeyButtonClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(prompts.Records().size(), 2u);
    EXPECT_EQ(prompts.Records()[0].caption, "Warning");
    EXPECT_EQ(prompts.Records()[0].text, SystemReservedHotKeyQuestion(Code("Win+R")));
}

TEST_F(AddMacroDialogTest, TypewordsAndTimedMacros) {
    MacroRecord rec;
    TAddNewHotKey dialog(Parts(), rec);
    dialog.UseTypewords()->setChecked(true);
    EXPECT_TRUE(dialog.TypewordName()->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.KeyList()->isVisibleTo(&dialog));
    dialog.EnterKeyButtonClick();
    dialog.TypewordName()->setText(" sig");
    editorSaves = false; // the editor is cancelled: the dialog stays
    dialog.EnterKeyButtonClick();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(opened.kind, EditorKind::Typeword);
    EXPECT_EQ(rec.typeword, "sig");
    EXPECT_EQ(rec.activation, kActivationTypeword);
    dialog.TimedMacro()->setChecked(true);
    editorSaves = true;
    dialog.EnterKeyButtonClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(rec.activation, kActivationTimed);
    EXPECT_EQ(Messages(prompts), std::vector<std::string>{"No Typeword name entered. [Error]"});
    // Popup menus, capture and the scripting editor come with their own dialogs.
    EXPECT_FALSE(dialog.UsePopup()->isVisibleTo(&dialog));
}

TEST(SpecWindTest, ANameTypedOrTheHighlightedEntry) {
    fake::RecordingPrompts prompts;
    TDoSpecWind empty(false, "", true, {"Mail - Inbox", "Terminal"}, prompts);
    EXPECT_EQ(empty.windowTitle(), "Set Title");
    empty.OkButtonClick();
    EXPECT_EQ(Messages(prompts), std::vector<std::string>{
                                     "No window title has been entered.  Please correct. [Error]"});
    empty.ProgList()->setCurrentRow(0);
    prompts.QueueAnswer(true);
    empty.Running()->setChecked(true);
    empty.OkButtonClick();
    EXPECT_EQ(empty.result(), QDialog::Accepted);
    EXPECT_EQ(empty.Name(), "Mail - Inbox");
    EXPECT_FALSE(empty.TopMostOnly());
    EXPECT_EQ(prompts.Records().back().text,
              "No window title has been entered.  \"Mail - Inbox\" is currently highlighted.  "
              "Would you like to use it?");
}

} // namespace
