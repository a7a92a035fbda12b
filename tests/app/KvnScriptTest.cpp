// kvn script and kvn unscript, run as a user would run them.

#include "support/RunKvn.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

using kv::test::RunKvn;
using kv::test::ShellQuote;

namespace {

class KvnScript : public ::testing::Test {
protected:
    kv::test::KvnResult Kvn(const std::string& args) { return RunKvn(dir.Path().string(), args); }

    // unscript with `script` on standard input.
    kv::test::KvnResult Unscript(const std::string& script) {
        const std::string file = dir.File("script.txt");
        std::ofstream(file, std::ios::binary) << script;
        return Kvn("unscript < " + ShellQuote(file));
    }

    kv::test::TempDir dir;
};

} // namespace

TEST_F(KvnScript, PrintsIndentedLinesWithTheFieldsOfTheirRecords) {
    const auto r =
        Kvn("script --text " + ShellQuote("Caf\xC3\xA9<ENTER><REPEAT:0003><CTLD>x\ty<CTLU><ENDREP>"
                                          "<WPOS:0010,0020Calc><LAUNCH:c:\\np.exe<PARAM>a b>"));
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Text: Caf\xC3\xA9<ENTER>\ttext=Caf\xC3\xA9<ENTER>\n"
                     "Repeat Start: 3\tvalue=3\n"
                     "   Control Key Down\n"
                     "      Text: x\\ty\ttext=x\\ty\n"
                     "   Control Key Up\tcode=2\n"
                     "Repeat End\n"
                     "Reposition Window - \"Calc\" (Left: 10 Top: 20)\ttitle=Calc\t"
                     "widthOrLeft=10\theightOrTop=20\n"
                     "Launch Program: np.exe\tprogram=c:\\\\np.exe\tparameters=a b\n");
    EXPECT_TRUE(r.err.empty()) << r.err;
}

TEST_F(KvnScript, UnscriptTurnsWhatScriptPrintsBackIntoTheMacro) {
    const std::string text =
        "Dear <SHIFT>sir,\r\n\xC3\xA9<REPEAT:0002><I><ENDREP><BEGCLIP>a<ENDCLIP>"
        "<MM/DD/YY{NP007}><hh:mma{Y}><WSIZE:0640,0480\"CURRENT\">"
        "<LAUNCHYES:05Notepad<LAUNCH:np.exe<PARAM>c:\\a.txt><WBW:003>"
        "<REM:tab\there><PAUSE:005,010Insert disk><SPEED:00.25>";
    ASSERT_EQ(Kvn("new " + ShellQuote(dir.File("work.kvn"))).status, 0);
    auto r = Kvn("add " + ShellQuote(dir.File("work.kvn")) + " --timed -t " + ShellQuote(text));
    ASSERT_EQ(r.status, 0) << r.err;

    const auto script = Kvn("script " + ShellQuote(dir.File("work.kvn")) + " 5");
    ASSERT_EQ(script.status, 0) << script.err;
    r = Unscript(script.out);
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, text + "\n");

    // Saving normalises what the editor normalises.
    r = Unscript(Kvn("script --text " + ShellQuote("<DELAY:00002><DD{Y}>")).out);
    EXPECT_EQ(r.out, "<DELAY:02.00><DD{YF000}>\n");
}

TEST_F(KvnScript, UnscriptAcceptsHandWrittenLines) {
    const auto r = Unscript("Text: \ttext=Hello\r\n"
                            "\n"
                            "  Delay\tamount=1.5\r\n"
                            "Clipboard Paste\n"
                            "Just a note\n"
                            "Control Key Up\tcode=2\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, "Hello<DELAY:01.50><CLIPP><CTLU>\n");
    EXPECT_NE(r.err.find("line 5 names no command"), std::string::npos) << r.err;
}

TEST_F(KvnScript, UnscriptCutsAnOverlongMacroWithTheEditorsMessage) {
    const auto r = Unscript("Text: \ttext=" + std::string(4995, 'a') + "\nRepeat Start\tvalue=7\n");
    ASSERT_EQ(r.status, 0) << r.err;
    EXPECT_EQ(r.out, std::string(4995, 'a') + "<REPE\n");
    EXPECT_EQ(r.err, "Error: The size of the macro exceeds the 5000 character limit.  The macro "
                     "will be truncated to 5000 characters.\n");
}

TEST_F(KvnScript, RefusesWhatItCannotRead) {
    auto r = Unscript("Delay\tamount=soon\n");
    EXPECT_EQ(r.status, 1);
    EXPECT_EQ(r.err, "kvn: line 1: \"soon\" is not a value for amount\n");

    r = Kvn("script --text " + ShellQuote("snow \xE2\x98\x83"));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("TEXT"), std::string::npos) << r.err;

    r = Kvn("script --text " + ShellQuote(std::string(5001, 'a')));
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("at most 5000"), std::string::npos) << r.err;

    ASSERT_EQ(Kvn("new " + ShellQuote(dir.File("work.kvn"))).status, 0);
    r = Kvn("script " + ShellQuote(dir.File("work.kvn")) + " 9");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.err.find("has no macro at place 9 (it holds 4)"), std::string::npos) << r.err;

    r = Kvn("script " + ShellQuote(dir.File("work.kvn")));
    EXPECT_NE(r.status, 0);
    EXPECT_TRUE(r.out.empty());
}
