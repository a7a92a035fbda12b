#pragma once
// A temporary macro file loaded into the tables the main window and its list read.

#include "engine/activation/HotKeys.h"
#include "engine/core/Limits.h"
#include "engine/core/MacroFile.h"
#include "engine/core/MacroRecord.h"
#include "platform/fake/FakeClock.h"
#include "platform/fake/RecordingPrompts.h"
#include "support/MacroFileBytes.h"
#include "support/TempMacroFile.h"

#include <string>
#include <vector>

namespace kv::test {

inline std::uint16_t Code(const char* name) {
    return static_cast<std::uint16_t>(HotKeyFromName(name).value());
}

inline MacroRecord Macro(const std::string& nick, unsigned activation, Scope scope = Scope::Global,
                         const std::string& scopeName = "", bool active = true) {
    MacroRecord r;
    r.nickname = nick;
    r.activation = static_cast<std::uint16_t>(activation);
    r.scope = static_cast<std::uint16_t>(scope);
    r.scopeName = scopeName;
    r.active = active ? 1 : 0;
    r.text = nick + " text";
    return r;
}

inline MacroRecord Typeword(const std::string& nick, const std::string& name) {
    MacroRecord r = Macro(nick, kActivationTypeword);
    r.typeword = name;
    return r;
}

// Settings, shared block and macro file over a file in a temporary directory.
struct MacroTables : TempMacroFile {
    explicit MacroTables(const std::string& name = "WORK.KVN") {
        settings.currentFile = dir.File(name);
    }
    void Load(const std::vector<MacroRecord>& records) {
        WriteMacroFile(settings.currentFile, records);
        file.LoadMacroFile(settings.currentFile);
        block.SetHotKeys();
    }
    std::vector<MacroRecord> OnDisk() const { return ScanMacroFile(settings.currentFile).records; }
};

} // namespace kv::test
