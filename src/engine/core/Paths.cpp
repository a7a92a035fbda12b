#include "engine/core/Paths.h"

namespace kv {
namespace {

std::string Get(const EnvLookup& env, const char* name) {
    const char* v = env(name);
    return v ? std::string(v) : std::string();
}

} // namespace

KeyvanePaths ResolvePaths(const EnvLookup& env) {
    KeyvanePaths p;
    if (std::string home = Get(env, "KEYVANE_HOME"); !home.empty()) {
        p.dataDir = home + "/data";
        p.configDir = home + "/config";
        p.runtimeDir = home + "/run";
        return p;
    }
    const std::string userHome = Get(env, "HOME");
    std::string data = Get(env, "XDG_DATA_HOME");
    if (data.empty())
        data = userHome + "/.local/share";
    std::string config = Get(env, "XDG_CONFIG_HOME");
    if (config.empty())
        config = userHome + "/.config";
    p.dataDir = data + "/keyvane";
    p.configDir = config + "/keyvane";
    p.runtimeDir = Get(env, "XDG_RUNTIME_DIR");
    if (p.runtimeDir.empty())
        p.runtimeDir = p.dataDir;
    return p;
}

} // namespace kv
