#include "engine/core/CommandLine.h"

#include "engine/core/Ansi.h"

#include <charconv>

namespace kv {

CommandLine ParseCommandLine(const std::vector<std::string>& args) {
    CommandLine c;
    for (const std::string& raw : args) {
        const std::string a = AnsiUpper(raw);
        if (a == "/HIDE") {
            c.hide = true;
        } else if (a == "/B") {
            c.browse = true;
        } else if (a == "/BA") {
            c.browseAll = true;
        } else if (a == "/S") {
            c.autoSync = true;
        } else if (a == "/N") {
            c.networkMode = true;
        } else if (a.starts_with("/SM")) {
            int minutes = 0;
            const char* first = a.data() + 3;
            const char* last = a.data() + a.size();
            const auto [end, ec] = std::from_chars(first, last, minutes);
            if (ec == std::errc() && end == last && first != last && minutes >= 1 && minutes <= 98)
                c.syncMinutes = minutes;
        } else if (a.starts_with("/F") && a.size() > 2) {
            // The path keeps its case: these file systems tell upper and lower case apart.
            c.file = raw.substr(2);
        }
    }
    return c;
}

} // namespace kv
