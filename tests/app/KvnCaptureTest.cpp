// kvn capture --from-trace: a dry run's events captured back into macro text, which plays
// as the same events.

#include "support/RunKvn.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <fstream>

using kv::test::RunKvn;
using kv::test::ShellQuote;

namespace {

class KvnCapture : public ::testing::Test {
protected:
    kv::test::KvnResult Kvn(const std::string& args) { return RunKvn(dir.Path().string(), args); }

    // The trace of a dry run of `text`, in a file.
    std::string Trace(const std::string& text, const std::string& playOptions = "") {
        const auto r = Kvn("play --dry-run " + playOptions + " " + ShellQuote(text));
        EXPECT_EQ(r.status, 0) << r.err;
        return Write(r.out);
    }
    std::string Write(const std::string& contents) {
        const std::string path = dir.File("trace" + std::to_string(++files_) + ".txt");
        std::ofstream(path, std::ios::binary) << contents;
        return ShellQuote(path);
    }
    std::string Capture(const std::string& file, const std::string& options = "") {
        const auto r = Kvn("capture --from-trace " + file + " " + options);
        EXPECT_EQ(r.status, 0) << r.err;
        return r.out;
    }

    kv::test::TempDir dir;
    int files_ = 0;
};

TEST_F(KvnCapture, ADryRunCapturedPlaysTheSameEvents) {
    for (const std::string text :
         {"Hello, <World>!<TAB>\xC3\xA9<ENTER>",
          "<CTRL>c<ALTD><TAB><MSD:0120><TAB><ALTU><WIND>r<WINU>",
          "<MMS:00010,00020><LDCLK><MSD:9999><MSD:0001><MMS:00030,00040><RDN><DELAY:00002>"
          "<MMS:00050,00060><RUP><WBW:004>",
          "<SHIFT><F5><KEYP7><CTLD><MMS:00001,00001><MCLK><CTLU><ALT><ALT>x"}) {
        const std::string played = Trace(text);
        std::string captured = Capture(played, "--time --double-alt");
        ASSERT_FALSE(captured.empty());
        captured.pop_back(); // the line feed
        const auto again = Kvn("play --dry-run " + ShellQuote(captured));
        EXPECT_EQ(again.out, kv::test::ReadAll(dir.File("trace" + std::to_string(files_) + ".txt")))
            << text << " -> " << captured;
    }
}

TEST_F(KvnCapture, OptionsChooseWhatIsWritten) {
    const std::string trace =
        Trace("ab<MSD:0250><MMS:00110,00070><LCLK><MSD:0050><ALT><ALT><SHIFT>c");
    EXPECT_EQ(Capture(trace), "ab<MMS:00110,00070><LCLK>C\n");
    EXPECT_EQ(Capture(trace, "--time --double-alt"),
              "<SPEED:00001>ab<MSD:0250><MMS:00110,00070><LCLK><MSD:0050><ALT><ALT>C\n");
    EXPECT_EQ(Capture(trace, "--time --speed double"),
              "<SPEED:00.50>ab<MSD:0250><MMS:00110,00070><LCLK><MSD:0050>C\n");
    EXPECT_EQ(Capture(trace, "--no-keys --time --speed quadruple"),
              "<SPEED:00.25><MMS:00110,00070><LCLK>\n");
    EXPECT_EQ(Capture(trace, "--no-mouse"), "abC\n");
    EXPECT_EQ(Capture(trace, "--window 100,50,640,480 --window-size"),
              "ab<WSIZE:0640,0480\"CURRENT\"><MMW:00010,00020><LCLK>C\n");
    const auto piped = Kvn("capture --from-trace - --no-mouse < " + trace);
    EXPECT_EQ(piped.out, "abC\n");
}

TEST_F(KvnCapture, ABadLineOrOptionIsRefused) {
    const auto bad = Kvn("capture --from-trace " + Write("down 41\nactivate Mail\nmove 12\n"));
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.err, "kvn: line 3: \"move 12\": wants two numbers, X and Y\n");
    EXPECT_EQ(Kvn("capture --from-trace " + ShellQuote(dir.File("none.txt"))).status, 1);
    const std::string trace = Write("down 41\nup 41\n");
    EXPECT_EQ(Kvn("capture --from-trace " + trace + " --window 1,2,3").status, 2);
    EXPECT_EQ(Kvn("capture --from-trace " + trace + " --speed double").status, 2);
    EXPECT_EQ(Kvn("capture --from-trace " + trace + " --time --speed fast").status, 2);
    EXPECT_EQ(Kvn("capture --from-trace " + trace + " --window-size").status, 2);
    EXPECT_EQ(Kvn("capture").status, 2);
}

} // namespace
