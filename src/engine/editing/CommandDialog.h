#pragma once
// What every command dialog's "&Ok" does: check the fields, then either produce the tag
// and the line it makes, or say what is wrong and which control gets the focus. The
// windows fill a fields struct from their controls, call OkButtonClick and show the answer.

#include "engine/editing/EditorMessage.h"
#include "engine/editing/LineRecords.h"
#include "engine/editing/ScriptDisplay.h"

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace kv {

// Why "&Ok" kept the dialog open. `focus` names the control to focus, by the control's
// name in the dialog ("Seconds", "TopCoord"). A question is asked with Yes and No.
struct DialogRefusal {
    EditorMessage message;
    std::string_view focus;
    bool question = false;
};

// A confirmed command: the tag for the direct editor, the line for the scripting editor.
struct CommandResult {
    std::string tag{};
    Command command = Command::Text;
    LineRecord record;
    CurrentWindowWording wording = CurrentWindowWording::Short;

    // The script line, its display text built as the script view builds it.
    ScriptLine Line() const;
};

template <class T>
using DialogOutcome = std::variant<T, DialogRefusal>;
using CommandOutcome = DialogOutcome<CommandResult>;

// The file system as the dialogs see it; the platform answers.
class PathChecks {
public:
    virtual ~PathChecks() = default;
    // The short (8.3) path of an existing file, or nothing when the file does not exist.
    // Systems without short names give the path itself.
    virtual std::optional<std::string> ShortFilePath(std::string_view path) const = 0;
    virtual bool DirectoryExists(std::string_view path) const = 0;
};

// Helpers the dialogs share.
namespace dialog {

// The text of an edit control: at most `maxLength` characters, as the control holds it,
// with the blanks around it trimmed.
std::string Field(std::string_view text, std::size_t maxLength);

// An integer only when the whole text is one (an optional sign, then digits).
std::optional<long long> WholeInteger(std::string_view text);

// A real number (digits with an optional point and sign).
std::optional<double> Real(std::string_view text);

// Numbers as a control shows them when a line is edited.
std::string NumberText(long long value);
std::string NumberText(double value);

DialogRefusal Error(std::string text, std::string_view focus);

// Free text ends its tag at ">" (and, where the tag reads on past it, at `alsoEnding`):
// such a character would cut the entry short and type the rest.
std::optional<DialogRefusal> CheckFreeText(std::string_view text, std::string_view focus,
                                           std::string_view alsoEnding = {});

// The result of a valid dialog: its tag is what the line writes.
CommandOutcome Accept(Command command, LineRecord record);

} // namespace dialog

} // namespace kv
