#include "engine/core/LastFiles.h"

namespace kv {

void DoLastFiles(Settings& settings, const std::string& oldFile, const std::string& newFile) {
    auto& files = settings.lastFiles;
    for (std::size_t k = 0; k < files.size(); ++k) {
        if (files[k] == newFile) {
            for (std::size_t j = k; j + 1 < files.size(); ++j)
                files[j] = files[j + 1];
            files.back().clear();
            break;
        }
    }
    for (std::size_t j = files.size() - 1; j > 0; --j)
        files[j] = files[j - 1];
    files[0] = oldFile;
}

LastFilesMenu SetMenuLastFiles(const Settings& settings) {
    LastFilesMenu menu;
    for (std::size_t k = 0; k < settings.lastFiles.size(); ++k) {
        if (settings.lastFiles[k].empty())
            continue;
        menu.separatorVisible = true;
        menu.captions[k] = "&" + std::to_string(k + 1) + "   " + settings.lastFiles[k];
    }
    return menu;
}

} // namespace kv
