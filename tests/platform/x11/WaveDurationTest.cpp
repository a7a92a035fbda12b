#include "platform/qt/WavPlayer.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

namespace kv::qt {
namespace {

QByteArray Le32(std::uint32_t v) {
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b.append(static_cast<char>((v >> (8 * i)) & 0xFF));
    return b;
}

QByteArray Wave(std::uint32_t byteRate, std::uint32_t claimed, int actual, bool listFirst) {
    QByteArray fmt = QByteArray::fromHex("01000100") + Le32(byteRate) + Le32(byteRate) +
                     QByteArray::fromHex("01000800");
    QByteArray body = "WAVE";
    if (listFirst)
        body += "LIST" + Le32(3) + "abc" + QByteArray(1, '\0'); // odd size, padded
    body += "fmt " + Le32(16) + fmt + "data" + Le32(claimed) + QByteArray(actual, '\x80');
    return "RIFF" + Le32(static_cast<std::uint32_t>(body.size())) + body;
}

std::optional<std::chrono::milliseconds> DurationOf(const QByteArray& bytes) {
    QTemporaryDir dir;
    QString path = dir.filePath("t.wav");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(bytes);
    f.close();
    return WaveDuration(path);
}

TEST(WaveDuration, FromTheHeaderAndTheBytesThatAreThere) {
    EXPECT_EQ(DurationOf(Wave(8000, 8000, 8000, false)), std::chrono::milliseconds(1000));
    EXPECT_EQ(DurationOf(Wave(8000, 4000, 4000, true)), std::chrono::milliseconds(500));
    // A header written before the length was known.
    EXPECT_EQ(DurationOf(Wave(8000, 0xFFFFFFFF, 2000, false)), std::chrono::milliseconds(250));
}

TEST(WaveDuration, OtherFilesAreNotWaves) {
    EXPECT_FALSE(DurationOf("not a wave file at all"));
    EXPECT_FALSE(DurationOf(Wave(0, 100, 100, false)));
    EXPECT_FALSE(WaveDuration("/no/such/file.wav"));
}

} // namespace
} // namespace kv::qt
