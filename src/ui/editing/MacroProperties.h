#pragma once
// What the scripting editor and the direct editor show above the macro: the hot key (or the
// Typeword with its name, or Timed Macros with the schedule), the nickname, where the
// macro plays (Global, a window, a program, chosen through `TDoSpecWind`) and its icon.

#include "engine/core/MacroRecord.h"
#include "engine/editing/MacroEditor.h"
#include "engine/ports/Prompts.h"

#include <QGroupBox>

#include <functional>
#include <optional>
#include <string>

class QLineEdit;
class QPushButton;
class QRadioButton;

namespace kv::ui {

struct EditorParts {
    Prompts& prompts;
    // Now, for the last-modified stamp and the schedule's defaults.
    std::function<DateTime()> now;
    // The window or program chooser (`TDoSpecWind`) on the record's scope name and
    // top-most flag, for a program when `program`; true when a name was chosen.
    std::function<bool(bool program, std::string& name, std::uint8_t& topMostOnly)> chooseScope;
    // "Set Schedule" on the record's schedule.
    std::function<void(ScheduleBlock& schedule)> setSchedule;
    // Keyvane's "Icons" folder (Windows-1252), and the file dialog that picks an icon
    // there ("Load in Icon"); empty when cancelled.
    std::string iconsDir;
    std::function<std::string(const std::string& iconsDir)> pickIcon;
};

// "Load in Icon" for an icon button: the file dialog, the file copied into the Icons folder,
// and the icon's name; nothing when cancelled or refused (the refusal shown).
std::optional<std::string>
LoadIconName(const std::function<std::string(const std::string& iconsDir)>& pickIcon,
             const std::string& iconsDir, Prompts& prompts);

class MacroProperties : public QGroupBox {
    Q_OBJECT
public:
    MacroProperties(const EditorParts& parts, const EditorState& state, MacroRecord& rec,
                    QWidget* parent = nullptr);

    EditorScope Scope() const;
    EditorProperties Properties() const;
    // The Typeword check; on a refusal the message is shown and the Typeword box has the
    // focus.
    bool Check();
    // The properties into the record, stamped now.
    void Write();

    // `MySpeedClick` and the right-click reset.
    void MySpeedClick();
    void ResetIcon();

    QLineEdit* NickName() const { return nickname_; }
    QLineEdit* TypewordName() const { return typeword_; }
    QRadioButton* Global() const { return global_; }
    QRadioButton* Specific() const { return specific_; }
    QRadioButton* ProgExe() const { return progExe_; }
    QPushButton* ChooseWinProg() const { return choose_; }
    QPushButton* IconButton() const { return icon_; }

signals:
    // The scope or its name changed: the editor's caption follows.
    void scopeChanged();

private:
    void ChooseWinProgClick();
    void ShowIcon();

    const EditorParts& parts_;
    EditorState state_;
    MacroRecord& rec_;
    QLineEdit* nickname_ = nullptr;
    QLineEdit* typeword_ = nullptr;
    QRadioButton* global_ = nullptr;
    QRadioButton* specific_ = nullptr;
    QRadioButton* progExe_ = nullptr;
    QPushButton* choose_ = nullptr;
    QPushButton* icon_ = nullptr;
    std::string iconName_;
};

} // namespace kv::ui
