#pragma once
// Processes and their program files, read from /proc.

#include "engine/ports/Windows.h"

#include <string>
#include <vector>

namespace kv::x11 {

// Every process in ascending id order; `program` as ProgramOfProcess gives it.
std::vector<ProcessInfo> ListProcesses(const std::string& procRoot = "/proc");

// The file name of the process's executable (/proc/<pid>/exe, not the 15-character comm),
// else of its first argument; Windows-1252; empty when neither can be read.
std::string ProgramOfProcess(int pid, const std::string& procRoot = "/proc");

} // namespace kv::x11
