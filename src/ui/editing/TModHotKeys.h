#pragma once
// `TModHotKeys` ("Modify Hot Key"), the direct editor: a macro's properties and its macro
// text in a text field, with buttons and menus that insert key tags at the caret.
// `TModText` ("Enter Keystrokes") is the same editor without the properties.

#include "engine/core/MacroRecord.h"
#include "engine/editing/MacroEditor.h"
#include "engine/ports/Prompts.h"
#include "ui/editing/CommandForm.h"

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

struct DirectEditorParts {
    Prompts& prompts;
    // Now, for the last-modified stamp and the schedule's defaults.
    std::function<DateTime()> now;
    // The window or program chooser (`TDoSpecWind`) on the record's scope name and
    // top-most flag, for a program when `program`; true when a name was chosen.
    std::function<bool(bool program, std::string& name, std::uint8_t& topMostOnly)> chooseScope;
    // "Set Schedule" on the record's schedule.
    std::function<void(ScheduleBlock& schedule)> setSchedule;
    // The dialog of a command button; the tag to insert, empty when cancelled.
    std::function<std::string(DirectCommand)> command;
    // Keyvane's "Icons" folder (Windows-1252), and the file dialog that picks an icon
    // there ("Load in Icon"); empty when cancelled.
    std::string iconsDir;
    std::function<std::string(const std::string& iconsDir)> pickIcon;
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
    QLineEdit* NickName() const { return nickname_; }
    QLineEdit* TypewordName() const { return typeword_; }
    QRadioButton* Global() const { return global_; }
    QRadioButton* Specific() const { return specific_; }
    QRadioButton* ProgExe() const { return progExe_; }
    QPushButton* ChooseWinProg() const { return choose_; }
    QListWidget* MiscBox() const { return misc_; }
    QPushButton* KeyButton(const QString& caption) const;
    QPushButton* IconButton() const { return icon_; }
    // `MySpeedClick` and the right-click reset.
    void MySpeedClick();
    void ResetIcon();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    QWidget* BuildProperties();
    QWidget* BuildKeys();
    QWidget* BuildCommands();
    void CommandClick(DirectCommand command);
    void BuildMenus(QMenuBar* bar);
    void DoCaption();
    void ChooseWinProgClick();
    EditorScope Scope() const;

    DirectEditorParts parts_;
    EditorState state_;
    MacroRecord* rec_;
    std::string result_;
    QPlainTextEdit* text_ = nullptr;
    QLineEdit* nickname_ = nullptr;
    QLineEdit* typeword_ = nullptr;
    QRadioButton* global_ = nullptr;
    QRadioButton* specific_ = nullptr;
    QRadioButton* progExe_ = nullptr;
    QPushButton* choose_ = nullptr;
    QListWidget* misc_ = nullptr;
    QPushButton* icon_ = nullptr;
    std::string iconName_;
    void ShowIcon();
};

} // namespace kv::ui
