#pragma once
// Typed abbreviations: the hook reports every character typed; when the last ones spell a
// Typeword (after the prefix keys, or before a space or Enter), the abbreviation is erased
// and its macro plays.

#include "engine/activation/Dispatch.h"
#include "engine/ports/Clock.h"
#include "engine/ports/EventPump.h"

#include <optional>
#include <string>

namespace kv {

// What the hook reports for a typed character.
struct TypedChar {
    enum Kind { Character = 0, Reset = 1, CharacterCapsLock = 2 };
    int kind = Character;
    char ch = 0;
};

class Typewords {
public:
    Typewords(const Settings& settings, SharedBlock& block, MacroFile& file, Player& player,
              Dispatch& dispatch, DispatchState& state, Input& input, Windows& windows,
              EventPump& pump, const Clock& clock);

    void OnTyped(const TypedChar& t);
    // Looks for a Typeword at the end of what was typed and plays it.
    void TestIt();

    const std::string& Buffer() const { return buffer_; }

private:
    std::size_t PrefixLength() const;

    const Settings& settings_;
    SharedBlock& block_;
    MacroFile& file_;
    Player& player_;
    Dispatch& dispatch_;
    DispatchState& state_;
    Input& input_;
    Windows& windows_;
    EventPump& pump_;
    const Clock& clock_;
    std::string buffer_;
};

// The Typeword Options dialog's check of the prefix keys: the message, or nothing.
std::optional<std::string> CheckPrefixKeys(const std::string& keys);

} // namespace kv
