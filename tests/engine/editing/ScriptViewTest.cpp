#include "engine/editing/ScriptView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace kv;

namespace {

std::vector<std::string> Texts(std::string_view macroText) {
    std::vector<std::string> out;
    for (const ScriptLine& line : BuildTheScript(macroText))
        out.push_back(line.text);
    return out;
}

// The one line a tag makes.
ScriptLine Only(std::string_view macroText) {
    const std::vector<ScriptLine> lines = BuildTheScript(macroText);
    EXPECT_EQ(lines.size(), 1u) << macroText;
    return lines.empty() ? ScriptLine{} : lines.front();
}

using Lines = std::vector<std::string>;

} // namespace

TEST(ScriptView, LiteralsAndKeyTagsGatherIntoTextLinesBetweenCommands) {
    EXPECT_TRUE(BuildTheScript("").empty());
    EXPECT_EQ(Texts("abc<ENTER>def"), Lines{"Text: abc<ENTER>def"});
    EXPECT_EQ(Texts("abc<DELAY:00002>def"),
              (Lines{"Text: abc", "Delay 2.00 Seconds", "Text: def"}));
    EXPECT_EQ(std::get<TTextRec>(BuildTheScript("a\r\nb<F5>")[0].record).text, "a\r\nb<F5>");

    // Whatever is not a command of the script stays in the run, exactly as written.
    for (std::string_view text :
         {"<DELAY:1>x", "<enter>", "<TEST>", "<RIGHT MOUSE>", "<MIDDLE MOUSE>", "<ALT:065>",
          "<ALT4:0233>", "<SHIFT>a<CTRL>b<ALT>", "<X>", "<PARAM>", "<", "<DELAY:abcde>",
          "<SPEED:abcde>"}) {
        const ScriptLine line = Only(text);
        EXPECT_EQ(std::get<TTextRec>(line.record).text, text);
    }
}

TEST(ScriptView, ATextLineShowsFiftyCharactersAndDotsPastFiftyThree) {
    const std::string run53(53, 'a');
    EXPECT_EQ(Only(run53).text, "Text: " + std::string(50, 'a'));
    EXPECT_EQ(Only(run53 + "b").text, "Text: " + std::string(50, 'a') + "...");
    EXPECT_EQ(std::get<TTextRec>(Only(run53 + "b").record).text, run53 + "b");
}

TEST(ScriptView, EveryCommandShowsItsDisplayText) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"<CTLD>", "Control Key Down"},
        {"<CTLU>", "Control Key Up"},
        {"<ALTD>", "Alt Key Down"},
        {"<ALTU>", "Alt Key Up"},
        {"<SHFD>", "Shift Key Down"},
        {"<SHFU>", "Shift Key Up"},
        {"<WIND>", "Win Key Down"},
        {"<WINU>", "Win Key Up"},
        {"<LCLK>", "Left Mouse Button Click"},
        {"<LDCLK>", "Left Mouse Button Double Click"},
        {"<LDN>", "Left Mouse Button Down"},
        {"<LUP>", "Left Mouse Button Up"},
        {"<RCLK>", "Right Mouse Button Click"},
        {"<RDCLK>", "Right Mouse Button Double Click"},
        {"<RDN>", "Right Mouse Button Down"},
        {"<RUP>", "Right Mouse Button Up"},
        {"<MCLK>", "Middle Mouse Button Click"},
        {"<MDCLK>", "Middle Mouse Button Double Click"},
        {"<MDN>", "Middle Mouse Button Down"},
        {"<MUP>", "Middle Mouse Button Up"},
        {"<WFW:003>", "Mouse Wheel 3 Clicks Forward"},
        {"<WBW:012>", "Mouse Wheel 12 Clicks Backward"},
        {"<MMS:00100,00200>", "Mouse Move Screen 100,200"},
        {"<MMW:00005,00007>", "Mouse Move Window 5,7"},
        {"<PAUSE:005,010Insert disk>", "Pause: Complex"},
        {"<PAUSE>", "Pause: Basic"},
        {"<DELAY:00002>", "Delay 2.00 Seconds"},
        {"<DELAY:0.125>", "Delay 0.13 Seconds"},
        {"<MSD:0250>", "Delay 250 Milliseconds"},
        {"<WMAX:\"CURRENT\">", "Maximize Window - Current Win"},
        {"<WMIN:Calc>", "Minimize Window - Window Title: Calc"},
        {"<WRES:Calc>", "Restore Window - Window Title: Calc"},
        {"<WCLS:Calc>", "Close Window - Window Title: Calc"},
        {"<WHIDE:Calc>", "Hide Window - Window Title: Calc"},
        {"<WSHOW:\"CURRENT\">", "Show Window - Current Win"},
        {"<WSHUT:\"current\">", "Shut Down Program - Window Title: \"current\""},
        {"<WSIZE:0640,0480\"CURRENT\">", "Resize Window - Current Win (Width: 640 Height: 480)"},
        {"<WPOS:0010,0020Calc>", "Reposition Window - \"Calc\" (Left: 10 Top: 20)"},
        {"<IIII>", "Repeat Counter: Width 4"},
        {"<III>", "Repeat Counter: Width 3"},
        {"<II>", "Repeat Counter: Width 2"},
        {"<I>", "Repeat Counter: Width 1"},
        {"<REPEAT:0005>", "Repeat Start: 5"},
        {"<PROMPTREP>", "Repeat Prompt Start: (prompt for repeat count at macro play time)"},
        {"<ENDREP>", "Repeat End"},
        {"<ENDCLIP>", "Clipboard End Copy"},
        {"<CLIPC>", "Clipboard Copy"},
        {"<CLIPP>", "Clipboard Paste"},
        {"<CLIPF:c:\\docs\\a.txt>", "Clipboard File Copy: a.txt"},
        {"<WAV1:c:\\s\\ding.wav>", "Sound Wave File: ding.wav"},
        {"<WAV2:ding.wav>", "Sound Wave File: ding.wav"},
        {"<BEEP>", "Sound Beep"},
        {"<SPEED:00001>", "Macro Playback Speed: Normal Speed"},
        {"<SPEED:00000>", "Macro Playback Speed: No Speed"},
        {"<SPEED:00.50>", "Macro Playback Speed: 2 Times Faster Than Normal"},
        {"<SPEED:00003>", "Macro Playback Speed: 3 Times Slower Than Normal"},
        {"<SPEED:02.50>", "Macro Playback Speed: 2.5 Times Slower Than Normal"},
        {"<SPEED:00.75>", "Macro Playback Speed: 1.33 Times Faster Than Normal"},
        {"<SPKEY:0050>", "Keystroke Speed: 50 Milliseconds"},
        {"<SPMSE:0100>", "Mouse Speed: 100 Milliseconds"},
        {"<CHDIR:c:\\work\\x>", "Change Directory/Folder: c:\\work\\x"},
        {"<DELFILE:c:\\t\\a.tmp>", "Delete File: a.tmp"},
        {"<SWAP:d:\\m\\b.kvn>", "Load New Macro File: b.kvn"},
        {"<TFILE:notes.txt>", "Load Text File: notes.txt"},
        {"<COPYFILE:c:\\a.txt;d:\\b.txt>", "Copy File: a.txt"},
        {"<RENFILE:c:\\x\\old.txt;new.txt>", "Rename File: old.txt"},
        {"<HTTP:http://x.com/a\\b>", "Web Site: http://x.com/a\\b"},
        {"<FTP:ftp://f.org>", "Web FTP: ftp://f.org"},
        {"<REM:short>", "Remark: short"},
        {"<ACTIVATE:Untitled - Notepad>", "Activate Window: \"Untitled - Notepad\""},
        {"<LAUNCH:c:\\windows\\notepad.exe<PARAM>c:\\a.txt>", "Launch Program: notepad.exe"},
        {"<LAUNCHNO:05Calc<LAUNCH:c:\\calc.exe>", "Launch and Activate: calc.exe"},
        {"<LAUNCHYES:10Calc<LAUNCH:calc.exe>", "Activate or Launch: calc.exe"},
        {"<MM/DD/YY{YF000}>", "Date: MM/DD/YY  (03/30/98)"},
        {"<MM/DD/YY{Y}>", "Date: MM/DD/YY  (03/30/98)"},
        {"<Mmm DD, YY{NF001}>", "Date (1 day in future): Mmm DD, YY  (Mar 30, 98)"},
        {"<YYYYMMDD{YP002}>", "Date (2 days in past): YYYYMMDD  (19980330)"},
        {"<DD Mmmmm YYYY{YF000}>", "Date: DD Mmmmm YYYY  (30 March 1998)"},
        {"<MMM YYYY{YF000}>", "Date: MMM YYYY  (MAR 1998)"},
        {"<Day of Week 1{Y}>", "Date: Day of Week 1  (Mon)"},
        {"<Day of Week 4{Y}>", "Date: Day of Week 4  (MONDAY)"},
        {"<hh:mm{Y}>", "Time: hh:mm  (15:04)"},
        {"<hhmmss{N}>", "Time: hhmmss  (150423)"},
        {"<mm{N}>", "Time: mm  (04)"},
        {"<ss{Y}>", "Time: ss  (23)"},
        {"<hh:mm am{Y}>", "Time: hh:mm am  (3:04 pm)"},
        {"<hh:mm:ss AM{N}>", "Time: hh:mm:ss AM  (3:04:23 PM)"},
        {"<hh,mma{Y}>", "Time: hh,mma  (3,04p)"},
    };
    for (const auto& [tag, display] : cases)
        EXPECT_EQ(Only(tag).text, display) << tag;
}

TEST(ScriptView, RemarksAndLongTextsAreCutForDisplayOnly) {
    const std::string remark43(43, 'r');
    EXPECT_EQ(Only("<REM:" + remark43 + ">").text, "Remark: " + remark43);
    const ScriptLine long44 = Only("<REM:" + remark43 + "s>");
    EXPECT_EQ(long44.text, "Remark: " + std::string(40, 'r') + "...");
    EXPECT_EQ(std::get<TStringRec>(long44.record).text, remark43 + "s");

    // A display text holds 255 characters; the title itself is kept in the record.
    const std::string title(255, 't');
    const ScriptLine activate = Only("<ACTIVATE:" + title + ">");
    EXPECT_EQ(activate.text.size(), 255u);
    EXPECT_EQ(std::get<TLaunchRec>(activate.record).title, title);
}

TEST(ScriptView, RecordsHoldWhatTheTagsSay) {
    EXPECT_EQ(std::get<TPauseRec>(Only("<PAUSE:005,010Insert disk>").record),
              (TPauseRec{PauseKind::Complex, 10, 5, "Insert disk"}));
    EXPECT_EQ(std::get<TLaunchRec>(Only("<LAUNCHNO:05Untitled - Notepad<LAUNCH:np.exe<PARAM>"
                                        "c:\\a.txt>")
                                       .record),
              (TLaunchRec{LaunchKind::LaunchAndActivate, "Untitled - Notepad", "np.exe",
                          "c:\\a.txt", 5}));
    EXPECT_EQ(std::get<TLaunchRec>(Only("<LAUNCHYES:10Calc<LAUNCH:calc.exe>").record).kind,
              LaunchKind::ActivateOrLaunch);
    EXPECT_EQ(std::get<TWinPlaceRec>(Only("<WSIZE:0640,0480\"CURRENT\">").record),
              (TWinPlaceRec{"", WinPlaceKind::Resize, true, 640, 480}));
    EXPECT_EQ(std::get<TWinCmdRec>(Only("<WSHUT:Calc>").record),
              (TWinCmdRec{"Calc", WinCommand::ShutDown, false}));
    EXPECT_EQ(std::get<TFileCmdRec>(Only("<COPYFILE:a.txt;b;c.txt>").record),
              (TFileCmdRec{FileCmdKind::Copy, "a.txt", "b;c.txt"}));
    EXPECT_EQ(std::get<TSoundRec>(Only("<WAV2:x.wav>").record),
              (TSoundRec{SoundKind::WaveFile, "x.wav", false}));
    EXPECT_EQ(std::get<TDelayRec>(Only("<MSD:12a4>").record).amount, 12);

    // Only a screen move is relative to the screen; the mouse keeps whole pixels.
    EXPECT_EQ(std::get<TMouseRec>(Only("<MMS:00100,0.500>").record),
              (TMouseRec{100, 0, 0, MouseCode::Move, false}));
    EXPECT_TRUE(std::get<TMouseRec>(Only("<MMW:00001,00002>").record).windowRelative);
    EXPECT_EQ(std::get<TMouseRec>(Only("<RDN>").record),
              (TMouseRec{0, 0, 0, MouseCode::RightDown, true}));
    EXPECT_EQ(std::get<TMouseRec>(Only("<WBW:004>").record),
              (TMouseRec{0, 0, 4, MouseCode::WheelBackward, true}));

    EXPECT_EQ(std::get<TDateTimeRec>(Only("<DD.MM.YYYY{NP030}>").record),
              (TDateTimeRec{true, 12, false, false, 30}));
    EXPECT_EQ(std::get<TDateTimeRec>(Only("<DD{Y}>").record),
              (TDateTimeRec{true, 41, true, true, 0}));
    EXPECT_EQ(std::get<TDateTimeRec>(Only("<hh.mma{N}>").record),
              (TDateTimeRec{false, 25, false, true, 0}));
}

TEST(ScriptView, AClipboardBlockKeepsItsLinesAsLines) {
    EXPECT_EQ(Texts("<BEGCLIP>a<ENTER>b<DELAY:00001><ENDCLIP>c"),
              (Lines{"Clipboard Start Copy", "Text: a<ENTER>b", "Delay 1.00 Seconds",
                     "Clipboard End Copy", "Text: c"}));
    EXPECT_EQ(Texts("<BEGCLIP>open"), (Lines{"Clipboard Start Copy", "Text: open"}));
}

TEST(ScriptView, BlocksIndentThreeBlanksPerLevel) {
    std::vector<ScriptLine> lines =
        BuildTheScript("<REPEAT:0002><CTLD>x<CTLU><ENDREP><BEGCLIP><PROMPTREP><I><ENDREP>"
                       "<ENDCLIP><SHFD><WIND>y<WINU><SHFU>");
    SetIndents(lines);
    Lines texts;
    for (const ScriptLine& line : lines)
        texts.push_back(line.text);
    EXPECT_EQ(texts, (Lines{"Repeat Start: 2", "   Control Key Down", "      Text: x",
                            "   Control Key Up", "Repeat End", "Clipboard Start Copy",
                            "   Repeat Prompt Start: (prompt for repeat count at macro play time)",
                            "      Repeat Counter: Width 1", "   Repeat End", "Clipboard End Copy",
                            "Shift Key Down", "   Win Key Down", "      Text: y", "   Win Key Up",
                            "Shift Key Up"}));

    // Re-indenting is stable, and a close without an open never goes below the margin.
    std::vector<ScriptLine> again = lines;
    SetIndents(again);
    EXPECT_EQ(again, lines);
    std::vector<ScriptLine> stray = BuildTheScript("<ENDREP><ALTU>a<ALTD>b");
    stray[2].text = "        " + stray[2].text;
    SetIndents(stray);
    EXPECT_EQ(stray[0].text, "Repeat End");
    EXPECT_EQ(stray[2].text, "Text: a");
    EXPECT_EQ(stray[4].text, "   Text: b");
}
