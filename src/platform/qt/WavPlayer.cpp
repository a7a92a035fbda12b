#include "platform/qt/WavPlayer.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

namespace kv::qt {

namespace {

std::uint32_t Le32(const char* p) {
    auto b = [&](int i) { return static_cast<std::uint32_t>(static_cast<unsigned char>(p[i])); };
    return b(0) | (b(1) << 8) | (b(2) << 16) | (b(3) << 24);
}

} // namespace

std::optional<std::chrono::milliseconds> WaveDuration(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    QByteArray head = file.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return std::nullopt;
    std::uint32_t byteRate = 0;
    while (true) {
        QByteArray chunk = file.read(8);
        if (chunk.size() < 8)
            return std::nullopt;
        std::uint32_t size = Le32(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            QByteArray fmt = file.read(size);
            if (fmt.size() < 16)
                return std::nullopt;
            byteRate = Le32(fmt.constData() + 8);
            if (size % 2)
                file.read(1);
        } else if (chunk.startsWith("data")) {
            if (byteRate == 0)
                return std::nullopt;
            // A header written before the length was known claims more than the file has.
            auto available = static_cast<std::uint64_t>(file.size() - file.pos());
            std::uint64_t bytes = std::min<std::uint64_t>(size, available);
            return std::chrono::milliseconds(bytes * 1000 / byteRate);
        } else if (!file.seek(file.pos() + size + (size % 2))) {
            return std::nullopt;
        }
    }
}

WavPlayer::WavPlayer() = default;
WavPlayer::~WavPlayer() = default;

bool WavPlayer::Play(const QString& path, bool wait) {
    if (current_) {
        current_->stop();
        current_.reset();
    }
    std::optional<std::chrono::milliseconds> duration = WaveDuration(path);
    if (!duration)
        return false;
    QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return false;
    current_ = std::make_unique<QSoundEffect>(device);
    QSoundEffect* effect = current_.get();
    effect->setSource(QUrl::fromLocalFile(path));
    effect->play(); // starts once loaded
    if (!wait)
        return true;

    QEventLoop loop;
    bool started = false;
    QObject::connect(effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (effect->isPlaying())
            started = true;
        else if (started)
            loop.quit();
    });
    QObject::connect(effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect->status() == QSoundEffect::Error)
            loop.quit();
    });
    // Whatever the audio system does, the wait ends: the sound's length and some slack.
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, &loop, &QEventLoop::quit);
    guard.start(*duration + std::chrono::seconds(3));
    if (effect->status() != QSoundEffect::Error && !(started && !effect->isPlaying()))
        loop.exec();
    bool played = started;
    current_.reset();
    return played;
}

} // namespace kv::qt
