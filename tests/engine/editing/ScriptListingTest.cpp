#include "engine/editing/ScriptListing.h"
#include "engine/editing/ScriptView.h"
#include "engine/editing/TagWriter.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

ScriptLine Parsed(std::string_view text) {
    auto parsed = ParseScriptLine(text);
    if (const auto* error = std::get_if<std::string>(&parsed)) {
        ADD_FAILURE() << text << ": " << *error;
        return {};
    }
    return std::get<ScriptLine>(parsed);
}

std::string ErrorOf(std::string_view text) {
    auto parsed = ParseScriptLine(text);
    const auto* error = std::get_if<std::string>(&parsed);
    return error ? *error : "accepted";
}

} // namespace

TEST(ScriptListing, EscapesEveryByteThatWouldBreakALine) {
    std::string all;
    for (int b = 1; b < 256; ++b)
        all += static_cast<char>(b);
    const std::string escaped = EscapeListed(all);
    EXPECT_EQ(escaped.find_first_of("\t\r\n"), std::string::npos);
    EXPECT_EQ(UnescapeListed(escaped), all);
    EXPECT_EQ(EscapeListed("c:\\a\tb\r\n\x01\x81"), "c:\\\\a\\tb\\r\\n\\x01\\x81");
    // A backslash that starts no escape is itself.
    EXPECT_EQ(UnescapeListed("c:\\windows\\x4"), "c:\\windows\\x4");
}

TEST(ScriptListing, EveryLineListsAndParsesBackToItself) {
    std::vector<ScriptLine> lines = BuildTheScript(
        "a\tb\r\n<REPEAT:0003><CTLD>x<CTLU><ENDREP><MM/DD/YY{NP007}><hh:mm am{N}>"
        "<WSIZE:0640,0480\"CURRENT\"><WPOS:0001,0002Calc><MMS:00100,00200><RDCLK><WBW:003>"
        "<LAUNCHNO:05Untitled - Notepad<LAUNCH:c:\\windows\\notepad.exe<PARAM>c:\\a.txt>"
        "<SPEED:00.50><REM:a remark><PAUSE:005,010Insert disk><WAV2:c:\\x.wav><MSD:0250>"
        "<COPYFILE:a.txt;b.txt><BEGCLIP>y<ENDCLIP><WHIDE:\"CURRENT\"><SPKEY:0020><PROMPTREP><II>");
    SetIndents(lines);
    for (const ScriptLine& line : lines)
        EXPECT_EQ(Parsed(ListScriptLine(line)), line) << ListScriptLine(line);
}

TEST(ScriptListing, FieldsThatKeepTheirDefaultsAreLeftOut) {
    const std::vector<ScriptLine> lines =
        BuildTheScript("<CLIPP><CTLU><DELAY:02.50><MMS:00100,00200><REPEAT:0001>");
    EXPECT_EQ(ListScriptLine(lines[0]), "Clipboard Paste");
    EXPECT_EQ(ListScriptLine(lines[1]), "Control Key Up\tcode=2");
    EXPECT_EQ(ListScriptLine(lines[2]), "Delay 2.50 Seconds\tamount=2.5");
    EXPECT_EQ(ListScriptLine(lines[3]), "Mouse Move Screen 100,200\tx=100\ty=200\twindow=0");
    EXPECT_EQ(ListScriptLine(lines[4]), "Repeat Start: 1");

    // So a hand-written line needs only what differs, and its display text only the name.
    EXPECT_EQ(TagOf(Parsed("Repeat End")), "<ENDREP>");
    EXPECT_EQ(TagOf(Parsed("  Delay\tunit=2\tamount=40")), "<MSD:0040>");
    EXPECT_EQ(TagOf(Parsed("Web Site\ttext=http://x.com/a\\\\b")), "<HTTP:http://x.com/a\\b>");
    EXPECT_EQ(TagOf(Parsed("Text: \ttext=a\\tb\\r\\n")), "a\tb\r\n");
    EXPECT_EQ(TagOf(Parsed("Mouse Wheel\tclicks=2\t")), "<WFW:002>");
    EXPECT_EQ(TagOf(Parsed("no command at all")), "");
}

TEST(ScriptListing, MalformedFieldsAreRefusedWithTheReason) {
    EXPECT_EQ(ErrorOf("Delay\tseconds=2"), "a Delay line has no field \"seconds\"");
    EXPECT_EQ(ErrorOf("Delay\tamount=two"), "\"two\" is not a value for amount");
    EXPECT_EQ(ErrorOf("Delay\tamount=nan"), "\"nan\" is not a value for amount");
    EXPECT_EQ(ErrorOf("Repeat Start\tvalue=1.5"), "\"1.5\" is not a value for value");
    EXPECT_EQ(ErrorOf("Mouse Move\twindow=2"), "\"2\" is not a value for window");
    EXPECT_EQ(ErrorOf("Remark\tjust text"), "\"just text\" is not field=value");
    EXPECT_EQ(ErrorOf("Nothing\ttext=x"), "the line names no command, so it has no fields");
    EXPECT_EQ(ErrorOf("Remark\ttext=a=b"), "accepted"); // the first "=" separates
}
