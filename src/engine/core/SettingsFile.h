#pragma once
// The profile KVDEF.INI: ten sections of text values behind the settings record. The file
// on disk is UTF-8 so that it can be edited by hand; values in the record are Windows-1252.

#include "engine/core/Settings.h"

#include <string>
#include <vector>

namespace kv {

// One key of the profile with its value as the writer puts it in the file (Windows-1252).
struct SettingRow {
    std::string section;
    std::string key;
    std::string value;
};

// Every key of the profile from the record, in file order: Misc, Capture, Typewords, Main
// Window, Grid Title Font, Grid Font, Script Page, Network, Print List Font, Scheduler.
// The writer writes exactly these rows, so a listing of them always matches the file.
std::vector<SettingRow> SettingsRows(const Settings& s);

// Reads every key of the profile into `s`; the name tables are left alone. A missing file
// or key gives the default, as does a number key whose value is not a decimal integer.
// Booleans are true only for "YES" in any case. Flags and numbers are cut to 15
// characters before they are read, paths to 254, strings to their field's size. Timer
// Seconds outside 1..60 becomes 10; Sync Minutes wraps to 16 bits. An empty Current File,
// or one naming a file that does not exist, becomes `defaultMacroFile`.
// `iniPath` and `defaultMacroFile` are file system (UTF-8) paths. Nothing is written and
// the macro file is not loaded.
void ReadSettingsFile(const std::string& iniPath, const std::string& defaultMacroFile, Settings& s);

// Writes every row of SettingsRows to the profile, creating its directory when missing.
// Sections and keys that Keyvane does not know, and comments, survive the rewrite. The new
// text goes to a temporary file that then replaces the profile, so a crash leaves either
// the old profile or the new one. False when the profile could not be written.
bool WriteSettingsFile(const std::string& iniPath, const Settings& s);

} // namespace kv
