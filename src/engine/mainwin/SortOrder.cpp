#include "engine/mainwin/SortOrder.h"

#include <algorithm>
#include <utility>

namespace kv {

std::vector<int> SortDigits(const std::string& setting, int n) {
    std::vector<int> order;
    for (char c : setting) {
        const int d = c - '0';
        if (d >= 1 && d <= n && std::find(order.begin(), order.end(), d) == order.end())
            order.push_back(d);
    }
    for (int d = 1; d <= n; ++d) {
        if (std::find(order.begin(), order.end(), d) == order.end())
            order.push_back(d);
    }
    return order;
}

const std::vector<std::string>& SortOrderDialog::Names(List list) {
    static const std::vector<std::string> primary = {"Activation", "Nickname", "Scope"};
    static const std::vector<std::string> activation = {"Hot Key", "Typeword", "Timed Macro"};
    static const std::vector<std::string> scope = {"Global", "Specific Window", "Specific Program",
                                                   "PopUp Menu", "System"};
    switch (list) {
    case List::Primary:
        return primary;
    case List::Activation:
        return activation;
    default:
        return scope;
    }
}

SortOrderDialog::SortOrderDialog(const Settings& settings) {
    const std::pair<List, const std::string*> sources[] = {
        {List::Primary, &settings.primarySort},
        {List::Activation, &settings.activationSort},
        {List::Scope, &settings.scopeSort},
    };
    for (const auto& [list, setting] : sources) {
        const auto& names = Names(list);
        for (int d : SortDigits(*setting, static_cast<int>(names.size())))
            At(list).items.push_back(names[static_cast<std::size_t>(d - 1)]);
    }
}

void SortOrderDialog::Select(List list, int index) {
    OrderList& l = At(list);
    l.selected = index >= 0 && index < static_cast<int>(l.items.size()) ? index : -1;
}

SortOrderDialog::Arrows SortOrderDialog::EnableDisable(List list) const {
    const OrderList& l = At(list);
    if (l.selected < 0)
        return {};
    return {l.selected > 0, l.selected < static_cast<int>(l.items.size()) - 1};
}

void SortOrderDialog::MoveUp(List list) {
    if (!EnableDisable(list).up)
        return;
    OrderList& l = At(list);
    const auto i = static_cast<std::size_t>(l.selected);
    std::swap(l.items[i], l.items[i - 1]);
    --l.selected;
}

void SortOrderDialog::MoveDown(List list) {
    if (!EnableDisable(list).down)
        return;
    OrderList& l = At(list);
    const auto i = static_cast<std::size_t>(l.selected);
    std::swap(l.items[i], l.items[i + 1]);
    ++l.selected;
}

void SortOrderDialog::OkButtonClick(Settings& settings) const {
    auto digits = [this](List list) {
        const auto& names = Names(list);
        std::string s;
        for (const std::string& item : Items(list)) {
            const auto at = std::find(names.begin(), names.end(), item) - names.begin();
            s += static_cast<char>('1' + at);
        }
        return s;
    };
    settings.primarySort = digits(List::Primary);
    settings.activationSort = digits(List::Activation);
    settings.scopeSort = digits(List::Scope);
}

} // namespace kv
