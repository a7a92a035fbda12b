#include "engine/core/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>

using namespace kv;
namespace fs = std::filesystem;

namespace {

class SettingsFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("keyvane-settings-" + std::to_string(std::random_device{}()));
        fs::create_directories(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    std::string Ini() const { return (dir_ / "config" / "KVDEF.INI").string(); }
    std::string DefaultFile() const { return (dir_ / "data" / "KVDEF.KVN").string(); }

    static void WriteText(const fs::path& path, const std::string& text) {
        fs::create_directories(path.parent_path());
        std::ofstream(path, std::ios::binary) << text;
    }
    static std::string ReadText(const fs::path& path) {
        std::stringstream ss;
        ss << std::ifstream(path, std::ios::binary).rdbuf();
        return ss.str();
    }
    Settings Read() const {
        Settings s;
        ReadSettingsFile(Ini(), DefaultFile(), s);
        return s;
    }
    Settings ReadProfile(const std::string& text) const {
        WriteText(Ini(), text);
        return Read();
    }
    std::string ExistingFile(const std::string& name) const {
        WriteText(dir_ / name, "");
        return (dir_ / name).string();
    }

    fs::path dir_;
};

// Settings has no equality; its rows hold every persisted field.
void ExpectSameRows(const Settings& a, const Settings& b) {
    const auto ra = SettingsRows(a), rb = SettingsRows(b);
    ASSERT_EQ(ra.size(), rb.size());
    for (std::size_t i = 0; i < ra.size(); ++i)
        EXPECT_EQ(ra[i].value, rb[i].value) << ra[i].section << " / " << ra[i].key;
}

TEST_F(SettingsFileTest, NoProfileGivesTheDefaultsAndWritesNothing) {
    Settings s;
    s.useTray = true;
    s.names.nickname[7] = "Seven"; // the name tables belong to the macro file
    ReadSettingsFile(Ini(), DefaultFile(), s);
    Settings expected;
    expected.currentFile = DefaultFile();
    ExpectSameRows(s, expected);
    EXPECT_EQ(s.names.nickname[7], "Seven");
    EXPECT_TRUE(fs::is_empty(dir_));
}

TEST_F(SettingsFileTest, BooleansAreTrueOnlyForYesInAnyCase) {
    Settings s = ReadProfile("[misc]\nuse tray=yes\nShow Date=1\nDisable Screen Saver=\n"
                             "[Capture]\nDouble Alt=Yes please\nKeys=  yEs  \nMouse=No\n");
    EXPECT_TRUE(s.useTray);
    EXPECT_FALSE(s.showDate);
    EXPECT_FALSE(s.disableScreenSaver); // present but empty is not the default
    EXPECT_FALSE(s.captureDoubleAlt);
    EXPECT_TRUE(s.captureKeys);
    EXPECT_FALSE(s.captureMouse);
    EXPECT_TRUE(s.captureTime); // missing: default Yes
}

TEST_F(SettingsFileTest, NumbersOutOfRangeOrNotNumbersGiveTheDefault) {
    for (auto [text, expected] : std::vector<std::pair<std::string, int>>{
             {"0", 10}, {"61", 10}, {"-5", 10}, {"60", 60}, {"1", 1}, {"x", 10}, {"65537", 1}})
        EXPECT_EQ(ReadProfile("[Scheduler]\nTimer Seconds=" + text + "\n").timerSeconds, expected)
            << text;
    EXPECT_EQ(ReadProfile("[Network]\nSync Minutes=70000\n").syncMinutes, 70000 - 65536);
    EXPECT_EQ(ReadProfile("[Network]\nSync Minutes=-1\n").syncMinutes, 65535);

    Settings s = ReadProfile("[Main Window]\nWidth=wide\nHeight=12px\nLeft=-20\nTop=+7\n"
                             "Col 1 Width=\nCol 2 Width=1 2\nCol 3 Width=99999999999\n"
                             "[Grid Font]\nColor=-16777208\nSize=0x10\n");
    EXPECT_EQ(s.mainWidth, 640);
    EXPECT_EQ(s.mainHeight, 424);
    EXPECT_EQ(s.mainLeft, -20);
    EXPECT_EQ(s.mainTop, 7);
    EXPECT_EQ(s.col1Width, 112);
    EXPECT_EQ(s.col2Width, 168);
    EXPECT_EQ(s.col3Width, 132); // beyond an int
    EXPECT_EQ(s.gridFont.color, -16777208);
    EXPECT_EQ(s.gridFont.size, 10);
}

TEST_F(SettingsFileTest, LongValuesAreCutToTheirField) {
    const std::string longPath = "/" + std::string(300, 'p');
    Settings s =
        ReadProfile("[Misc]\nPrimary Sort=32145\nScope Sort=5432109\nLast File 1=" + longPath +
                    "\n[Typewords]\nPrefix Keys=;:!\n" +
                    "[Main Window]\nWidth=000000000000000640\n" + // 15 zeros count
                    "[Grid Font]\nFont Name=" + std::string(260, 'f') + "\n");
    EXPECT_EQ(s.primarySort, "321");
    EXPECT_EQ(s.scopeSort, "54321");
    EXPECT_EQ(s.lastFiles[0], longPath.substr(0, 254));
    EXPECT_EQ(s.prefixKeys, ";:");
    EXPECT_EQ(s.mainWidth, 0);
    EXPECT_EQ(s.gridFont.name, std::string(254, 'f'));
}

TEST_F(SettingsFileTest, CurrentFileFallsBackToTheDefaultFile) {
    const std::string kept = ExistingFile("caf\xC3\xA9.kvn"); // UTF-8 on disk
    EXPECT_EQ(ReadProfile("[Misc]\nCurrent File=" + kept + "\n").currentFile,
              (dir_ / "caf\xE9.kvn").string()); // Windows-1252 in the record

    fs::remove(kept); // deleted since: no message, just the default
    EXPECT_EQ(Read().currentFile, DefaultFile());
    EXPECT_EQ(ReadProfile("[Misc]\nCurrent File=\n").currentFile, DefaultFile());
    EXPECT_EQ(ReadProfile("[Misc]\nCurrent File=" + dir_.string() + "\n").currentFile,
              DefaultFile());
}

// Every key is changed from its default, written, and must come back.
TEST_F(SettingsFileTest, WriteThenReadGivesBackEveryValue) {
    const std::string current = ExistingFile("mine.kvn");
    std::string text, section;
    for (const SettingRow& row : SettingsRows(Settings{})) {
        if (row.section != section)
            text += "[" + (section = row.section) + "]\n";
        // A leading 9 changes every number and string, even once cut to its field.
        std::string v = row.value == "Yes" ? "No" : row.value == "No" ? "Yes" : "9" + row.value;
        if (row.key == "Current File")
            v = current;
        else if (row.key == "Timer Seconds")
            v = "60";
        text += row.key + "=" + v + "\n";
    }
    Settings s = ReadProfile(text);
    const auto defaults = SettingsRows(Settings{});
    const auto read = SettingsRows(s);
    for (std::size_t i = 0; i < read.size(); ++i)
        EXPECT_NE(read[i].value, defaults[i].value) << read[i].key;

    s.prefixKeys = " ,"; // a leading blank is a real prefix key
    s.lastFiles = {"/a.kvn", "", "  spaced.kvn ", "\"quoted\"", "/\xE9t\xE9;x=y.kvn"};
    ASSERT_TRUE(WriteSettingsFile(Ini(), s));
    ExpectSameRows(Read(), s);
    EXPECT_NE(ReadText(Ini()).find("Last File 5=/\xC3\xA9t\xC3\xA9;x=y.kvn\n"), std::string::npos);
}

TEST_F(SettingsFileTest, WriteMakesPlainKeyValueLinesInOrderAndNoLeftovers) {
    Settings s;
    s.currentFile = "/m.kvn";
    ASSERT_TRUE(WriteSettingsFile(Ini(), s)); // creates the config directory
    const std::string text = ReadText(Ini());
    EXPECT_EQ(text.rfind("[Misc]\nSystem Menu=1\nPrimary Sort=123\n", 0), 0u) << text;
    EXPECT_NE(text.find("Use Tray=No\nDisable Screen Saver=Yes\nCurrent File=/m.kvn\n"
                        "Last File 1=\nLast File 2=\nLast File 3=\nLast File 4=\nLast File 5=\n"
                        "\n[Capture]\nDouble Alt=Yes\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Case Sensative=Yes\n"), std::string::npos);
    EXPECT_NE(text.find("Italic=No\n\n[Scheduler]\n"), std::string::npos); // Print List Font
    EXPECT_EQ(std::distance(fs::directory_iterator(dir_ / "config"), fs::directory_iterator()), 1);
}

TEST_F(SettingsFileTest, RewriteKeepsTheUsersOwnLines) {
    WriteText(Ini(), "; my profile\n\n[mine]\ncolour = \"blue\"\n"
                     "[misc]\n; tray on the laptop\nuse tray=Yes\nMy Key=abc\n");
    Settings s;
    ASSERT_TRUE(WriteSettingsFile(Ini(), s));
    const std::string text = ReadText(Ini());
    EXPECT_EQ(text.rfind("; my profile\n\n[mine]\ncolour=\"blue\"\n\n[misc]\n", 0), 0u) << text;
    EXPECT_NE(text.find("; tray on the laptop\nuse tray=No\nMy Key=abc\n"), std::string::npos);
    EXPECT_EQ(text.find("Use Tray"), std::string::npos); // replaced, not added twice
    EXPECT_NE(text.find("System Menu=1\n"), std::string::npos);
}

TEST_F(SettingsFileTest, RewriteKeepsALinkAndThePermissions) {
    const fs::path real = dir_ / "dotfiles" / "KVDEF.INI";
    WriteText(real, "[Misc]\nUse Tray=No\n");
    fs::permissions(real, fs::perms::owner_read | fs::perms::owner_write);
    fs::create_directories(fs::path(Ini()).parent_path());
    fs::create_symlink(real, Ini());

    Settings s;
    s.useTray = true;
    ASSERT_TRUE(WriteSettingsFile(Ini(), s));
    EXPECT_TRUE(fs::is_symlink(Ini()));
    EXPECT_NE(ReadText(real).find("Use Tray=Yes"), std::string::npos);
    EXPECT_EQ(fs::status(real).permissions(), fs::perms::owner_read | fs::perms::owner_write);

    WriteText(dir_ / "blocked", "a file where the directory should be");
    EXPECT_FALSE(WriteSettingsFile((dir_ / "blocked" / "KVDEF.INI").string(), s));
}

} // namespace
