#include "engine/editing/TagWriter.h"
#include "engine/editing/ScriptDisplay.h"
#include "engine/editing/ScriptView.h"

#include <gtest/gtest.h>

#include <string>

using namespace kv;

namespace {

std::string Resaved(std::string_view macroText) {
    std::vector<ScriptLine> lines = BuildTheScript(macroText);
    SetIndents(lines);
    return ScriptToMacroText(lines).text;
}

} // namespace

TEST(TagWriter, PadAndFixedRealFillTheirFieldExactly) {
    EXPECT_EQ(Pad(5, 4), "0005");
    EXPECT_EQ(Pad(0, 3), "000");
    EXPECT_EQ(Pad(9999, 4), "9999");
    EXPECT_EQ(Pad(-12, 4), "-012"); // the sign first, where the reader looks for it
    // Too large for the field: the tag would stop being a tag, so the nearest that fits.
    EXPECT_EQ(Pad(12345, 4), "9999");
    EXPECT_EQ(Pad(-12345, 4), "-999");

    // Halves round away from zero as the number was written, not as binary holds it.
    EXPECT_EQ(Decimals(0.125, 2), "0.13");
    EXPECT_EQ(Decimals(1.005, 2), "1.01");
    EXPECT_EQ(Decimals(9.995, 2), "10.00");
    EXPECT_EQ(Decimals(-0.001, 2), "0.00");
    EXPECT_EQ(Decimals(2.5, 0), "3");

    EXPECT_EQ(FixedReal(1, 5), "01.00");
    EXPECT_EQ(FixedReal(0.5, 5), "00.50");
    EXPECT_EQ(FixedReal(12.5, 5), "12.50");
    EXPECT_EQ(FixedReal(60, 5), "60.00");
    EXPECT_EQ(FixedReal(0, 5), "00.00");
    EXPECT_EQ(FixedReal(9.999, 5), "10.00");
    EXPECT_EQ(FixedReal(-1.5, 5), "-1.50");
    EXPECT_EQ(FixedReal(100, 5), "100.0");
    EXPECT_EQ(FixedReal(123.45, 5), "123.5");
    EXPECT_EQ(FixedReal(9999, 5), "09999");
    EXPECT_EQ(FixedReal(123456, 5), "99999");
}

TEST(TagWriter, EveryCommandTagSurvivesOpeningAndSaving) {
    // Each tag as the writers write it; together they make one line each.
    const std::string_view tags[] = {"<CTLD>",
                                     "<CTLU>",
                                     "<ALTD>",
                                     "<ALTU>",
                                     "<SHFD>",
                                     "<SHFU>",
                                     "<WIND>",
                                     "<WINU>",
                                     "<LCLK>",
                                     "<LDCLK>",
                                     "<LDN>",
                                     "<LUP>",
                                     "<RCLK>",
                                     "<RDCLK>",
                                     "<RDN>",
                                     "<RUP>",
                                     "<MCLK>",
                                     "<MDCLK>",
                                     "<MDN>",
                                     "<MUP>",
                                     "<WFW:003>",
                                     "<WBW:120>",
                                     "<MMS:00100,00200>",
                                     "<MMW:30000,00000>",
                                     "<PAUSE:005,010Insert disk>",
                                     "<PAUSE>",
                                     "<DELAY:02.50>",
                                     "<DELAY:60.00>",
                                     "<MSD:0250>",
                                     "<WMAX:\"CURRENT\">",
                                     "<WMIN:Calc>",
                                     "<WRES:Calc>",
                                     "<WCLS:Calc>",
                                     "<WHIDE:Calc>",
                                     "<WSHOW:\"CURRENT\">",
                                     "<WSHUT:Notepad>",
                                     "<WSIZE:0640,0480\"CURRENT\">",
                                     "<WPOS:0010,0020Untitled - Notepad>",
                                     "<IIII>",
                                     "<III>",
                                     "<II>",
                                     "<I>",
                                     "<REPEAT:0005>",
                                     "<PROMPTREP>",
                                     "<ENDREP>",
                                     "<BEGCLIP>",
                                     "<ENDCLIP>",
                                     "<CLIPC>",
                                     "<CLIPP>",
                                     "<CLIPF:c:\\a.txt>",
                                     "<WAV1:c:\\ding.wav>",
                                     "<WAV2:ding.wav>",
                                     "<BEEP>",
                                     "<SPEED:00.50>",
                                     "<SPEED:00.00>",
                                     "<SPKEY:0050>",
                                     "<SPMSE:0000>",
                                     "<CHDIR:c:\\work>",
                                     "<DELFILE:c:\\t\\a.tmp>",
                                     "<COPYFILE:a.txt;b.txt>",
                                     "<RENFILE:old.txt;new.txt>",
                                     "<SWAP:d:\\b.kvn>",
                                     "<HTTP:http://x.com>",
                                     "<FTP:ftp://f.org>",
                                     "<REM:a remark>",
                                     "<TFILE:notes.txt>",
                                     "<ACTIVATE:Untitled - Notepad>",
                                     "<LAUNCH:calc.exe>",
                                     "<LAUNCH:notepad.exe<PARAM>c:\\a.txt>",
                                     "<LAUNCHNO:05Calc<LAUNCH:calc.exe>",
                                     "<LAUNCHYES:10Notepad<LAUNCH:np.exe<PARAM>x y>",
                                     "<MM/DD/YY{YF000}>",
                                     "<Day of Week 4{NP365}>",
                                     "<hh:mm{Y}>",
                                     "<hh,mma{N}>"};
    std::string all;
    for (std::string_view tag : tags) {
        EXPECT_EQ(Resaved(tag), tag);
        all += tag;
    }
    EXPECT_EQ(BuildTheScript(all).size(), std::size(tags));
    EXPECT_EQ(Resaved(all), all);

    // Text runs, stray "<"s and line breaks come back byte for byte.
    const std::string text = "Dear <SHIFT>sir,\r\n<X> 1 < 2<ENTER><ALT:065>\xE9<TEST>";
    EXPECT_EQ(Resaved(text + "<REM:x>" + text), text + "<REM:x>" + text);
}

TEST(TagWriter, SavingNormalisesOnlyNumbersDatesAndClosings) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"<DELAY:00002>", "<DELAY:02.00>"},
        {"<DELAY:  2.5>", "<DELAY:02.50>"},
        {"<SPEED:00001>", "<SPEED:01.00>"},
        {"<MM/DD/YY{Y}>", "<MM/DD/YY{YF000}>"},
        {"<MM/DD/YY{N}>", "<MM/DD/YY{NF000}>"},
        {"<MSD:12a4>", "<MSD:0012>"},
        {"<REPEAT: -12>", "<REPEAT:-012>"},
        {"<MMS:00100;0.500>", "<MMS:00100,00000>"},
        {"<LAUNCH:a.exe<PARAM>>", "<LAUNCH:a.exe>"},
        {"<LAUNCHNO:5 Calc<XXXXXX:c.exe>", "<LAUNCHNO:05Calc<LAUNCH:c.exe>"},
        {"<COPYFILE:a.txt>", "<COPYFILE:a.txt;>"},
        {"<REM:open", "<REM:open>"},
    };
    for (const auto& [opened, saved] : cases)
        EXPECT_EQ(Resaved(opened), saved) << opened;

    // The sign of a date plays only as "F" or "P"; anything else plays today, and is
    // saved so. A past offset of zero stays as it was.
    EXPECT_EQ(Resaved("<MM/DD/YY{YQ005}>"), "<MM/DD/YY{YF000}>");
    EXPECT_EQ(Resaved("<MM/DD/YY{YP000}>"), "<MM/DD/YY{YP000}>");

    // A free-text field counts 255 characters.
    EXPECT_EQ(Resaved("<WMAX:" + std::string(300, 't') + ">"),
              "<WMAX:" + std::string(255, 't') + ">");
}

TEST(TagWriter, TheRecordDecidesTheTagAndTheNameTheCommand) {
    // Lines the window command dialog made say "Current Window"; they write the same tag.
    EXPECT_EQ(TagOf(ScriptLine{"Maximize Window - Current Window",
                               TWinCmdRec{"", WinCommand::Maximize, true}}),
              "<WMAX:\"CURRENT\">");
    // A modifier line writes its key's down tag only for that key's down code.
    EXPECT_EQ(TagOf(Command::ControlKey, TModKeyRec{ModKeyCode::AltDown}), "<CTLU>");
    EXPECT_EQ(TagOf(Command::WinKey, TModKeyRec{ModKeyCode::WinDown}), "<WIND>");
    // The mouse action code picks the button tag, whatever the button command.
    EXPECT_EQ(TagOf(Command::LeftMouseButton, TMouseRec{.action = MouseCode::MiddleUp}), "<MUP>");
    EXPECT_EQ(TagOf(Command::LeftMouseButton, TMouseRec{.action = MouseCode::Move}), "");
    EXPECT_EQ(TagOf(Command::MouseWheel, TMouseRec{.clicks = 2, .action = MouseCode::Move}),
              "<WBW:002>");
    EXPECT_EQ(TagOf(Command::RepeatCounter, TRepeatRec{RepeatKind::Counter, 9}), "<IIII>");
    // A negative day offset is the same offset the other way.
    EXPECT_EQ(TagOf(Command::Date, TDateTimeRec{true, 1, true, true, -3}), "<MM/DD/YY{YP003}>");
    // A record of the wrong type reads as the command's default.
    EXPECT_EQ(TagOf(Command::RepeatStart, TTextRec{"x"}), "<REPEAT:0001>");
    // A line that names no command writes nothing.
    EXPECT_EQ(TagOf(ScriptLine{"Nothing at all", TTextRec{"x"}}), "");
    EXPECT_EQ(TagOf(ScriptLine{"   Text: x", TTextRec{"abc"}}), "abc");
}

TEST(TagWriter, AScriptLongerThanAMacroIsCutWithAMessage) {
    const std::vector<ScriptLine> over = {ScriptLine{"Text: ", TTextRec{std::string(4990, 'a')}},
                                          BuildTheScript("<DELAY:00001>")[0]};
    const ScriptText cut = ScriptToMacroText(over);
    ASSERT_TRUE(cut.truncated.has_value());
    EXPECT_EQ(cut.truncated->text, "The size of the macro exceeds the 5000 character limit.  "
                                   "The macro will be truncated to 5000 characters.");
    EXPECT_EQ(cut.truncated->caption, "Error");
    EXPECT_EQ(cut.text, std::string(4990, 'a') + "<DELAY:01.");

    const std::vector<ScriptLine> exactly = {
        ScriptLine{"Text: ", TTextRec{std::string(5000, 'b')}}};
    const ScriptText whole = ScriptToMacroText(exactly);
    EXPECT_FALSE(whole.truncated.has_value());
    EXPECT_EQ(whole.text.size(), 5000u);
    const std::vector<ScriptLine> one = {ScriptLine{"Text: ", TTextRec{std::string(5001, 'b')}}};
    EXPECT_EQ(ScriptToMacroText(one).text, std::string(5000, 'b'));
}
