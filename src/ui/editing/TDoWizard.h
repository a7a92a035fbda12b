#pragma once
// `TDoWizard` ("Scripting Wizard"): sixteen buttons, each adding one line at the end of the
// scripting editor's script through its command's dialog, so that a macro can be built step
// by step without knowing the commands' names.

#include "engine/editing/ScriptCommands.h"
#include "engine/ports/Prompts.h"

#include <QDialog>

#include <functional>

namespace kv::ui {

class TDoWizard : public QDialog {
public:
    // `addLine` opens the command's dialog for a new last line; true when a line was added.
    TDoWizard(Prompts& prompts, std::function<bool(Command)> addLine, QWidget* parent = nullptr);

    // The button of this preset command.
    void Step(Command command);

private:
    void AddMessage();

    Prompts& prompts_;
    std::function<bool(Command)> addLine_;
};

} // namespace kv::ui
