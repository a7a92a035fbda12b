#include "engine/activation/AlarmDialog.h"

#include "engine/core/Limits.h"

namespace kv {

TDoSoundFields AlarmFields(const Settings& settings) {
    return {settings.useWaveFile ? SoundKind::WaveFile : SoundKind::Beep, settings.waveFile,
            settings.waveFileWait};
}

std::optional<DialogRefusal> AlarmOkButtonClick(const TDoSoundFields& f, const PathChecks& paths,
                                                Settings& settings) {
    if (f.kind == SoundKind::WaveFile) {
        if (auto bad = CheckWaveFile(f.progPath, paths))
            return bad;
    }
    settings.useWaveFile = f.kind == SoundKind::WaveFile;
    settings.waveFile = dialog::Field(f.progPath, kPathMax);
    settings.waveFileWait = f.waitFor;
    return std::nullopt;
}

} // namespace kv
