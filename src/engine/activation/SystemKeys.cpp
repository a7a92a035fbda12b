#include "engine/activation/SystemKeys.h"

#include "engine/activation/HotKeys.h"
#include "engine/core/Limits.h"

namespace kv {

std::array<int, kSystemCommandCount> FindSystemMacros(const SharedBlock& block) {
    std::array<int, kSystemCommandCount> places{};
    for (int place = 1; place <= block.MacroCount(); ++place) {
        if (block.Scope(place) != static_cast<unsigned>(Scope::System))
            continue;
        const std::string name = block.ScopeName(place);
        if (name.empty() || name[0] < '1' || name[0] > '4')
            continue;
        int& found = places[static_cast<std::size_t>(name[0] - '1')];
        if (found == 0)
            found = place;
    }
    return places;
}

SystemKeys::SystemKeys(const SharedBlock& block) : block_(block), places_(FindSystemMacros(block)) {
    for (std::size_t i = 0; i < places_.size(); ++i)
        original_[i] = places_[i] == 0 ? -1 : block.Activation(places_[i]);
    codes_ = original_;
}

std::string SystemKeys::Name(SystemCommand c) const {
    return HotKeyName(Code(c));
}

std::optional<Refusal> SystemKeys::KeyPressed(SystemCommand c, int code) {
    if (code < 0 || code >= kHotKeyCodes || Place(c) == 0)
        return std::nullopt;
    if (auto used = HotKeyInUse(block_, code))
        return used;
    codes_[Index(c)] = code;
    return std::nullopt;
}

std::optional<Refusal> SystemKeys::CheckOk() const {
    for (std::size_t i = 0; i < codes_.size(); ++i)
        for (std::size_t j = i + 1; j < codes_.size(); ++j)
            if (codes_[i] >= 0 && codes_[i] == codes_[j])
                return Refusal{"The same hot key has been assigned to more than one system "
                               "command.",
                               "Error"};
    return std::nullopt;
}

bool SystemKeys::WriteChanges(MacroFile& file) const {
    bool wrote = false;
    for (std::size_t i = 0; i < codes_.size(); ++i) {
        if (places_[i] == 0 || codes_[i] == original_[i])
            continue;
        MacroRecord rec;
        if (!file.ReadMacroRecord(places_[i], rec))
            return false;
        rec.activation = static_cast<std::uint16_t>(codes_[i]);
        if (!file.WriteMacroRecord(places_[i], rec))
            return false;
        wrote = true;
    }
    // Writing mirrored the file's own nicknames; the SYSTEM macros show their built-in ones.
    if (wrote)
        file.AddSystemMacros();
    return true;
}

} // namespace kv
