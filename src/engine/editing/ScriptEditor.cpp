#include "engine/editing/ScriptEditor.h"

#include "engine/editing/ScriptView.h"

#include <algorithm>
#include <utility>

namespace kv {

ScriptEditor::ScriptEditor(std::vector<ScriptLine> lines) : lines_(std::move(lines)) {
    SetIndents(lines_);
}

EditorMessage ScriptEditor::NoLineSelected() {
    return {"No script line selected.  Please select one.", std::string(kErrorCaption)};
}

void ScriptEditor::Select(int index) {
    selected_ = index >= 0 && index < static_cast<int>(lines_.size()) ? index : kNone;
}

void ScriptEditor::Change() {
    undo_.push_back({lines_, selected_});
    redo_.clear();
}

void ScriptEditor::Changed() {
    SetIndents(lines_);
}

void ScriptEditor::Insert(InsertMode mode, ScriptLine line) {
    Change();
    const int saved = std::max(selected_, 0);
    const int count = static_cast<int>(lines_.size());
    const int at = mode == InsertMode::AtEnd    ? count
                   : mode == InsertMode::Before ? std::min(saved, count)
                                                : (count == 0 ? 0 : std::min(saved + 1, count));
    lines_.insert(lines_.begin() + at, std::move(line));
    // Where the selection goes is the editor's own rule: after "Insert After" on a list of
    // one line it is the first line.
    selected_ = mode == InsertMode::AtEnd              ? count
                : mode == InsertMode::Before           ? saved
                : static_cast<int>(lines_.size()) == 1 ? 0
                                                       : saved + 1;
    Select(selected_);
    Changed();
}

void ScriptEditor::Replace(ScriptLine line) {
    if (selected_ == kNone)
        return;
    Change();
    lines_[static_cast<std::size_t>(selected_)] = std::move(line);
    Changed();
}

std::optional<EditorMessage> ScriptEditor::Delete() {
    if (selected_ == kNone)
        return NoLineSelected();
    Change();
    lines_.erase(lines_.begin() + selected_);
    // The same index, or the new last line.
    Select(std::min(selected_, static_cast<int>(lines_.size()) - 1));
    Changed();
    return std::nullopt;
}

std::optional<EditorMessage> ScriptEditor::Duplicate() {
    if (selected_ == kNone)
        return NoLineSelected();
    Change();
    const ScriptLine copy = lines_[static_cast<std::size_t>(selected_)];
    lines_.insert(lines_.begin() + selected_, copy);
    selected_ += 1;
    Changed();
    return std::nullopt;
}

void ScriptEditor::Move(int from, int to) {
    const int count = static_cast<int>(lines_.size());
    if (from < 0 || from >= count || to < 0 || to >= count || from == to)
        return;
    Change();
    ScriptLine line = std::move(lines_[static_cast<std::size_t>(from)]);
    lines_.erase(lines_.begin() + from);
    lines_.insert(lines_.begin() + to, std::move(line));
    selected_ = to;
    Changed();
}

void ScriptEditor::Up() {
    if (selected_ > 0)
        Move(selected_, selected_ - 1);
}

void ScriptEditor::Down() {
    if (selected_ != kNone)
        Move(selected_, selected_ + 1);
}

ScriptEditor::Enabled ScriptEditor::EnableDisable() const {
    Enabled e;
    if (selected_ == kNone)
        return e;
    e.copy = e.edit = e.remove = true;
    e.up = selected_ > 0;
    e.down = selected_ < static_cast<int>(lines_.size()) - 1;
    return e;
}

void ScriptEditor::Undo() {
    if (undo_.empty())
        return;
    redo_.push_back({lines_, selected_});
    lines_ = std::move(undo_.back().lines);
    selected_ = undo_.back().selected;
    undo_.pop_back();
}

void ScriptEditor::Redo() {
    if (redo_.empty())
        return;
    undo_.push_back({lines_, selected_});
    lines_ = std::move(redo_.back().lines);
    selected_ = redo_.back().selected;
    redo_.pop_back();
}

} // namespace kv
