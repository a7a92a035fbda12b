#pragma once
// `TDoAMenu` ("Choose A Macro"): the always-on-top window of a popup menu. The user picks
// an item by typing its key character, by a double click on its row or by a click on its
// icon; the window then closes with the item's place.

#include "engine/activation/PopupMenus.h"
#include "engine/core/MacroRecord.h"

#include <QDialog>
#include <QIcon>

#include <functional>
#include <string>
#include <vector>

class QPushButton;
class QTreeWidget;
class QTreeWidgetItem;
class QToolButton;

namespace kv::ui {

struct PopupMenuParts {
    MacroRecord menu; // options in `typeword`, the item places in `text`
    std::function<MacroRecord(int place)> record;
    std::string iconFolder; // Windows-1252
    QIcon programIcon;      // "MAIN"
    QIcon menuIcon;         // "MENU", and any icon file that is missing
};

class TDoAMenu : public QDialog {
public:
    explicit TDoAMenu(const PopupMenuParts& parts, QWidget* parent = nullptr);

    // The place of the chosen macro, -1 until one is chosen.
    int Chosen() const { return result_; }
    int ItemCount() const { return static_cast<int>(places_.size()); }

    // Text modes: one list per column ("Script", "Script2", ...). Icon mode: the buttons.
    const std::vector<QTreeWidget*>& Lists() const { return lists_; }
    const std::vector<QToolButton*>& IconButtons() const { return iconButtons_; }
    QPushButton* CancelButton() const { return cancel_; }

    // Chooses item k and closes.
    void DoIt(int item);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void FillText(char mode);
    void FillIcons(int pixels);
    QIcon ItemIcon(const MacroRecord& rec) const;
    void ScriptDblClick(QTreeWidgetItem* row);

    PopupMenuParts parts_;
    std::vector<int> places_;
    int result_ = -1;
    std::vector<QTreeWidget*> lists_;
    std::vector<QToolButton*> iconButtons_;
    QPushButton* cancel_ = nullptr;
};

// Shows the menu modally and returns the chosen place, -1 when none was chosen.
int RunPopupMenu(QWidget* parent, const PopupMenuParts& parts);

} // namespace kv::ui
