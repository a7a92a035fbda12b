#include "platform/x11/ProcFs.h"

#include "engine/core/Ansi.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace kv::x11 {

namespace fs = std::filesystem;

std::string ProgramOfProcess(int pid, const std::string& procRoot) {
    fs::path dir = fs::path(procRoot) / std::to_string(pid);
    std::error_code ec;
    std::string path = fs::read_symlink(dir / "exe", ec).string();
    if (!ec) {
        // An executable replaced since the start still names the program.
        constexpr std::string_view kDeleted = " (deleted)";
        if (path.ends_with(kDeleted))
            path.resize(path.size() - kDeleted.size());
    } else {
        // Another user's process: its command line is still readable.
        std::ifstream cmdline(dir / "cmdline", std::ios::binary);
        std::getline(cmdline, path, '\0');
    }
    if (path.empty())
        return {};
    return Utf8ToAnsi(fs::path(path).filename().string());
}

std::vector<ProcessInfo> ListProcesses(const std::string& procRoot) {
    std::vector<ProcessInfo> list;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(procRoot, ec)) {
        const std::string name = entry.path().filename().string();
        if (name.empty() ||
            !std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; }))
            continue;
        int pid = std::stoi(name);
        list.push_back(ProcessInfo{pid, ProgramOfProcess(pid, procRoot)});
    }
    std::sort(list.begin(), list.end(),
              [](const ProcessInfo& a, const ProcessInfo& b) { return a.pid < b.pid; });
    return list;
}

} // namespace kv::x11
