#pragma once
// The macro file: a plain sequence of 5165-byte records. The file is never held open; every
// operation opens it, reads or writes whole records and closes it again, so that another
// program or another user on a shared drive can use it in between. Loading fills the
// per-place mirrors (the name tables of the settings, the tables of the shared block).

#include "engine/core/MacroRecord.h"
#include "engine/core/Settings.h"
#include "engine/core/SharedBlock.h"
#include "engine/ports/Clock.h"
#include "engine/ports/Prompts.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kv {

// What a load found on disk besides the records it took.
struct LoadReport {
    bool opened = false;          // the file could be opened (or was created)
    bool created = false;         // it did not exist and was created empty
    int recordsOnDisk = 0;        // whole records in the file
    int recordsNotLoaded = 0;     // whole records past place 500, left on disk
    std::uint64_t extraBytes = 0; // a damaged partial record at the end, left on disk
    int systemMacrosAdded = 0;
};

// The SYSTEM macros that every loaded file holds, by the digit of their scope name.
struct SystemMacro {
    char digit;
    const char* nickname;
    std::uint16_t activation;
};
inline constexpr SystemMacro kSystemMacros[4] = {
    {'1', "Activate Keyvane", 262},
    {'2', "Start / Stop Capture", 263},
    {'3', "Resume Pause", 264},
    {'4', "Menu of Macros for Top Most Window", 265},
};

class MacroFile {
public:
    // Every operation names the file by the settings' Current File.
    MacroFile(Settings& settings, SharedBlock& block, Prompts& prompts, const Clock& clock);

    // Reloads every per-place table from the file at path and makes sure the four SYSTEM
    // macros exist. A missing file is created empty; an existing file that cannot be
    // opened is reported and left alone, never replaced.
    LoadReport LoadMacroFile(const std::string& path);

    // Fills rec with the record at place; leaves it unchanged and returns false when the
    // file or the record cannot be read.
    bool ReadMacroRecord(int place, MacroRecord& rec) const;

    // Writes the record at place (1..500) and refreshes the mirrors. Pass kAppend to add
    // it after the last record: the caller has raised the macro count first and the new
    // place is the count.
    static constexpr int kAppend = 0;
    bool WriteMacroRecord(int place, const MacroRecord& rec);

    // Removes the record and closes the gap. The new file is written beside the old one
    // and renamed over it, so an interruption leaves either the old file or the new one.
    // The caller reloads the tables afterwards.
    bool DeleteMacroRecord(int place);

    // Rewrites only the Active byte of the record at place.
    bool SetMacroActive(int place, bool on);

    // Adds whichever of the four SYSTEM macros is missing, and shows the built-in name of
    // those present (in memory only; the file keeps its own).
    int AddSystemMacros();

    const std::string& Path() const { return settings_.currentFile; }

private:
    void Mirror(int place, const MacroRecord& rec);
    void ReportIoError(const std::string& what, int err) const;

    Settings& settings_;
    SharedBlock& block_;
    Prompts& prompts_;
    const Clock& clock_;
};

// Reads every whole record of a file without changing anything, for listings. Throws
// std::runtime_error with a clear message when the file cannot be read.
struct RecordScan {
    std::vector<MacroRecord> records;
    std::uint64_t extraBytes = 0;
};
RecordScan ScanMacroFile(const std::string& path);

// The file name test of Open and New: the last four characters, upper-cased, are ".KVN".
bool IsMacroFileName(const std::string& path);

// The title the caption shows: the file name without its path and its last four characters.
std::string FileTitle(const std::string& path);

} // namespace kv
