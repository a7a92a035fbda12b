// kvn play --dry-run: the trace a user reads before letting a macro loose.

#include "support/RunKvn.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

using kv::test::RunKvn;
using kv::test::ShellQuote;

namespace {

class KvnPlay : public ::testing::Test {
protected:
    kv::test::KvnResult Kvn(const std::string& args) { return RunKvn(dir.Path().string(), args); }
    kv::test::TempDir dir;
};

TEST_F(KvnPlay, DryRunPrintsOneLinePerEvent) {
    const auto r =
        Kvn("play --dry-run " + ShellQuote("a<LCLK><WBW:002><MMS:00012,00034><MSD:0250>"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "down 41\nup 41\nbutton left down\nbutton left up\nwheel -2\nmove 12 34\n"
                     "wait 250\n");
}

TEST_F(KvnPlay, TheFakeWorldComesFromTheOptions) {
    const auto r =
        Kvn("play --dry-run --window Mail --window " + ShellQuote("Untitled - Notepad") +
            " --answer abc --answer 2 --caps-lock --now " + ShellQuote("2001-03-05 13:07:09") +
            " " + ShellQuote("<ACTIVATE:notepad><PROMPTREP><I><ENDREP><hh{N}>\xC3\xA9"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "down 14\nup 14\n"
                     "activate Untitled - Notepad\n"
                     "main-window hide\n"
                     "prompt repeat abc -> message Error: Invalid numeric value entered.  Please "
                     "Correct\n"
                     "prompt repeat -> 2\n"
                     "activate Untitled - Notepad\n"
                     "down 31\nup 31\ndown 32\nup 32\n"
                     "down 31\nup 31\ndown 33\nup 33\n"
                     "altcode 0233\n"
                     "down 14\nup 14\n");
}

TEST_F(KvnPlay, ARepeatableOptionTakesOneValueAndLeavesTheMacroText) {
    for (const std::string& option :
         {"--window " + ShellQuote("Untitled - Notepad"), std::string("--program notepad"),
          std::string("--answer 2")}) {
        const auto r = Kvn("play --dry-run " + option + " x");
        EXPECT_EQ(r.status, 0) << option << ": " << r.err;
        EXPECT_EQ(r.out, "down 58\nup 58\n") << option;
    }
}

TEST_F(KvnPlay, PlaysARecordOfAFile) {
    const std::string file = ShellQuote(dir.File("w.kvn"));
    ASSERT_EQ(Kvn("new " + file).status, 0);
    ASSERT_EQ(Kvn("add " + file + " -n Stop -k Ctrl+P -t " + ShellQuote("<PAUSE>x")).status, 0);
    const auto r = Kvn("play --dry-run --answer Abort --file " + file + " --place 5");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "main-window hide\npause 400 337 224x94 Pause (Ctrl+P) -> Abort\n"
                     "main-window show\n");
}

TEST_F(KvnPlay, BadOptionsAreRefused) {
    EXPECT_EQ(Kvn("play --dry-run --now yesterday x").status, 1);
    EXPECT_EQ(Kvn("play --dry-run").status, 2);
    EXPECT_EQ(Kvn("play --dry-run " + ShellQuote("\xE2\x98\x83")).status, 1);
    EXPECT_EQ(
        Kvn("play --dry-run --file " + ShellQuote(dir.File("none.kvn")) + " --place 1").status, 1);
}

} // namespace
