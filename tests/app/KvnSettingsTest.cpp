// kvn settings, run as a program with KEYVANE_HOME in a temporary directory.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

class KvnSettingsTest : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = fs::temp_directory_path() /
                ("keyvane-kvn-settings-" + std::to_string(std::random_device{}()));
        fs::create_directories(home_);
    }
    void TearDown() override { fs::remove_all(home_); }

    std::string Run() const {
        const std::string command =
            "KEYVANE_HOME='" + home_.string() + "' '" KVN_PATH "' settings 2>&1";
        std::string out;
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe)
            return out;
        char buffer[4096];
        while (std::size_t n = fread(buffer, 1, sizeof buffer, pipe))
            out.append(buffer, n);
        status_ = pclose(pipe);
        return out;
    }

    fs::path home_;
    mutable int status_ = -1;
};

TEST_F(KvnSettingsTest, WithoutAProfileShowsTheDefaultsAndCreatesNothing) {
    const std::string out = Run();
    EXPECT_EQ(status_, 0);
    EXPECT_EQ(out.rfind("[Misc]\nSystem Menu=1\nPrimary Sort=123\n", 0), 0u) << out;
    EXPECT_NE(out.find("Current File=" + (home_ / "data" / "KVDEF.KVN").string() + "\n"),
              std::string::npos);
    EXPECT_NE(out.find("Last File 5=\n\n[Capture]\nDouble Alt=Yes\n"), std::string::npos) << out;
    EXPECT_NE(out.find("[Scheduler]\nUse Wave File=No\nWave File Wait=No\nWave File=\n"
                       "Timer Seconds=10\n"),
              std::string::npos);
    EXPECT_TRUE(fs::is_empty(home_));
}

TEST_F(KvnSettingsTest, ShowsTheProfileAsKeyvaneReadsIt) {
    fs::create_directories(home_ / "config");
    std::ofstream(home_ / "config" / "KVDEF.INI") << "[scheduler]\n"
                                                     "timer seconds=0\n"
                                                     "Wave File=/snd/\xC3\xA9t\xC3\xA9.wav\n"
                                                     "[Misc]\nUse Tray=yes\n";
    const auto before = fs::last_write_time(home_ / "config" / "KVDEF.INI");
    const std::string out = Run();
    EXPECT_EQ(status_, 0);
    EXPECT_NE(out.find("Use Tray=Yes\n"), std::string::npos) << out;
    EXPECT_NE(out.find("Wave File=/snd/\xC3\xA9t\xC3\xA9.wav\nTimer Seconds=10\n"),
              std::string::npos)
        << out;
    EXPECT_EQ(fs::last_write_time(home_ / "config" / "KVDEF.INI"), before);
    EXPECT_FALSE(fs::exists(home_ / "data"));
}

} // namespace
