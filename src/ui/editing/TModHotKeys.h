#pragma once
// `TModHotKeys` ("Modify Hot Key"), the direct editor: a macro's properties and its macro
// text in a text field, with buttons and menus that insert key tags at the caret.
// `TModText` ("Enter Keystrokes") is the same editor without the properties.

#include "engine/core/MacroRecord.h"
#include "engine/editing/MacroEditor.h"
#include "engine/ports/Prompts.h"
#include "ui/editing/CommandForm.h"
#include "ui/editing/MacroProperties.h"

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QLineEdit;
class QListWidget;
class QMenuBar;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace kv::ui {

struct DirectEditorParts : EditorParts {
    // The dialog of a command button; the tag to insert, empty when cancelled.
    std::function<std::string(DirectCommand)> command;
};

class TModHotKeys : public QDialog {
public:
    // With `record` null the editor is `TModText`: text only.
    TModHotKeys(const DirectEditorParts& parts, const EditorState& state, MacroRecord* record,
                const std::string& text, QWidget* parent = nullptr);

    // The text as "&Update" left it (TModText), Windows-1252.
    const std::string& Result() const { return result_; }

    // Inserts `tag` at the caret if it fits (`CheckSize`, `SetIt`).
    void InsertTag(const std::string& tag);
    void UpdateButtonClick();

    QPlainTextEdit* Text() const { return text_; }
    // The properties; none in the text editor.
    MacroProperties* Properties() const { return props_; }
    QListWidget* MiscBox() const { return misc_; }
    QPushButton* KeyButton(const QString& caption) const;

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* BuildKeys();
    QWidget* BuildCommands();
    void CommandClick(DirectCommand command);
    void BuildMenus(QMenuBar* bar);
    void DoCaption();

    DirectEditorParts parts_;
    EditorState state_;
    MacroRecord* rec_;
    std::string result_;
    QPlainTextEdit* text_ = nullptr;
    MacroProperties* props_ = nullptr;
    QListWidget* misc_ = nullptr;
};

} // namespace kv::ui
