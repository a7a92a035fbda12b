#include "engine/mainwin/ListFilter.h"

#include "engine/core/Ansi.h"
#include "engine/core/MacroFile.h"
#include "engine/core/SharedBlock.h"
#include "engine/mainwin/MacroListText.h"

namespace kv {

bool MacroMatches(const MacroRecord& rec, std::string_view needle) {
    if (needle.empty())
        return true;
    const std::string wanted = AnsiUpper(needle);
    const bool popupMenu = rec.scope == static_cast<unsigned>(Scope::PopupMenu);
    for (const std::string& text :
         {ActivationText(rec.activation, rec.typeword), rec.nickname,
          ScopeText(rec.scope, rec.scopeName), popupMenu ? std::string() : rec.text}) {
        if (AnsiUpper(text).find(wanted) != std::string::npos)
            return true;
    }
    return false;
}

std::vector<MacroRecord> FilterRecords(const std::string& path) {
    std::vector<MacroRecord> records = ScanMacroFile(path).records;
    records.insert(records.begin(), MacroRecord{});
    return records;
}

} // namespace kv
