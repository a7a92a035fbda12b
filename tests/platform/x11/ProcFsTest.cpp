#include "platform/x11/ProcFs.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace kv::x11 {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::Field;

class FakeProc : public ::testing::Test {
protected:
    void SetUp() override {
        root_ = fs::temp_directory_path() / ("keyvane-proc-" + std::to_string(getpid()));
        fs::create_directories(root_);
    }
    void TearDown() override { fs::remove_all(root_); }
    fs::path Process(int pid) {
        fs::path p = root_ / std::to_string(pid);
        fs::create_directories(p);
        return p;
    }
    fs::path root_;
};

TEST_F(FakeProc, ProgramIsTheExecutablesFileNameNotItsShortName) {
    fs::create_symlink("/opt/tools/a-rather-long-program-name", Process(40) / "exe");
    fs::create_symlink("/usr/bin/editor (deleted)", Process(7) / "exe");
    std::ofstream(Process(300) / "cmdline", std::ios::binary) << std::string("/opt/X/Prog\0-x", 14);
    Process(5); // a kernel thread: nothing to read
    fs::create_directories(root_ / "self");
    EXPECT_EQ(ProgramOfProcess(40, root_.string()), "a-rather-long-program-name");
    EXPECT_EQ(ProgramOfProcess(7, root_.string()), "editor");
    EXPECT_EQ(ProgramOfProcess(300, root_.string()), "Prog");
    EXPECT_EQ(ProgramOfProcess(5, root_.string()), "");
    EXPECT_THAT(ListProcesses(root_.string()),
                ElementsAre(Field(&ProcessInfo::pid, 5), Field(&ProcessInfo::pid, 7),
                            Field(&ProcessInfo::pid, 40), Field(&ProcessInfo::pid, 300)));
}

TEST(RealProc, FindsThisTestProgram) {
    EXPECT_EQ(ProgramOfProcess(getpid()), "platform_x11_tests");
    auto all = ListProcesses();
    EXPECT_THAT(all, ::testing::Contains(Field(&ProcessInfo::pid, getpid())));
}

} // namespace
} // namespace kv::x11
