#include "engine/activation/TypewordOptions.h"

#include "engine/activation/Typewords.h"
#include "engine/editing/CommandDialog.h"

namespace kv {

TTypewordOptionsFields TTypewordOptionsFields::From(const Settings& s) {
    return {!s.useSuffix, s.caseSensitive, s.solitaryUsage, s.prefixKeys};
}

std::optional<std::string> TypewordOptionsOk(const TTypewordOptionsFields& f, Settings& s) {
    const std::string keys = dialog::Field(f.prefixKeys, std::string::npos)
                                 .substr(0, TTypewordOptionsFields::kPrefixKeysLength);
    if (f.usePrefix) {
        if (auto bad = CheckPrefixKeys(keys))
            return bad;
    }
    s.solitaryUsage = f.solitary;
    s.caseSensitive = f.caseSense;
    s.useSuffix = !f.usePrefix;
    s.prefixKeys = keys;
    return std::nullopt;
}

} // namespace kv
