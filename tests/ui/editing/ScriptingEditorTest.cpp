// The scripting editor driven through its controls: the script shown, lines added, edited,
// removed and undone through their dialogs (stood in for here), and "&Ok".

#include "ui/editing/TDoScripting.h"
#include "ui/editing/TDoWizard.h"

#include "engine/editing/ScriptCommands.h"
#include "engine/editing/ScriptView.h"
#include "platform/fake/RecordingPrompts.h"
#include "ui/support/QStringPrinter.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::ui;

namespace {

class ScriptingEditorTest : public ::testing::Test {
protected:
    ScriptingParts Parts() {
        return {{prompts, [] { return DateTime{2026, 12, 10, 9, 0, 0, 0}; }, {}, {}, "", {}},
                [this](Command c, const ScriptLine* existing) -> std::optional<ScriptLine> {
                    asked.push_back(std::string(CommandName(c)) + (existing ? " edit" : " new"));
                    if (answer.empty())
                        return std::nullopt;
                    return BuildTheScript(answer).front();
                },
                [this](const std::string& text, const std::string& nickname) {
                    tried.push_back(nickname + ": " + text);
                }};
    }
    std::vector<std::string> Lines(const TDoScripting& e) {
        std::vector<std::string> out;
        for (int i = 0; i < e.Script()->count(); ++i)
            out.push_back(e.Script()->item(i)->text().toStdString());
        return out;
    }
    void Choose(TDoScripting& e, const char* command) {
        const auto found = e.OptionBox()->findItems(QString::fromLatin1(command), Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1);
        e.OptionBox()->setCurrentItem(found.front());
    }
    fake::RecordingPrompts prompts;
    std::vector<std::string> asked;
    std::vector<std::string> tried;
    std::string answer = "<REM:new>";
};

TEST_F(ScriptingEditorTest, TheScriptIsEditedThroughTheCommandsDialogsAndSaved) {
    MacroRecord rec;
    rec.nickname = "Loop";
    rec.text = "<REM:a><REPEAT:0002>b<ENDREP>";
    TDoScripting e(Parts(), {true, EditorKind::HotKey, false, "F5"}, rec);
    EXPECT_EQ(e.windowTitle(), "Macro Scripting Editor  (GLOBAL)");
    EXPECT_EQ(e.OptionBox()->count(), kCommandCount);
    EXPECT_EQ(e.OptionBox()->item(0)->text(), "Activate Window"); // alphabetical
    const std::vector<std::string> start = Lines(e);
    ASSERT_EQ(start.size(), 4u);
    EXPECT_EQ(start[2].substr(0, 3), "   "); // inside the repeat
    EXPECT_FALSE(e.Button("DoEdit")->isEnabled());

    // No command chosen yet.
    e.AddALine(ScriptEditor::InsertMode::AtEnd);
    Choose(e, "Remark");
    e.Script()->setCurrentRow(2);
    e.Button("InsertAfter")->click();
    EXPECT_EQ(Lines(e)[3], "   Remark: new");
    EXPECT_EQ(e.Script()->currentRow(), 3);
    answer = "<REM:changed>";
    e.Button("DoEdit")->click();
    EXPECT_EQ(Lines(e)[3], "   Remark: changed");
    e.Script()->setCurrentRow(0);
    e.Button("DoDelete")->click();
    EXPECT_EQ(Lines(e).size(), 4u);
    e.Button("UndoButton")->click();
    EXPECT_EQ(Lines(e).size(), 5u);
    EXPECT_EQ(asked, (std::vector<std::string>{"Remark new", "Remark edit"}));

    e.Properties()->NickName()->setText("Loop twice");
    e.OkButtonClick();
    EXPECT_EQ(e.result(), QDialog::Accepted);
    EXPECT_EQ(rec.text, "<REM:a><REPEAT:0002>b<REM:changed><ENDREP>");
    EXPECT_EQ(rec.nickname, "Loop twice");
    EXPECT_EQ(prompts.Records().size(), 1u); // "No command selected."
    EXPECT_EQ(prompts.Records().front().text, "No command selected.  Please select one.");
}

TEST_F(ScriptingEditorTest, ANewMacroStartsEmptyAndACancelledDialogAddsNothing) {
    MacroRecord rec;
    rec.text = "left over";
    TDoScripting e(Parts(), {false, EditorKind::Timed, false, ""}, rec);
    EXPECT_EQ(e.Script()->count(), 0);
    Choose(e, "Remark");
    answer.clear();
    e.Button("AddButton")->click();
    EXPECT_EQ(e.Script()->count(), 0);
    e.DoEditClick();
    EXPECT_EQ(prompts.Records().back().text, "No Item Selected.");
    e.OkButtonClick();
    EXPECT_EQ(rec.text, "");
}

TEST_F(ScriptingEditorTest, TheWizardAddsAtTheEndAndAsksWhetherToGoOn) {
    MacroRecord rec;
    rec.text = "<REM:a><REM:b>";
    TDoScripting e(Parts(), {true, EditorKind::HotKey, false, "F5"}, rec);
    e.Script()->setCurrentRow(0);
    bool stayedOpen = false;
    e.wizardShown = [&](TDoWizard& w) {
        EXPECT_EQ(w.windowTitle(), "Scripting Wizard");
        answer = "<REM:w>";
        prompts.QueueAnswer(true); // go on
        w.findChild<QPushButton*>("RemarkSpeed")->click();
        stayedOpen = w.result() != QDialog::Accepted;
        answer.clear(); // a cancelled dialog: no line, no question
        w.findChild<QPushButton*>("DelaySpeed")->click();
        answer = "<REM:x>"; // and No ends the wizard
        w.findChild<QPushButton*>("RemarkSpeed")->click();
        EXPECT_EQ(w.result(), QDialog::Accepted);
    };
    e.Button("WizardButton")->click();
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(Lines(e),
              (std::vector<std::string>{"Remark: a", "Remark: b", "Remark: w", "Remark: x"}));
    EXPECT_EQ(e.Script()->currentRow(), 3);
    EXPECT_EQ(asked, (std::vector<std::string>{"Remark new", "Delay new", "Remark new"}));
    ASSERT_EQ(prompts.Records().size(), 2u);
    EXPECT_EQ(prompts.Records()[0].text, "Macro object successfully added.  Continue with wizard?");
    EXPECT_EQ(prompts.Records()[0].caption, "Added");
}

// "&Try" plays the whole script, or only the lines highlighted with Shift or Ctrl; the
// current line alone is where the buttons work, not a choice of what to play.
TEST_F(ScriptingEditorTest, TryPlaysTheScriptOrTheHighlightedLines) {
    MacroRecord rec;
    rec.nickname = "Greet";
    rec.text = "<REM:a>hello<DELAY:02.00><REM:b>";
    TDoScripting e(Parts(), {true, EditorKind::HotKey, false, "F5"}, rec);
    QPushButton* tryButton = e.Button("TryButton");
    ASSERT_NE(tryButton, nullptr);
    EXPECT_EQ(tryButton->text(), "&Try");
    e.Script()->setCurrentRow(1);
    tryButton->click();
    auto* selection = e.Script()->selectionModel();
    const QAbstractItemModel* model = e.Script()->model();
    selection->select(model->index(3, 0), QItemSelectionModel::Select);
    selection->select(model->index(1, 0), QItemSelectionModel::Select);
    tryButton->click();
    EXPECT_EQ(tried, (std::vector<std::string>{"Greet: <REM:a>hello<DELAY:02.00><REM:b>",
                                               "Greet: hello<REM:b>"}));
    EXPECT_TRUE(tryButton->isEnabled());
    // Selecting lines never changes the script.
    EXPECT_EQ(Lines(e).size(), 4u);

    // Nothing to play; and in a timed macro Alt+T stays with "Se&t Schedule".
    MacroRecord empty;
    TDoScripting timed(Parts(), {false, EditorKind::Timed, false, ""}, empty);
    timed.Button("TryButton")->click();
    EXPECT_EQ(tried.size(), 2u);
    EXPECT_EQ(prompts.Records().back().text,
              "There is nothing to try.  Add a line to the script first.");
    EXPECT_EQ(timed.Button("TryButton")->text(), "Tr&y");
    // No one to play for: no button.
    ScriptingParts parts = Parts();
    parts.tryScript = {};
    EXPECT_EQ(TDoScripting(parts, {}, empty).Button("TryButton"), nullptr);
}

} // namespace
