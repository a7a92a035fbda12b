#pragma once
// `TTypewordOptions` ("Typeword Options"): the Typeword settings as the dialog's controls
// hold them, and what "OK" stores.

#include "engine/core/Settings.h"

#include <cstddef>
#include <optional>
#include <string>

namespace kv {

struct TTypewordOptionsFields {
    static constexpr std::size_t kPrefixKeysLength = 2;
    bool usePrefix = true; // `UsePrefix`, the inverse of "Use Suffix"
    bool caseSense = true; // `CaseSense`
    bool solitary = false; // `Solitary`
    std::string prefixKeys{};

    static TTypewordOptionsFields From(const Settings& s);
};

// "OK": while `UsePrefix` is ticked the prefix keys must be Typeword characters (the
// message is returned and nothing is stored); otherwise the settings take the fields, the
// prefix keys trimmed and cut to two characters.
std::optional<std::string> TypewordOptionsOk(const TTypewordOptionsFields& f, Settings& s);

} // namespace kv
