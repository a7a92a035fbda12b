#include "engine/activation/MenuBuilder.h"

#include "engine/core/Limits.h"
#include "engine/mainwin/MacroListText.h"
#include "engine/mainwin/PopupMenuPlaces.h"

#include <algorithm>

namespace kv {

std::string MenuBuilderText(const MacroRecord& rec) {
    return rec.nickname + '\t' + ActivationText(rec.activation, rec.typeword) + '\t' +
           ScopeText(rec.scope, rec.scopeName);
}

MenuBuilder::MenuBuilder(const std::vector<MacroRecord>& table, const std::vector<int>& menu) {
    const int count = static_cast<int>(table.size());
    auto offered = [&](int place) {
        return place >= 1 && place <= count &&
               table[static_cast<std::size_t>(place - 1)].scope !=
                   static_cast<unsigned>(Scope::System);
    };
    // The menu keeps its own order: what Up and Down made stays when it is edited again.
    for (int place : menu) {
        const bool twice = std::any_of(inMenu_.begin(), inMenu_.end(),
                                       [&](const Entry& e) { return e.place == place; });
        if (offered(place) && !twice)
            inMenu_.push_back({place, MenuBuilderText(table[static_cast<std::size_t>(place - 1)])});
    }
    for (int place = 1; place <= count; ++place) {
        const bool inMenu = std::any_of(inMenu_.begin(), inMenu_.end(),
                                        [&](const Entry& e) { return e.place == place; });
        if (offered(place) && !inMenu)
            available_.push_back(
                {place, MenuBuilderText(table[static_cast<std::size_t>(place - 1)])});
    }
}

void MenuBuilder::SelectAvailable(int row) {
    availableSel_ = row >= 0 && row < static_cast<int>(available_.size()) ? row : kNone;
}

void MenuBuilder::SelectMenu(int row) {
    menuSel_ = row >= 0 && row < static_cast<int>(inMenu_.size()) ? row : kNone;
}

std::optional<EditorMessage> MenuBuilder::AddALine(Mode mode) {
    if (availableSel_ == kNone)
        return EditorMessage{"No macro selected.  Please select one.", std::string(kErrorCaption)};
    const Entry moved = available_[static_cast<std::size_t>(availableSel_)];
    available_.erase(available_.begin() + availableSel_);
    int at = static_cast<int>(inMenu_.size());
    if (mode == Mode::Before)
        at = menuSel_ == kNone ? 0 : menuSel_;
    else if (mode == Mode::After)
        at = inMenu_.empty() ? 0 : (menuSel_ == kNone ? 1 : menuSel_ + 1);
    inMenu_.insert(inMenu_.begin() + at, moved);
    menuSel_ = at;
    // The available row now at the old place, or the last one.
    const int left = static_cast<int>(available_.size());
    availableSel_ = left == 0 ? kNone : std::min(availableSel_, left - 1);
    return std::nullopt;
}

void MenuBuilder::Up() {
    if (menuSel_ <= 0)
        return;
    std::swap(inMenu_[static_cast<std::size_t>(menuSel_)],
              inMenu_[static_cast<std::size_t>(menuSel_ - 1)]);
    --menuSel_;
}

void MenuBuilder::Down() {
    if (menuSel_ == kNone || menuSel_ + 1 >= static_cast<int>(inMenu_.size()))
        return;
    std::swap(inMenu_[static_cast<std::size_t>(menuSel_)],
              inMenu_[static_cast<std::size_t>(menuSel_ + 1)]);
    ++menuSel_;
}

void MenuBuilder::Remove() {
    if (menuSel_ == kNone)
        return;
    const Entry back = inMenu_[static_cast<std::size_t>(menuSel_)];
    inMenu_.erase(inMenu_.begin() + menuSel_);
    const auto at = std::find_if(available_.begin(), available_.end(),
                                 [&](const Entry& e) { return e.place > back.place; });
    availableSel_ = static_cast<int>(at - available_.begin());
    available_.insert(at, back);
    const int left = static_cast<int>(inMenu_.size());
    menuSel_ = left == 0 ? kNone : std::min(menuSel_, left - 1);
}

MenuBuilder::Enabled MenuBuilder::EnableDisable() const {
    Enabled e;
    const int last = static_cast<int>(inMenu_.size()) - 1;
    e.up = menuSel_ != kNone && menuSel_ > 0;
    e.down = menuSel_ != kNone && menuSel_ < last;
    e.remove = menuSel_ != kNone;
    e.add = availableSel_ != kNone;
    return e;
}

std::vector<int> MenuBuilder::Places() const {
    std::vector<int> places;
    for (const Entry& e : inMenu_)
        places.push_back(e.place);
    return places;
}

bool StoreMenu(MacroRecord& rec, const MenuChoice& choice, const std::vector<int>& places,
               bool isNew) {
    const PopupMenuOptions before = PopupMenuOptions::Parse(rec.typeword);
    const std::string nickname = choice.nickname.substr(0, kNicknameMax);
    const bool rebuildTray = (isNew && choice.options.tray) || nickname != rec.nickname ||
                             before.tray != choice.options.tray;
    if (isNew)
        rec.active = 1;
    rec.nickname = nickname;
    rec.icon = choice.icon;
    rec.scope = static_cast<std::uint16_t>(Scope::PopupMenu);
    rec.typeword = choice.options.Format();
    rec.text = MenuArea(places);
    return rebuildTray;
}

} // namespace kv
