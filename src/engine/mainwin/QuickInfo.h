#pragma once
// `TQuickInfo` ("Quick Info"): what the dialog shows for one macro.

#include "engine/core/DateTime.h"
#include "engine/core/MacroRecord.h"

#include <functional>
#include <string>

namespace kv {

enum class QuickInfoIcon { Program, Menu, File };

struct QuickInfo {
    std::string lab1;           // "Hot Key:", "Typeword:" or "Timed Macro:"
    std::string line1;          // the hot key's name, the Typeword or the schedule
    std::string line2;          // the Nickname
    std::string line3;          // the scope
    std::string line4;          // "Yes" or "No"
    std::string macroTextLabel; // "Macro Text:", empty for Popup Menu and SYSTEM macros
    bool macroTextVisible = true;
    std::string line6; // the macro text
    std::string lastMod;
    QuickInfoIcon icon = QuickInfoIcon::Program;
    std::string iconFile; // QuickInfoIcon::File: the icon file, a UTF-8 path to open
};

// The desktop's date and time format, applied to a record's Last modified moment.
using DateTimeFormatter = std::function<std::string(const DateTime&)>;

// `iconsDir` is the "Icons" folder of the program's data; an icon file missing there shows
// the program icon.
QuickInfo QuickInfoTexts(const MacroRecord& rec, const DateTimeFormatter& formatDateTime,
                         const std::string& iconsDir);

} // namespace kv
