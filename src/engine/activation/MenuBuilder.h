#pragma once
// `TDoBuildMenu` ("Build Macro Menu") without its window: the macros available for a popup
// menu and those in it, moved between the two lists and ordered, and what "OK" stores in
// the menu's record.

#include "engine/activation/PopupMenus.h"
#include "engine/core/MacroRecord.h"
#include "engine/editing/EditorMessage.h"

#include <optional>
#include <string>
#include <vector>

namespace kv {

class MenuBuilder {
public:
    struct Entry {
        int place = 0;
        std::string text; // nickname, activation and scope, split by tabs
        bool operator==(const Entry&) const = default;
    };
    static constexpr int kNone = -1;

    // `table`: every macro in place order (place = index + 1); `menu`: the places the menu
    // holds, in its order. SYSTEM macros are never offered; places that are no longer in
    // the table leave the menu.
    MenuBuilder(const std::vector<MacroRecord>& table, const std::vector<int>& menu);

    const std::vector<Entry>& Available() const { return available_; }
    const std::vector<Entry>& InMenu() const { return inMenu_; }
    int AvailableSelected() const { return availableSel_; }
    int MenuSelected() const { return menuSel_; }
    void SelectAvailable(int row);
    void SelectMenu(int row);

    // "&Add" at the end, "I&nsert" before the chosen menu row (at the top without one),
    // "&Insert" after it (after the first row without one): the chosen available macro
    // moves into the menu and becomes its chosen row. A refusal when none is chosen.
    enum class Mode { AtEnd = 1, Before = 2, After = 3 };
    std::optional<EditorMessage> AddALine(Mode mode);
    // "&Up", "&Down": the chosen menu row swaps with its neighbour.
    void Up();
    void Down();
    // "&Remove": the chosen menu row goes back among the available ones, in table order.
    void Remove();

    struct Enabled {
        bool up = false;
        bool down = false;
        bool remove = false;
        bool add = false; // the three adding buttons
        bool operator==(const Enabled&) const = default;
    };
    Enabled EnableDisable() const;

    // The menu's places in its order.
    std::vector<int> Places() const;

private:
    std::vector<Entry> available_;
    std::vector<Entry> inMenu_;
    int availableSel_ = kNone;
    int menuSel_ = kNone;
};

// The line of a macro in either list.
std::string MenuBuilderText(const MacroRecord& rec);

// What "OK" stores: the nickname (at most 50), the icon name, scope 4, the options and the
// item list. True when the tray icons must be built again (a new menu in the tray, or a
// changed nickname or tray choice).
struct MenuChoice {
    std::string nickname;
    std::string icon = "MENU";
    PopupMenuOptions options;
};
bool StoreMenu(MacroRecord& rec, const MenuChoice& choice, const std::vector<int>& places,
               bool isNew);

} // namespace kv
