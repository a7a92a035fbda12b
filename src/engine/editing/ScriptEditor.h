#pragma once
// The script list of the scripting editor (`TDoScripting`) without its window: where a new
// line goes and which line is selected after each operation, which buttons are enabled,
// the indentation kept right, and undo and redo of every change.

#include "engine/editing/EditorMessage.h"
#include "engine/editing/LineRecords.h"
#include "engine/editing/TagWriter.h"

#include <optional>
#include <vector>

namespace kv {

class ScriptEditor {
public:
    static constexpr int kNone = -1;

    explicit ScriptEditor(std::vector<ScriptLine> lines = {});

    const std::vector<ScriptLine>& Lines() const { return lines_; }
    int Selected() const { return selected_; }
    void Select(int index);

    // "&Add" (at the end), "Insert &Before" and "Insert &After" the selected line.
    enum class InsertMode { AtEnd = 1, Before = 2, After = 3 };
    void Insert(InsertMode mode, ScriptLine line);
    // An edited line takes the place of the selected one.
    void Replace(ScriptLine line);
    // "&Delete" and "D&uplicate" (the copy goes above the line; the selection stays on the
    // copied line). Without a selected line: the message, and nothing changes.
    std::optional<EditorMessage> Delete();
    std::optional<EditorMessage> Duplicate();
    // "&Up" / "&Down", and a line dragged from one place to another.
    void Up();
    void Down();
    void Move(int from, int to);

    // `EnableDisable`
    struct Enabled {
        bool up = false;
        bool down = false;
        bool copy = false;
        bool edit = false;
        bool remove = false;
    };
    Enabled EnableDisable() const;

    // One step per add, edit, delete, duplicate or move.
    bool CanUndo() const { return !undo_.empty(); }
    bool CanRedo() const { return !redo_.empty(); }
    void Undo();
    void Redo();

    // The macro text the script writes (`OkButtonClick`), cut to the limit with the message.
    ScriptText MacroText() const { return ScriptToMacroText(lines_); }

    static EditorMessage NoLineSelected();

private:
    struct State {
        std::vector<ScriptLine> lines;
        int selected;
    };
    void Change(); // before every change: the undo step
    void Changed();

    std::vector<ScriptLine> lines_;
    int selected_ = kNone;
    std::vector<State> undo_;
    std::vector<State> redo_;
};

} // namespace kv
