#include "engine/mainwin/MacroList.h"

#include "engine/activation/HotKeys.h"
#include "engine/core/Ansi.h"
#include "engine/core/Limits.h"
#include "engine/mainwin/SortOrder.h"

#include <algorithm>
#include <numeric>

namespace kv {
namespace {

// Position (0-based) of digit d in a sort order; the order's size when absent.
std::size_t PositionOf(const std::vector<int>& order, int d) {
    return static_cast<std::size_t>(std::find(order.begin(), order.end(), d) - order.begin());
}

int ActivationGroup(std::uint16_t activation) {
    if (activation == kActivationTimed)
        return 3;
    if (activation == kActivationTypeword)
        return 2;
    return 1;
}

std::string ActivationKey(const SharedBlock& block, const Settings& settings, int place) {
    static const char* const prefix[] = {"AAAA", "AAAz", "AAz"};
    const std::uint16_t a = block.Activation(place);
    const int group = ActivationGroup(a);
    const std::size_t at = PositionOf(SortDigits(settings.activationSort, kActivationKinds), group);
    std::string key = prefix[std::min<std::size_t>(at, 2)];
    if (group == 1)
        key += HotKeyName(a);
    else if (group == 2)
        key += settings.names.typeword[static_cast<std::size_t>(place)];
    return key;
}

std::string ScopeKey(const SharedBlock& block, const Settings& settings, int place) {
    // Only the first four positions are told apart; the fifth is implied.
    static const char* const prefix[] = {"AAAAAA", "AAAAAz", "AAAAz", "AAAz", "AAz"};
    const std::uint16_t s = block.Scope(place);
    const std::size_t at = PositionOf(SortDigits(settings.scopeSort, kScopeKinds), s);
    std::string key = prefix[std::min<std::size_t>(at, 4)];
    if (s == static_cast<unsigned>(Scope::Window) || s == static_cast<unsigned>(Scope::Program))
        key += AnsiUpper(block.ScopeName(place).substr(0, kScopeNameShared));
    return key;
}

std::string NicknameKey(const Settings& settings, int place) {
    return AnsiUpper(
        settings.names.nickname[static_cast<std::size_t>(place)].substr(0, kNicknameMax));
}

} // namespace

SortKey MacroSortKey(const SharedBlock& block, const Settings& settings, int place) {
    const std::string act = ActivationKey(block, settings, place);
    const std::string nick = NicknameKey(settings, place);
    const std::string scope = ScopeKey(block, settings, place);
    const std::vector<int> primary = SortDigits(settings.primarySort, kPrimaryKeys);
    const int p = primary[0];
    const int s = primary[1];
    if (p == 1)
        return s == 2 ? SortKey{act, nick, scope} : SortKey{act, scope, nick};
    if (p == 2)
        return s == 1 ? SortKey{nick, act, scope} : SortKey{nick, scope, act};
    return s == 2 ? SortKey{scope, nick, act} : SortKey{scope, act, nick};
}

void MacroList::FillList(const SharedBlock& block, const Settings& settings) {
    const int count = block.MacroCount();
    map_.resize(static_cast<std::size_t>(count));
    std::iota(map_.begin(), map_.end(), 1);
    if (count >= 2) {
        std::vector<SortKey> keys;
        keys.reserve(map_.size());
        for (int place : map_)
            keys.push_back(MacroSortKey(block, settings, place));
        // Stable, so macros with equal keys stay in table order.
        std::stable_sort(map_.begin(), map_.end(), [&keys](int a, int b) {
            return keys[static_cast<std::size_t>(a - 1)] < keys[static_cast<std::size_t>(b - 1)];
        });
    }
    if (count == 0)
        row_ = kNoRow;
    else if (row_ < 1)
        row_ = 1;
    else if (row_ > count)
        row_ = count;
}

int MacroList::ReverseSort(int place) const {
    const auto it = std::find(map_.begin(), map_.end(), place);
    return it == map_.end() ? kNoRow : static_cast<int>(it - map_.begin()) + 1;
}

int MacroList::Place(int row) const {
    if (row < 1 || row > RowCount())
        return 0;
    return map_[static_cast<std::size_t>(row - 1)];
}

void MacroList::SetCurrentRow(int row) {
    row_ = row >= 1 && row <= RowCount() ? row : kNoRow;
}

int QuickInfoRow(int pressRow, int releaseRow) {
    return pressRow >= 1 && pressRow == releaseRow ? pressRow : kNoRow;
}

} // namespace kv
