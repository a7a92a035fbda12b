#pragma once
// What the command dialogs' windows share: radio buttons and fields named as the engine's
// checks name them, "&Ok" and "&Cancel", and the engine's answer shown: a message (or a
// question) with the focus on the control it names, or the confirmed command.

#include "engine/core/DateTime.h"
#include "engine/core/Settings.h"
#include "engine/editing/CommandDialog.h"
#include "engine/ports/Prompts.h"

#include <QDialog>

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QLineEdit;
class QVBoxLayout;

namespace kv::ui {

class CommandForm : public QDialog {
public:
    CommandForm(const QString& caption, Prompts& prompts, QWidget* parent = nullptr);

    struct Choice {
        const char* name;
        const char* caption;
        int value;
    };
    // A group of radio buttons; the one whose value is `checked` starts checked.
    QButtonGroup* Radios(std::initializer_list<Choice> choices, int checked);
    QLineEdit* Edit(const char* name, const QString& label, int maxLength = 255,
                    const QString& text = {});
    QCheckBox* Check(const char* name, const QString& caption, bool on);
    // Any other control, added below the others.
    void Add(QWidget* widget);
    // "&Browse" beside a path field.
    void Browse(QLineEdit* field, const QString& filter, const QString& title);

    std::string Text(const char* name) const;
    static int Value(const QButtonGroup* group);

    // What "&Ok" asks of the engine; adds the "&Ok" / "&Cancel" row. A refusal is shown and
    // the dialog stays; a question answered No calls `ok` again with true (the dialogs where
    // No accepts).
    void SetOk(std::function<CommandOutcome(bool answeredNo)> ok);
    void OkButtonClick();
    // The confirmed command, once "&Ok" accepted it.
    const std::optional<CommandResult>& Result() const { return result_; }

private:
    Prompts& prompts_;
    QVBoxLayout* layout_;
    std::function<CommandOutcome(bool)> ok_;
    std::optional<CommandResult> result_;
};

// The commands the direct editor's buttons and "&Actions" menu open, in their order.
enum class DirectCommand {
    Date,
    Time,
    Symbols,
    Delay,
    Pause,
    Repeat,
    Speed,
    Activate,
    Sound,
    SwapFile,
    LoadText,
    SizePos,
    System,
    Mouse,
    Clipboard,
    Remark,
    KeyUpDown,
    WebSite,
    Ftp,
    FileCommands,
};
struct DirectCommandEntry {
    DirectCommand command;
    const char* caption; // the button's
    const char* menu;    // the "&Actions" menu's, with its letter
};
const std::vector<DirectCommandEntry>& DirectCommands();

// What the dialogs need besides their controls.
struct CommandDialogContext {
    Prompts& prompts;
    const PathChecks& paths;
    Settings& settings; // the date and time dialog remembers its last choices there
    DateTime now;       // the date and time formats show their examples for it
};

// The dialog of a command for a new line; the command when it was confirmed. With `drive`
// the dialog is not shown: `drive` works its controls instead (tests).
std::optional<CommandResult> RunCommandDialog(DirectCommand command,
                                              const CommandDialogContext& context, QWidget* parent,
                                              const std::function<void(CommandForm&)>& drive = {});

// The same dialog filled from a line record (`existing`: an edited line; none: the command's
// default record, which preselects it among the commands that share the dialog).
std::optional<CommandResult> RunCommandDialog(DirectCommand command, const LineRecord* record,
                                              Command lineCommand,
                                              const CommandDialogContext& context, QWidget* parent,
                                              const std::function<void(CommandForm&)>& drive = {});

// The dialog a script command is made with; none for "Text", which the text editor makes.
std::optional<DirectCommand> DialogOf(Command command);
std::optional<CommandResult> RunLineDialog(Command command, const LineRecord* existing,
                                           const CommandDialogContext& context, QWidget* parent,
                                           const std::function<void(CommandForm&)>& drive = {});

} // namespace kv::ui
