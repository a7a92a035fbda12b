// The scripting editor's list: insert positions and selection, the line commands, the
// buttons enabled, indentation, undo and redo.

#include "engine/editing/ScriptEditor.h"

#include "engine/editing/ScriptView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kv;

namespace {

ScriptLine Line(const std::string& macroText) {
    return BuildTheScript(macroText).front();
}

// The lines as their display texts, the selected one marked with "*".
std::vector<std::string> Shown(const ScriptEditor& e) {
    std::vector<std::string> out;
    for (std::size_t i = 0; i < e.Lines().size(); ++i)
        out.push_back((static_cast<int>(i) == e.Selected() ? "*" : "") + e.Lines()[i].text);
    return out;
}

TEST(ScriptEditor, NewLinesGoWhereTheModeSaysAndTheSelectionFollowsTheRules) {
    using Mode = ScriptEditor::InsertMode;
    const struct {
        std::vector<std::string> start; // macro texts, one per line
        int selected;
        Mode mode;
        std::vector<std::string> expected;
    } cases[] = {
        {{}, ScriptEditor::kNone, Mode::AtEnd, {"*Remark: new"}},
        {{}, ScriptEditor::kNone, Mode::Before, {"*Remark: new"}},
        {{}, ScriptEditor::kNone, Mode::After, {"*Remark: new"}},
        {{"<REM:a>", "<REM:b>"}, 0, Mode::AtEnd, {"Remark: a", "Remark: b", "*Remark: new"}},
        {{"<REM:a>", "<REM:b>"}, 1, Mode::Before, {"Remark: a", "*Remark: new", "Remark: b"}},
        {{"<REM:a>", "<REM:b>"}, 0, Mode::After, {"Remark: a", "*Remark: new", "Remark: b"}},
        // With nothing selected, before means the top and after means after the first line.
        {{"<REM:a>", "<REM:b>"},
         ScriptEditor::kNone,
         Mode::Before,
         {"*Remark: new", "Remark: a", "Remark: b"}},
        {{"<REM:a>", "<REM:b>"},
         ScriptEditor::kNone,
         Mode::After,
         {"Remark: a", "*Remark: new", "Remark: b"}},
    };
    for (const auto& c : cases) {
        std::vector<ScriptLine> lines;
        for (const std::string& t : c.start)
            lines.push_back(Line(t));
        ScriptEditor e(lines);
        e.Select(c.selected);
        e.Insert(c.mode, Line("<REM:new>"));
        EXPECT_EQ(Shown(e), c.expected) << static_cast<int>(c.mode) << " " << c.selected;
    }
}

TEST(ScriptEditor, LineCommandsButtonsAndIndents) {
    ScriptEditor e(BuildTheScript("<REM:a><REM:b><REM:c>"));
    EXPECT_EQ(e.Delete(), ScriptEditor::NoLineSelected());
    EXPECT_EQ(e.Duplicate(), ScriptEditor::NoLineSelected());
    EXPECT_FALSE(e.EnableDisable().edit);

    e.Select(2);
    EXPECT_FALSE(e.EnableDisable().down);
    EXPECT_TRUE(e.EnableDisable().up);
    // The copy goes above and the selection stays on the copied (still last) line.
    EXPECT_FALSE(e.Duplicate());
    EXPECT_EQ(Shown(e),
              (std::vector<std::string>{"Remark: a", "Remark: b", "Remark: c", "*Remark: c"}));
    EXPECT_FALSE(e.Delete()); // the last line: the new last one is selected
    EXPECT_EQ(e.Selected(), 2);
    e.Up();
    EXPECT_EQ(Shown(e), (std::vector<std::string>{"Remark: a", "*Remark: c", "Remark: b"}));
    e.Down();
    e.Down(); // already last
    EXPECT_EQ(Shown(e), (std::vector<std::string>{"Remark: a", "Remark: b", "*Remark: c"}));
    e.Move(2, 0);
    EXPECT_EQ(Shown(e), (std::vector<std::string>{"*Remark: c", "Remark: a", "Remark: b"}));

    // One line: Up and Down both off once it is selected.
    ScriptEditor one(BuildTheScript("<REM:x>"));
    one.Select(0);
    EXPECT_FALSE(one.EnableDisable().up);
    EXPECT_FALSE(one.EnableDisable().down);
    EXPECT_TRUE(one.EnableDisable().remove);

    // A repeat block indents what is inside it, whatever order the lines came in.
    ScriptEditor block;
    block.Insert(ScriptEditor::InsertMode::AtEnd, Line("<REPEAT:0002>"));
    block.Insert(ScriptEditor::InsertMode::AtEnd, Line("<ENDREP>"));
    block.Select(0);
    block.Insert(ScriptEditor::InsertMode::After, Line("<REM:inside>"));
    EXPECT_EQ(block.Lines()[1].text.substr(0, 3), "   ");
    EXPECT_EQ(block.MacroText().text, "<REPEAT:0002><REM:inside><ENDREP>");
}

TEST(ScriptEditor, UndoAndRedoOneStepPerChange) {
    ScriptEditor e(BuildTheScript("<REM:a>"));
    EXPECT_FALSE(e.CanUndo());
    e.Insert(ScriptEditor::InsertMode::AtEnd, Line("<REM:b>"));
    e.Select(0);
    e.Replace(Line("<REM:A>"));
    e.Duplicate();
    EXPECT_EQ(e.MacroText().text, "<REM:A><REM:A><REM:b>");
    e.Undo();
    EXPECT_EQ(e.MacroText().text, "<REM:A><REM:b>");
    e.Undo();
    EXPECT_EQ(e.MacroText().text, "<REM:a><REM:b>");
    EXPECT_TRUE(e.CanRedo());
    e.Redo();
    EXPECT_EQ(e.MacroText().text, "<REM:A><REM:b>");
    EXPECT_EQ(e.Selected(), 0);
    // A new change forgets what could be redone.
    e.Delete();
    EXPECT_FALSE(e.CanRedo());
    e.Undo();
    e.Undo();
    e.Undo();
    EXPECT_EQ(e.MacroText().text, "<REM:a>");
    EXPECT_FALSE(e.CanUndo());
}

TEST(ScriptEditor, AnOverlongScriptIsCutWithTheMessage) {
    ScriptEditor e(BuildTheScript(std::string(4990, 'x')));
    e.Insert(ScriptEditor::InsertMode::AtEnd, Line("<REM:" + std::string(10, 'y') + ">"));
    const ScriptText t = e.MacroText();
    EXPECT_EQ(t.text.size(), 5000u);
    ASSERT_TRUE(t.truncated);
}

} // namespace
