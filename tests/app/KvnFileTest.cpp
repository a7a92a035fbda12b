// kvn new, list, show and add, run as a user would run them.

#include "engine/core/MacroRecord.h"
#include "support/RunKvn.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <filesystem>

using namespace kv;
using test::RunKvn;
using test::ShellQuote;

namespace {

class KvnFile : public ::testing::Test {
protected:
    test::KvnResult Kvn(const std::string& args) { return RunKvn(dir.Path().string(), args); }
    std::string File() const { return ShellQuote(dir.File("work.kvn")); }

    test::TempDir dir;
};

TEST_F(KvnFile, NewCreatesTheFourSystemMacrosAndListShowsThem) {
    auto r = Kvn("new " + File());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(std::filesystem::file_size(dir.File("work.kvn")), 4 * kRecordSize);

    r = Kvn("list " + File());
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "1\tCtrl+Alt+Shift+W\tActivate Keyvane\tSYSTEM\ton\n"
                     "2\tCtrl+Alt+Shift+X\tStart / Stop Capture\tSYSTEM\ton\n"
                     "3\tCtrl+Alt+Shift+Y\tResume Pause\tSYSTEM\ton\n"
                     "4\tCtrl+Alt+Shift+Z\tMenu of Macros for Top Most Window\tSYSTEM\ton\n");

    // new on an existing complete file changes nothing.
    const auto before = test::ReadBytes(dir.File("work.kvn"));
    ASSERT_EQ(Kvn("new " + File()).status, 0);
    EXPECT_EQ(test::ReadBytes(dir.File("work.kvn")), before);
}

TEST_F(KvnFile, AddAppendsMacrosThatListAndShowReadBack) {
    ASSERT_EQ(Kvn("new " + File()).status, 0);
    auto r = Kvn("add " + File() + " -n Greeting -k Ctrl+G -t " + ShellQuote("Caf\xC3\xA9<ENTER>"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "5\n");
    r = Kvn("add " + File() + " -n Sig -w sig --scope window --scope-name Mail --if-running -t x");
    ASSERT_EQ(r.status, 0) << r.err;
    r = Kvn("add " + File() + " -n Tick --timed --scope program --scope-name gedit --off -t t");
    ASSERT_EQ(r.status, 0) << r.err;

    r = Kvn("list " + File());
    EXPECT_NE(r.out.find("5\tCtrl+G\tGreeting\tGLOBAL\ton\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("6\tsig\tSig\tWindow: Mail\ton\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("7\tTimed Macro\tTick\tProgram: gedit\toff\n"), std::string::npos);

    r = Kvn("show " + File() + " 5");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_NE(r.out.find("Nickname: Greeting\n"), std::string::npos);
    EXPECT_NE(r.out.find("Activation: 6 (Ctrl+G)\n"), std::string::npos);
    EXPECT_NE(r.out.find("Top Most Only: 1\n"), std::string::npos);
    EXPECT_EQ(r.out.substr(r.out.rfind("Text: ")), "Text: Caf\xC3\xA9<ENTER>\n");

    // The record on disk holds Windows-1252, not UTF-8.
    const auto bytes = test::ReadBytes(dir.File("work.kvn"));
    EXPECT_EQ(bytes[4 * kRecordSize + 100 + 3], 0xE9);
    EXPECT_EQ(Kvn("show " + File() + " 6").out.find("Top Most Only: 0\n") != std::string::npos,
              true);
}

TEST_F(KvnFile, AddMakesTheDialogsChecks) {
    ASSERT_EQ(Kvn("new " + File()).status, 0);
    auto r = Kvn("add " + File() + " -w " + ShellQuote("it's"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("The Typeword name has invalid characters in it."), std::string::npos);

    r = Kvn("add " + File() + " -k Ctrl+Alt+Shift+W -t x"); // a SYSTEM macro's key
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("is already in use by a macro"), std::string::npos) << r.err;

    r = Kvn("add " + File() + " -k Ctrl+Alt+Shift+W --scope window --scope-name Edit -t x");
    EXPECT_EQ(r.status, 0) << r.err; // a window macro may share it

    r = Kvn("add " + File() + " -k No+Such+Key -t x");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("unknown hot key name"), std::string::npos);

    r = Kvn("add " + File() + " -k Win+D -t x");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("may be used internally"), std::string::npos);
    EXPECT_EQ(Kvn("add " + File() + " -k Win+D -t x --yes").status, 0);

    r = Kvn("add " + File() + " --scope window -w abc -t x");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("No window title has been entered.  Please correct."), std::string::npos);

    EXPECT_EQ(Kvn("add " + File() + " -t x").status, 2); // no activation: a usage error
    EXPECT_EQ(Kvn("add " + ShellQuote(dir.File("missing.kvn")) + " --timed").status, 1);
}

TEST_F(KvnFile, AddSchedulesTimedMacrosWithTheScheduleDialogsChecks) {
    ASSERT_EQ(Kvn("new " + File()).status, 0);
    auto r = Kvn("add " + File() + " -n Often --every 7 -t x");
    ASSERT_EQ(r.status, 0) << r.err;
    r = Kvn("show " + File() + " 5");
    EXPECT_NE(r.out.find("Activation: 10000 (Timed Macro)"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Schedule kind: 6\n"), std::string::npos);
    EXPECT_NE(r.out.find("Schedule interval minutes: 7\n"), std::string::npos);

    r = Kvn("add " + File() + " -n Evening --daily 9:05PM -t x");
    ASSERT_EQ(r.status, 0) << r.err;
    r = Kvn("show " + File() + " 6");
    EXPECT_NE(r.out.find("Schedule kind: 3\n"), std::string::npos) << r.out;
    EXPECT_NE(r.out.find("Schedule hour: 9\nSchedule minute: 5\nSchedule PM: 1"),
              std::string::npos);

    r = Kvn("add " + File() + " --every 0 -t x");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Invalid minutes specified.  Must be between 1 and 720."),
              std::string::npos)
        << r.err;
    EXPECT_EQ(Kvn("add " + File() + " --every 5 -k Ctrl+Alt+N -t x").status, 2);
    EXPECT_EQ(Kvn("list " + File()).out.find("\n7\t"), std::string::npos); // nothing added
}

TEST_F(KvnFile, AddRefusesTheFiveHundredAndFirstMacro) {
    std::vector<unsigned char> bytes;
    for (int i = 0; i < 500; ++i) {
        MacroRecord m;
        m.nickname = "m";
        m.activation = 10000;
        m.scope = static_cast<std::uint16_t>(i < 4 ? 5 : 1);
        m.scopeName = i < 4 ? std::string(1, static_cast<char>('1' + i)) : "";
        const auto b = m.Pack();
        bytes.insert(bytes.end(), b.begin(), b.end());
    }
    test::WriteBytes(dir.File("work.kvn"), bytes);
    const auto r = Kvn("add " + File() + " --timed");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("Maximum number of hot keys has been reached.  Add not allowed."),
              std::string::npos);
    EXPECT_EQ(test::ReadBytes(dir.File("work.kvn")), bytes);
}

TEST_F(KvnFile, ErrorsAreOneLineWithStatusOne) {
    auto r = Kvn("list " + ShellQuote(dir.File("missing.kvn")));
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1);
    EXPECT_EQ(r.err.rfind("kvn: ", 0), 0u);

    ASSERT_EQ(Kvn("new " + File()).status, 0);
    r = Kvn("show " + File() + " 9");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("no macro at place 9"), std::string::npos);

    EXPECT_EQ(Kvn("frobnicate").status, 2);
    EXPECT_EQ(Kvn("show " + File() + " notanumber").status, 2);
}

TEST_F(KvnFile, ListReportsDamageWithoutChangingTheFile) {
    ASSERT_EQ(Kvn("new " + File()).status, 0);
    auto bytes = test::ReadBytes(dir.File("work.kvn"));
    bytes.resize(bytes.size() + 17, 0x42);
    test::WriteBytes(dir.File("work.kvn"), bytes);
    const auto r = Kvn("list " + File());
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.err.find("17 bytes"), std::string::npos);
    EXPECT_EQ(test::ReadBytes(dir.File("work.kvn")), bytes);
}

} // namespace
