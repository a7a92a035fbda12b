#pragma once
// The user's order of the macro list: which key comes first ("Primary Sort"), and in which
// order the activation kinds ("Activation Sort") and the scopes ("Scope Sort") appear.
// Each is a string of digits in the settings; the Sort Order dialog edits them as lists.

#include "engine/core/Settings.h"

#include <array>
#include <string>
#include <vector>

namespace kv {

// The digits of a sort setting as a full permutation of 1..n. A profile edited by hand may
// hold repeated, foreign or missing digits: the valid ones keep their order and the
// missing ones follow in their natural order, so the list and the dialog always see every
// group exactly once.
std::vector<int> SortDigits(const std::string& setting, int n);

inline constexpr int kPrimaryKeys = 3;     // 1 Activation, 2 Nickname, 3 Scope
inline constexpr int kActivationKinds = 3; // 1 hot key, 2 Typeword, 3 Timed Macro
inline constexpr int kScopeKinds = 5;      // the scope numbers 1..5

// `TSortOrder` ("Sort Order"): three lists in the order of their settings, each with an up
// and a down arrow that move its selected item one place.
class SortOrderDialog {
public:
    enum class List { Primary, Activation, Scope };

    // The item names in digit order: digit d is the name at index d - 1.
    static const std::vector<std::string>& Names(List list);

    explicit SortOrderDialog(const Settings& settings);

    // The items as the list shows them, top first.
    const std::vector<std::string>& Items(List list) const { return At(list).items; }
    // -1 when nothing is selected.
    int Selected(List list) const { return At(list).selected; }
    void Select(List list, int index);

    // Each moves the selected item one place and keeps it selected; nothing where the
    // arrow would be hidden.
    void MoveUp(List list);
    void MoveDown(List list);

    // `EnableDisable`: an arrow is shown only where a move is possible.
    struct Arrows {
        bool up = false;
        bool down = false;
    };
    Arrows EnableDisable(List list) const;

    // "&Ok": the three lists back into their digit strings. The caller then writes the
    // settings and refills the macro list.
    void OkButtonClick(Settings& settings) const;

private:
    struct OrderList {
        std::vector<std::string> items;
        int selected = -1;
    };
    const OrderList& At(List list) const { return lists_[static_cast<std::size_t>(list)]; }
    OrderList& At(List list) { return lists_[static_cast<std::size_t>(list)]; }

    std::array<OrderList, 3> lists_;
};

} // namespace kv
