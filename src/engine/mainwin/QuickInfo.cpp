#include "engine/mainwin/QuickInfo.h"

#include "engine/activation/HotKeys.h"
#include "engine/activation/ScheduleText.h"
#include "engine/core/Ansi.h"
#include "engine/core/Limits.h"

#include <filesystem>
#include <system_error>

namespace kv {

QuickInfo QuickInfoTexts(const MacroRecord& rec, const DateTimeFormatter& formatDateTime,
                         const std::string& iconsDir) {
    QuickInfo q;
    if (rec.activation == kActivationTimed) {
        q.lab1 = "Timed Macro:";
        q.line1 = GetSched(rec.schedule);
    } else if (rec.activation == kActivationTypeword) {
        q.lab1 = "Typeword:";
        q.line1 = rec.typeword;
    } else {
        q.lab1 = "Hot Key:";
        q.line1 = HotKeyName(rec.activation);
    }
    q.line2 = rec.nickname;

    const auto scope = static_cast<Scope>(rec.scope);
    switch (scope) {
    case Scope::Global:
        q.line3 = "GLOBAL";
        break;
    case Scope::PopupMenu:
        q.line3 = "Popup Menu";
        break;
    case Scope::System:
        q.line3 = "SYSTEM";
        break;
    default:
        q.line3 = rec.scopeName + (scope == Scope::Program ? " \"Program\" " : " \"Window\" ") +
                  (rec.topMostOnly == 1 ? "(Top Most Only)" : "(If Running)");
        break;
    }
    q.line4 = rec.active != 0 ? "Yes" : "No";

    // A Popup Menu macro's text area holds its menu, a SYSTEM macro's nothing to read.
    if (scope == Scope::PopupMenu || scope == Scope::System) {
        q.macroTextVisible = false;
    } else {
        q.macroTextLabel = "Macro Text:";
        q.line6 = rec.text;
    }
    q.lastMod = "Last Modified On " + formatDateTime(FromDayCount(rec.lastModified));

    if (rec.icon == "MENU") {
        q.icon = QuickInfoIcon::Menu;
    } else if (!rec.icon.empty() && rec.icon != "MAIN") {
        const std::filesystem::path file =
            std::filesystem::path(AnsiToUtf8(iconsDir)) / AnsiToUtf8(rec.icon);
        std::error_code ec;
        if (std::filesystem::is_regular_file(file, ec)) {
            q.icon = QuickInfoIcon::File;
            q.iconFile = file.string();
        }
    }
    return q;
}

} // namespace kv
