#pragma once
// `TDoScripting` ("Macro Scripting Editor"): a macro as a list of script lines, one per
// command, each made and changed through its command's dialog, with the macro's
// properties above. "&Ok" turns the script back into macro text.

#include "engine/core/MacroRecord.h"
#include "engine/editing/MacroEditor.h"
#include "engine/editing/ScriptEditor.h"
#include "ui/editing/MacroProperties.h"

#include <QDialog>

#include <functional>
#include <map>
#include <optional>
#include <string>

class QListWidget;
class QPushButton;

namespace kv::ui {

class TDoWizard;

struct ScriptingParts : EditorParts {
    // The dialog of a command for a new line (`existing` null) or an edited one; the line
    // it made, none when it was cancelled.
    std::function<std::optional<ScriptLine>(Command, const ScriptLine* existing)> lineDialog;
    // "&Try": plays macro text into the window that was in front before Keyvane's own and
    // brings the editor back afterwards. Without it the editor has no Try button.
    std::function<void(const std::string& text, const std::string& nickname)> tryScript;
};

class TDoScripting : public QDialog {
public:
    TDoScripting(const ScriptingParts& parts, const EditorState& state, MacroRecord& rec,
                 QWidget* parent = nullptr);

    // "&Add", "Insert &Before", "Insert A&fter" with the command chosen in `OptionBox`.
    void AddALine(ScriptEditor::InsertMode mode);
    void DoEditClick();
    void DoDeleteClick();
    void DoCopyClick();
    // "Wi&zard" (Alt+Z): the Scripting Wizard on this script.
    void WizardClick();
    // "&Try": the highlighted lines when several are, else the whole script, played as
    // they stand.
    void TryClick();
    void OkButtonClick();
    // Tests work the wizard here instead of showing it.
    std::function<void(TDoWizard&)> wizardShown;

    QListWidget* OptionBox() const { return options_; }
    QListWidget* Script() const { return script_; }
    MacroProperties* Properties() const { return props_; }
    QPushButton* Button(const char* name) const;
    ScriptEditor& Editor() { return editor_; }

private:
    // The list rebuilt from the editor, then the buttons.
    void Refresh();
    void EnableDisable();
    void DoCaption();

    ScriptingParts parts_;
    EditorState state_;
    MacroRecord& rec_;
    ScriptEditor editor_;
    MacroProperties* props_;
    QListWidget* options_;
    QListWidget* script_;
    bool refreshing_ = false;
    std::map<std::string, QPushButton*, std::less<>> buttons_;
};

} // namespace kv::ui
