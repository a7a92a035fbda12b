#pragma once
// `TDoBuildMenu` ("Build Macro Menu"): a popup-menu macro's nickname, options and icon, and
// the macros it lists, chosen from the table and put in order.

#include "engine/activation/MenuBuilder.h"
#include "engine/core/MacroRecord.h"
#include "engine/ports/Prompts.h"

#include <QDialog>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTreeWidget;

namespace kv::ui {

struct BuildMenuParts {
    Prompts& prompts;
    // Every macro in place order (place = index + 1).
    std::vector<MacroRecord> table;
    // Keyvane's "Icons" folder (Windows-1252), and the file dialog that picks an icon there
    // ("Load in Icon"); empty when cancelled.
    std::string iconsDir;
    std::function<std::string(const std::string& iconsDir)> pickIcon;
    bool isNew = false;
};

// The name of the built-in menu icon, which a menu has until another is chosen.
inline constexpr const char* kMenuIconName = "MENU";

class TDoBuildMenu : public QDialog {
public:
    TDoBuildMenu(const BuildMenuParts& parts, MacroRecord& rec, QWidget* parent = nullptr);

    // The buttons by object name: AddButton, InsertBefore, InsertAfter, DoUp, DoDown,
    // RemoveIt, MySpeed, OkButton, CancelButton.
    QPushButton* Button(const char* name) const;
    QTreeWidget* OptionBox() const { return options_; }
    QTreeWidget* Script() const { return script_; }
    QLineEdit* NickName() const { return nickname_; }
    QCheckBox* TrayBox() const { return tray_; }
    QRadioButton* FirstPart() const { return firstPart_; }
    QRadioButton* IconMode() const { return iconMode_; }
    QRadioButton* NickScope() const { return nickScope_; }
    QComboBox* IconSize() const { return iconSize_; }
    const std::string& IconName() const { return iconName_; }

    void AddALine(MenuBuilder::Mode mode);
    void DoUpClick();
    void DoDownClick();
    void RemoveItClick();
    void MySpeedClick();
    void ResetIcon();
    void OkButtonClick();
    // After "OK": whether the tray icons must be built again.
    bool TrayChanged() const { return trayChanged_; }

private:
    void Refresh();
    void EnableDisable();
    void ShowIcon();
    MenuChoice Choice() const;

    BuildMenuParts parts_;
    MacroRecord& rec_;
    MenuBuilder builder_;
    std::string iconName_;
    bool trayChanged_ = false;
    bool refreshing_ = false;
    QLineEdit* nickname_ = nullptr;
    QCheckBox* tray_ = nullptr;
    QRadioButton* firstPart_ = nullptr;
    QRadioButton* iconMode_ = nullptr;
    QRadioButton* nickScope_ = nullptr;
    QComboBox* iconSize_ = nullptr;
    QPushButton* icon_ = nullptr;
    QTreeWidget* options_ = nullptr;
    QTreeWidget* script_ = nullptr;
    std::map<std::string, QPushButton*> buttons_;
};

// Shows the dialog on `rec`; true when "OK" stored the menu, `trayChanged` (when given) then
// tells whether the tray icons must be built again.
bool RunBuildMenuDialog(QWidget* parent, const BuildMenuParts& parts, MacroRecord& rec,
                        bool* trayChanged);

} // namespace kv::ui
