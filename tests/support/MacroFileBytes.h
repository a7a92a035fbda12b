#pragma once
// Macro files written byte for byte, as a test sets the stage before Keyvane reads them.

#include "engine/core/MacroRecord.h"
#include "support/TempDir.h"

#include <string>
#include <vector>

namespace kv::test {

// The bytes of a macro file holding these records in this order.
inline std::vector<unsigned char> MacroFileBytes(const std::vector<MacroRecord>& records) {
    std::vector<unsigned char> bytes;
    for (const MacroRecord& r : records) {
        const RecordBytes b = r.Pack();
        bytes.insert(bytes.end(), b.begin(), b.end());
    }
    return bytes;
}

inline void WriteMacroFile(const std::string& path, const std::vector<MacroRecord>& records) {
    WriteBytes(path, MacroFileBytes(records));
}

} // namespace kv::test
