#pragma once
// Where Keyvane keeps its files. The caller passes the environment in, so the engine
// itself never reads process-wide state.

#include <functional>
#include <string>

namespace kv {

struct KeyvanePaths {
    std::string dataDir;    // default macro file, icons, capture scratch files, trace
    std::string configDir;  // the profile KVDEF.INI
    std::string runtimeDir; // the single-instance lock

    std::string DefaultMacroFile() const { return dataDir + "/KVDEF.KVN"; }
    std::string ProfileFile() const { return configDir + "/KVDEF.INI"; }
};

// KEYVANE_HOME=DIR puts everything under DIR (DIR/data, DIR/config, DIR/run); otherwise
// the XDG directories apply, with their usual fallbacks under HOME.
using EnvLookup = std::function<const char*(const char*)>;
KeyvanePaths ResolvePaths(const EnvLookup& env);

} // namespace kv
