#include "platform/x11/Launcher.h"

#include <gmock/gmock.h>

#include <filesystem>
#include <fstream>

namespace kv::x11 {
namespace {

using ::testing::ElementsAre;
namespace fs = std::filesystem;

TEST(SplitArguments, QuotesAndBackslashesAsAShellReadsThem) {
    EXPECT_THAT(SplitArguments("  a  b\tc "), ElementsAre("a", "b", "c"));
    EXPECT_THAT(SplitArguments("'a b' \"c d\" e\\ f"), ElementsAre("a b", "c d", "e f"));
    EXPECT_THAT(SplitArguments("x'y'\"z\""), ElementsAre("xyz"));
    EXPECT_THAT(SplitArguments("\"say \\\"hi\\\" \\n\""), ElementsAre("say \"hi\" \\n"));
    EXPECT_THAT(SplitArguments("'it''s' \"\""), ElementsAre("its", ""));
    EXPECT_THAT(SplitArguments("$HOME * `ls` ;|&"), ElementsAre("$HOME", "*", "`ls`", ";|&"));
    EXPECT_THAT(SplitArguments(""), ElementsAre());
}

TEST(OpenCommand, ProgramsRunWithTheirArgumentsOthersGoToTheOpener) {
    auto sh = OpenCommand("sh", "-c 'exit 0'");
    ASSERT_TRUE(sh);
    EXPECT_TRUE(sh->program.ends_with("/sh"));
    EXPECT_THAT(sh->arguments, ElementsAre("-c", "exit 0"));

    EXPECT_EQ(OpenCommand("http://example.invalid/x", "ignored"),
              (Command{"xdg-open", {"http://example.invalid/x"}}));
    EXPECT_EQ(OpenCommand("mailto:someone@example.invalid", ""),
              (Command{"xdg-open", {"mailto:someone@example.invalid"}}));

    fs::path doc = fs::temp_directory_path() / "keyvane-launcher-test.txt";
    std::ofstream(doc) << "text";
    EXPECT_EQ(OpenCommand(doc.string(), ""), (Command{"xdg-open", {doc.string()}}));
    fs::remove(doc);

    EXPECT_FALSE(OpenCommand("no-such-program-anywhere-kv", ""));
    EXPECT_FALSE(OpenCommand("/no/such/file", ""));
    EXPECT_FALSE(OpenCommand("", ""));
    // A drive letter is not an address.
    EXPECT_FALSE(OpenCommand("c:\\windows\\notepad.exe", ""));
}

} // namespace
} // namespace kv::x11
