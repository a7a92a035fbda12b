#pragma once
// Wave files through Qt Multimedia, like sndPlaySound: one sound at a time, a new one stops
// the last; waiting blocks in the event loop until the sound has ended. A missing file, a
// file that is not a wave file and a machine without audio output are all silent.

#include <QString>

#include <chrono>
#include <memory>
#include <optional>

class QSoundEffect;

namespace kv::qt {

// The playing time of a PCM wave file from its header; nullopt when it is not one.
std::optional<std::chrono::milliseconds> WaveDuration(const QString& path);

class WavPlayer {
public:
    WavPlayer();
    ~WavPlayer();

    // Returns false when nothing could be played.
    bool Play(const QString& path, bool wait);

private:
    std::unique_ptr<QSoundEffect> current_;
};

} // namespace kv::qt
