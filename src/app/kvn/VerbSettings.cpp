// kvn settings: the effective settings of the profile, as Keyvane would read them.

#include "app/kvn/Kvn.h"

#include "engine/core/Ansi.h"
#include "engine/core/SettingsFile.h"

#include <iostream>

namespace kvn {

void AddSettingsVerb(CLI::App& app) {
    CLI::App* verb = app.add_subcommand(
        "settings", "Show the effective settings of the profile KVDEF.INI, section by section");
    verb->callback([] {
        const kv::KeyvanePaths paths = Paths();
        kv::Settings settings;
        kv::ReadSettingsFile(paths.ProfileFile(), paths.DefaultMacroFile(), settings);
        std::string section;
        for (const kv::SettingRow& row : kv::SettingsRows(settings)) {
            if (row.section != section) {
                if (!section.empty())
                    std::cout << '\n';
                section = row.section;
                std::cout << '[' << section << "]\n";
            }
            std::cout << row.key << '=' << kv::AnsiToUtf8(row.value) << '\n';
        }
        std::cout.flush();
        if (!std::cout)
            throw KvnError("could not write the settings");
    });
}

} // namespace kvn
