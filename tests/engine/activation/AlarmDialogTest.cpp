#include "engine/activation/AlarmDialog.h"

#include <gtest/gtest.h>

#include <set>

using namespace kv;

namespace {

class FakePaths : public PathChecks {
public:
    std::set<std::string, std::less<>> files;
    std::optional<std::string> ShortFilePath(std::string_view path) const override {
        return files.contains(path) ? std::optional<std::string>(path) : std::nullopt;
    }
    bool DirectoryExists(std::string_view) const override { return false; }
};

TEST(AlarmDialogTest, ShowsTheSettings) {
    Settings s;
    EXPECT_EQ(AlarmFields(s).kind, SoundKind::Beep);
    s.useWaveFile = true;
    s.waveFile = "/snd/bell.wav";
    s.waveFileWait = true;
    const TDoSoundFields f = AlarmFields(s);
    EXPECT_EQ(f.kind, SoundKind::WaveFile);
    EXPECT_EQ(f.progPath, "/snd/bell.wav");
    EXPECT_TRUE(f.waitFor);
}

TEST(AlarmDialogTest, AWaveFileMustExist) {
    Settings s;
    FakePaths paths;
    const auto bad = AlarmOkButtonClick({SoundKind::WaveFile, "/snd/none.wav", true}, paths, s);
    ASSERT_TRUE(bad);
    EXPECT_EQ(bad->message.text, "Specified WAV File does not exist.  Please correct.");
    EXPECT_EQ(bad->message.caption, "Error");
    EXPECT_EQ(bad->focus, "ProgPath");
    EXPECT_FALSE(s.useWaveFile);
    EXPECT_EQ(s.waveFile, "");

    paths.files.insert("/snd/bell.wav");
    EXPECT_FALSE(AlarmOkButtonClick({SoundKind::WaveFile, " /snd/bell.wav ", true}, paths, s));
    EXPECT_TRUE(s.useWaveFile);
    EXPECT_TRUE(s.waveFileWait);
    EXPECT_EQ(s.waveFile, "/snd/bell.wav");
}

TEST(AlarmDialogTest, NoneSwitchesTheSoundOffAndKeepsThePath) {
    Settings s;
    s.useWaveFile = true;
    const FakePaths paths; // the file is gone: None needs none
    EXPECT_FALSE(AlarmOkButtonClick({SoundKind::Beep, "/snd/gone.wav", false}, paths, s));
    EXPECT_FALSE(s.useWaveFile);
    EXPECT_FALSE(s.waveFileWait);
    EXPECT_EQ(s.waveFile, "/snd/gone.wav");
}

} // namespace
