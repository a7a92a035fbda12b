#include "engine/editing/DateTimeDialog.h"
#include "engine/editing/DelayDialogs.h"
#include "engine/editing/FileDialogs.h"
#include "engine/editing/MouseKeyDialogs.h"
#include "engine/editing/RemarkWebDialogs.h"
#include "engine/editing/ScriptView.h"
#include "engine/editing/WindowDialogs.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

using namespace kv;

namespace {

class FakePaths : public PathChecks {
public:
    std::map<std::string, std::string, std::less<>> files; // as typed -> short path
    std::set<std::string, std::less<>> directories;

    std::optional<std::string> ShortFilePath(std::string_view path) const override {
        const auto it = files.find(path);
        return it == files.end() ? std::nullopt : std::optional(it->second);
    }
    bool DirectoryExists(std::string_view path) const override {
        return directories.contains(path);
    }
};

// The tag of an accepted dialog, or the refusal as "message [caption, focus]".
template <class T>
std::string Says(const DialogOutcome<T>& outcome) {
    if (const auto* r = std::get_if<DialogRefusal>(&outcome))
        return r->message.text + " [" + r->message.caption + ", " + std::string(r->focus) + "]" +
               (r->question ? " ?" : "");
    if constexpr (std::is_same_v<T, CommandResult>)
        return std::get<CommandResult>(outcome).tag;
    else if constexpr (std::is_same_v<T, std::string>)
        return std::get<std::string>(outcome);
    else
        return "accepted";
}

CommandResult Accepted(const CommandOutcome& outcome) {
    const auto* r = std::get_if<CommandResult>(&outcome);
    EXPECT_NE(r, nullptr) << Says(outcome);
    return r ? *r : CommandResult{};
}

// What a dialog produced, opened again from its tag, is the line it made.
void ExpectReadsBack(const CommandOutcome& outcome) {
    const CommandResult r = Accepted(outcome);
    const std::vector<ScriptLine> lines = BuildTheScript(r.tag);
    ASSERT_EQ(lines.size(), 1u) << r.tag;
    EXPECT_EQ(lines[0].record, r.record) << r.tag;
    EXPECT_EQ(CommandOf(lines[0].text), r.command) << r.tag;
}

} // namespace

TEST(CommandDialogs, DelayInSecondsOrMilliseconds) {
    using F = TDoDelay2Fields;
    EXPECT_EQ(Says(OkButtonClick(F{"60", DelayUnit::Seconds})), "<DELAY:60.00>");
    EXPECT_EQ(Says(OkButtonClick(F{" 0.5 ", DelayUnit::Seconds})), "<DELAY:00.50>");
    EXPECT_EQ(Says(OkButtonClick(F{".01", DelayUnit::Seconds})), "<DELAY:00.01>");
    const std::string secondsError =
        "Value must be greater than zero and no larger than 60. [Error, Seconds]";
    for (std::string_view bad : {"60.01", "0", "-1", "abc", "", "1e1"})
        EXPECT_EQ(Says(OkButtonClick(F{std::string(bad), DelayUnit::Seconds})), secondsError)
            << bad;

    EXPECT_EQ(Says(OkButtonClick(F{"9999", DelayUnit::Milliseconds})), "<MSD:9999>");
    EXPECT_EQ(Says(OkButtonClick(F{"1", DelayUnit::Milliseconds})), "<MSD:0001>");
    EXPECT_EQ(Says(OkButtonClick(F{"10000", DelayUnit::Milliseconds})),
              "Value must be less than 9999. [Error, Seconds]");
    for (std::string_view bad : {"0", "-5", "1.5", "x"})
        EXPECT_EQ(Says(OkButtonClick(F{std::string(bad), DelayUnit::Milliseconds})),
                  "Value must be greater than zero. [Error, Seconds]")
            << bad;

    const CommandResult ms = Accepted(OkButtonClick(F{"250", DelayUnit::Milliseconds}));
    EXPECT_EQ(ms.Line().text, "Delay 250 Milliseconds");
    ExpectReadsBack(OkButtonClick(F{"2.5", DelayUnit::Seconds}));
    EXPECT_EQ(Says(OkButtonClick(F::From(std::get<TDelayRec>(ms.record)))), "<MSD:0250>");
}

TEST(CommandDialogs, TheDelayDialogsOtherModes) {
    EXPECT_EQ(Says(DelaySecondsOk("5")), "<DELAY:05.00>");
    EXPECT_EQ(Says(AltKeypadOk("65")), "<ALT:065>");
    EXPECT_EQ(Says(AltKeypadOk("7")), "<ALT:007>");
    EXPECT_EQ(Says(AltKeypadOk("0233")), "<ALT4:0233>");
    for (std::string_view bad : {"6a", "", "-65", "12345"})
        EXPECT_EQ(Says(AltKeypadOk(bad)), "Value must be numeric. [Error, Seconds]") << bad;

    EXPECT_EQ(std::get<int>(SchedulerFrequencyOk("1")), 1);
    EXPECT_EQ(std::get<int>(SchedulerFrequencyOk("60")), 60);
    for (std::string_view bad : {"0", "61", "1.5", ""})
        EXPECT_EQ(Says(SchedulerFrequencyOk(bad)),
                  "Value must be between 1 and 60. [Error, Seconds]")
            << bad;
}

TEST(CommandDialogs, PauseBoxCoordinatesAndMessage) {
    using F = TDoPausePosFields;
    EXPECT_EQ(Says(OkButtonClick(F{PauseKind::Basic, "x", "y", ""})), "<PAUSE>");
    const CommandOutcome complex = OkButtonClick(F{PauseKind::Complex, "5", "10", " Insert disk "});
    EXPECT_EQ(Says(complex), "<PAUSE:005,010Insert disk>");
    ExpectReadsBack(complex);
    EXPECT_EQ(Says(OkButtonClick(F{PauseKind::Complex, "0", "0", ""})), "<PAUSE:000,000>");
    EXPECT_EQ(Says(OkButtonClick(F{PauseKind::Complex, "-1", "10", ""})),
              "Invalid Top Window Coordinate entered.  Please correct. [Error, TopCoord]");
    EXPECT_EQ(Says(OkButtonClick(F{PauseKind::Complex, "5", "x", ""})),
              "Invalid Left Window Coordinate entered.  Please correct. [Error, LeftCoord]");
    // A ">" would end the tag inside the message and type the rest.
    EXPECT_EQ(Says(OkButtonClick(F{PauseKind::Complex, "5", "5", "a > b"})),
              "The character > cannot be used in this field.  Please correct. "
              "[Error, PauseMessage]");
    EXPECT_EQ(Says(OkButtonClick(F::From(std::get<TPauseRec>(Accepted(complex).record)))),
              "<PAUSE:005,010Insert disk>");
}

TEST(CommandDialogs, RepeatCountsAndCounterWidths) {
    using F = TDoRepeatFields;
    EXPECT_EQ(Says(OkButtonClick(F{RepeatKind::Start, "1"})), "<REPEAT:0001>");
    EXPECT_EQ(Says(OkButtonClick(F{RepeatKind::Start, "9999"})), "<REPEAT:9999>");
    EXPECT_EQ(Says(OkButtonClick(F{RepeatKind::Start, "0"})),
              "Value must be greater than zero. [Error, Count]");
    EXPECT_EQ(Says(OkButtonClick(F{RepeatKind::Prompt, ""})), "<PROMPTREP>");
    EXPECT_EQ(Says(OkButtonClick(F{RepeatKind::End, "junk"})), "<ENDREP>");
    EXPECT_EQ(Says(OkButtonClick(F{RepeatKind::Counter, "1"})), "<I>");
    EXPECT_EQ(Says(OkButtonClick(F{RepeatKind::Counter, "4"})), "<IIII>");
    for (std::string_view bad : {"0", "5", ""})
        EXPECT_EQ(Says(OkButtonClick(F{RepeatKind::Counter, std::string(bad)})),
                  "Width must be between 1 and 4. [Error, Count]");
    for (RepeatKind k :
         {RepeatKind::Start, RepeatKind::Prompt, RepeatKind::End, RepeatKind::Counter})
        ExpectReadsBack(OkButtonClick(F{k, "3"}));
}

TEST(CommandDialogs, SpeedsInMillisecondsOrAsAFactor) {
    using F = TDoSpeedFields;
    EXPECT_EQ(Says(OkButtonClick(F{SpeedKind::Keystroke, "0"})), "<SPKEY:0000>");
    EXPECT_EQ(Says(OkButtonClick(F{SpeedKind::Mouse, "50"})), "<SPMSE:0050>");
    EXPECT_EQ(Says(OkButtonClick(F{SpeedKind::Playback, "0.5"})), "<SPEED:00.50>");
    EXPECT_EQ(Says(OkButtonClick(F{SpeedKind::Playback, "0"})), "<SPEED:00.00>");
    for (F bad : {F{SpeedKind::Keystroke, "-1"}, F{SpeedKind::Mouse, "1.5"},
                  F{SpeedKind::Playback, "-0.5"}, F{SpeedKind::Playback, "x"}})
        EXPECT_EQ(Says(OkButtonClick(bad)), "Value must be zero or greater. [Error, Count]");
    // A factor of 100 or more still makes a speed tag the player recognises.
    const CommandOutcome slow = OkButtonClick(F{SpeedKind::Playback, "100"});
    EXPECT_EQ(Says(slow), "<SPEED:100.0>");
    ExpectReadsBack(slow);
    ExpectReadsBack(OkButtonClick(F{SpeedKind::Keystroke, "25"}));
}

TEST(CommandDialogs, ActivateAndLaunch) {
    FakePaths paths;
    paths.files["c:\\program files\\app.exe"] = "C:\\PROGRA~1\\APP.EXE";
    using F = TDoActiveFields;
    using enum LaunchKind;
    EXPECT_EQ(Says(OkButtonClick(F{Activate, " Notepad ", "", "", ""}, paths)),
              "<ACTIVATE:Notepad>");
    EXPECT_EQ(Says(OkButtonClick(F{Activate, "  ", "", "", ""}, paths)),
              "No entry made for Window Title.  Please correct. [Error, WinTitle]");
    // Launching only needs no title, but a program that exists; it is stored short.
    const CommandOutcome launch =
        OkButtonClick(F{Launch, "", "c:\\program files\\app.exe", "x.txt", ""}, paths);
    EXPECT_EQ(Says(launch), "<LAUNCH:C:\\PROGRA~1\\APP.EXE<PARAM>x.txt>");
    EXPECT_EQ(Accepted(launch).Line().text, "Launch Program: APP.EXE");
    EXPECT_EQ(Says(OkButtonClick(F{Launch, "", "c:\\missing.exe", "", ""}, paths)),
              "Specified Path and Program does not exist.  Please correct. [Error, ProgPath]");
    EXPECT_EQ(
        Says(OkButtonClick(F{LaunchAndActivate, "", "c:\\program files\\app.exe", "", "5"}, paths)),
        "No entry made for Window Title.  Please correct. [Error, WinTitle]");

    const CommandOutcome no =
        OkButtonClick(F{LaunchAndActivate, "App", "c:\\program files\\app.exe", "", "5"}, paths);
    EXPECT_EQ(Says(no), "<LAUNCHNO:05App<LAUNCH:C:\\PROGRA~1\\APP.EXE>");
    ExpectReadsBack(no);
    const CommandOutcome yes =
        OkButtonClick(F{ActivateOrLaunch, "App", "c:\\program files\\app.exe", "-x", "0"}, paths);
    EXPECT_EQ(Says(yes), "<LAUNCHYES:00App<LAUNCH:C:\\PROGRA~1\\APP.EXE<PARAM>-x>");
    ExpectReadsBack(yes);
    EXPECT_EQ(Says(OkButtonClick(F{ActivateOrLaunch, "App", "c:\\program files\\app.exe", "", "-1"},
                                 paths)),
              "Value must be greater than zero. [Error, DelaySecs]");
    // The launch tags end the title at "<", every tag ends at ">".
    EXPECT_EQ(Says(OkButtonClick(F{LaunchAndActivate, "a<b", "c:\\program files\\app.exe", "", "1"},
                                 paths)),
              "The character < cannot be used in this field.  Please correct. [Error, WinTitle]");
    EXPECT_EQ(Says(OkButtonClick(F{Activate, "a<b", "", "", ""}, paths)), "<ACTIVATE:a<b>");
    EXPECT_EQ(Says(OkButtonClick(F{Launch, "", "c:\\program files\\app.exe", "a>b", ""}, paths)),
              "The character > cannot be used in this field.  Please correct. [Error, Params]");

    // Editing the line again: the stored short path is a path that exists.
    paths.files["C:\\PROGRA~1\\APP.EXE"] = "C:\\PROGRA~1\\APP.EXE";
    const F again = F::From(std::get<TLaunchRec>(Accepted(yes).record));
    EXPECT_EQ(Says(OkButtonClick(again, paths)), Accepted(yes).tag);
}

TEST(CommandDialogs, WindowCommandsNameATitleOrTheCurrentWindow) {
    using F = TDoSystemCommandFields;
    const CommandOutcome current = OkButtonClick(F{WinCommand::ShutDown, true, "ignored"});
    EXPECT_EQ(Says(current), "<WSHUT:\"CURRENT\">");
    EXPECT_EQ(Accepted(current).Line().text, "Shut Down Program - Current Window");
    ExpectReadsBack(current);
    EXPECT_EQ(Says(OkButtonClick(F{WinCommand::Hide, false, "Calc"})), "<WHIDE:Calc>");
    EXPECT_EQ(Accepted(OkButtonClick(F{WinCommand::Hide, false, "Calc"})).Line().text,
              "Hide Window - Window Title: Calc");
    EXPECT_EQ(Says(OkButtonClick(F{WinCommand::Show, false, " "})),
              "No Window title specified.  Please correct [Error, WinTitle]");
    const std::pair<WinCommand, std::string_view> tags[] = {{WinCommand::Maximize, "<WMAX:x>"},
                                                            {WinCommand::Minimize, "<WMIN:x>"},
                                                            {WinCommand::Restore, "<WRES:x>"},
                                                            {WinCommand::Close, "<WCLS:x>"},
                                                            {WinCommand::Show, "<WSHOW:x>"}};
    for (const auto& [command, tag] : tags)
        EXPECT_EQ(Says(OkButtonClick(F{command, false, "x"})), tag);
}

TEST(CommandDialogs, ResizeAndReposition) {
    using F = TDoSizeItFields;
    EXPECT_EQ(Says(OkButtonClick(F{true, "", WinPlaceKind::Resize, "10", "30"})),
              "<WSIZE:0010,0030\"CURRENT\">");
    EXPECT_EQ(Says(OkButtonClick(F{true, "", WinPlaceKind::Resize, "9", "30"})),
              "Invalid width specified.  Width must be 10 or greater.  Please correct. "
              "[Error, TheWidth]");
    EXPECT_EQ(Says(OkButtonClick(F{true, "", WinPlaceKind::Resize, "10", "29"})),
              "Invalid height specified.  Height must be 30 or greater.  Please correct. "
              "[Error, TheHeight]");
    EXPECT_EQ(Says(OkButtonClick(F{false, "", WinPlaceKind::Resize, "10", "30"})),
              "No Window title specified.  Please correct [Error, WinTitle]");

    // Positioning: the first field is the top, the second the left.
    const CommandOutcome pos =
        OkButtonClick(F{false, "Calc", WinPlaceKind::Reposition, "20", "10"});
    EXPECT_EQ(Says(pos), "<WPOS:0010,0020Calc>");
    EXPECT_EQ(Accepted(pos).Line().text, "Reposition Window - \"Calc\" (Left: 10 Top: 20)");
    ExpectReadsBack(pos);
    EXPECT_EQ(Says(OkButtonClick(F{true, "", WinPlaceKind::Reposition, "0", "-1"})),
              "Invalid left position specified.  Please correct. [Error, TheHeight]");
    EXPECT_EQ(Says(OkButtonClick(F{true, "", WinPlaceKind::Reposition, "-1", "0"})),
              "Invalid top position specified.  Please correct. [Error, TheWidth]");
    EXPECT_EQ(Says(OkButtonClick(F::From(std::get<TWinPlaceRec>(Accepted(pos).record)))),
              "<WPOS:0010,0020Calc>");
}

TEST(CommandDialogs, MouseActions) {
    using F = TDoMouseFields;
    EXPECT_EQ(Says(OkButtonClick(F{MouseCode::Move, false, "30000", "0", ""})),
              "<MMS:30000,00000>");
    ExpectReadsBack(OkButtonClick(F{MouseCode::Move, true, "12", "34", ""}));
    EXPECT_EQ(Says(OkButtonClick(F{MouseCode::Move, false, "30001", "0", ""})),
              "Invalid X Position specified.  Please correct. [Error, XPos]");
    EXPECT_EQ(Says(OkButtonClick(F{MouseCode::Move, false, "0", "-1", ""})),
              "Invalid Y Position specified.  Please correct. [Error, YPos]");
    EXPECT_EQ(Says(OkButtonClick(F{MouseCode::WheelForward, true, "", "", "0"})),
              "Invalid number of wheel clicks specified.  Please correct. [Error, NumClicks]");
    EXPECT_EQ(Says(OkButtonClick(F{MouseCode::WheelBackward, true, "", "", "3"})), "<WBW:003>");
    ExpectReadsBack(OkButtonClick(F{MouseCode::WheelForward, true, "", "", "999"}));
    for (int code = 2; code <= 13; ++code)
        ExpectReadsBack(OkButtonClick(F{static_cast<MouseCode>(code), true, "bad", "", ""}));
    EXPECT_EQ(Accepted(OkButtonClick(F{MouseCode::RightDoubleClick, true, "", "", ""})).command,
              Command::RightMouseButton);
}

TEST(CommandDialogs, KeysUpOrDownAndSymbols) {
    const std::string_view tags[] = {"<CTLD>", "<CTLU>", "<ALTD>", "<ALTU>",
                                     "<SHFD>", "<SHFU>", "<WIND>", "<WINU>"};
    for (int code = 1; code <= 8; ++code) {
        const CommandOutcome key = OkButtonClick(TDoKeyUpDownFields{static_cast<ModKeyCode>(code)});
        EXPECT_EQ(Says(key), tags[code - 1]);
        ExpectReadsBack(key);
    }
    EXPECT_EQ(SymbolAt(0, 0), '\x80');
    EXPECT_EQ(SymbolAt(1, 2), '\x8A');
    EXPECT_EQ(SymbolAt(15, 7), '\xFF');
}

TEST(CommandDialogs, ClipboardSoundAndMacroFiles) {
    FakePaths paths;
    paths.files["c:\\docs\\a long name.txt"] = "C:\\DOCS\\ALONGN~1.TXT";
    paths.files["ding.wav"] = "DING.WAV";
    paths.files["c:\\m\\work.kvn"] = "C:\\M\\WORK.KVN";

    EXPECT_EQ(Says(OkButtonClick(
                  TDoClipboardFields{ClipKind::FileCopy, "c:\\docs\\a long name.txt"}, paths)),
              "<CLIPF:c:\\docs\\a long name.txt>"); // as typed
    EXPECT_EQ(Says(OkButtonClick(TDoClipboardFields{ClipKind::FileCopy, "nothing.txt"}, paths)),
              "Specified Text File does not exist.  Please correct. [Error, ProgPath]");
    const std::pair<ClipKind, std::string_view> clips[] = {{ClipKind::StartCopy, "<BEGCLIP>"},
                                                           {ClipKind::EndCopy, "<ENDCLIP>"},
                                                           {ClipKind::Copy, "<CLIPC>"},
                                                           {ClipKind::Paste, "<CLIPP>"}};
    for (const auto& [kind, tag] : clips) {
        EXPECT_EQ(Says(OkButtonClick(TDoClipboardFields{kind, "nothing.txt"}, paths)), tag);
        ExpectReadsBack(OkButtonClick(TDoClipboardFields{kind, ""}, paths));
    }

    EXPECT_EQ(Says(OkButtonClick(TDoSoundFields{SoundKind::Beep, "", true}, paths)), "<BEEP>");
    EXPECT_EQ(Says(OkButtonClick(TDoSoundFields{SoundKind::WaveFile, "ding.wav", true}, paths)),
              "<WAV1:ding.wav>");
    ExpectReadsBack(OkButtonClick(TDoSoundFields{SoundKind::WaveFile, "ding.wav", false}, paths));
    EXPECT_EQ(Says(OkButtonClick(TDoSoundFields{SoundKind::WaveFile, "x.wav", true}, paths)),
              "Specified WAV File does not exist.  Please correct. [Error, ProgPath]");
    EXPECT_FALSE(CheckWaveFile("ding.wav", paths).has_value());

    EXPECT_EQ(Says(OkButtonClick(TDoSwapFields{"c:\\m\\work.kvn"}, paths)),
              "<SWAP:C:\\M\\WORK.KVN>"); // short
    EXPECT_EQ(Says(OkButtonClick(TDoSwapFields{"c:\\m\\none.kvn"}, paths)),
              "Specified Macro File does not exist.  Please correct. [Error, ProgPath]");
}

TEST(CommandDialogs, TextFileMayBeKeptWhenMissing) {
    FakePaths paths;
    paths.files["c:\\docs\\a long name.txt"] = "C:\\DOCS\\ALONGN~1.TXT";
    EXPECT_EQ(Says(OkButtonClick(TDoTextInsertFields{"c:\\docs\\a long name.txt"}, paths)),
              "<TFILE:C:\\DOCS\\ALONGN~1.TXT>");
    EXPECT_EQ(Says(OkButtonClick(TDoTextInsertFields{"later.txt"}, paths)),
              "Specified Path and Program does not exist.  Do you wish to correct? "
              "[Warning, ProgPath] ?");
    EXPECT_EQ(Says(OkButtonClick(TDoTextInsertFields{"later.txt", true}, paths)),
              "<TFILE:later.txt>");
    EXPECT_EQ(Says(DialogOutcome<int>(*CheckTextFileToEdit("later.txt", paths))),
              "Specified Path and Program does not exist.  Unable to open text file. "
              "[Error, ProgPath]");
    EXPECT_FALSE(CheckTextFileToEdit("c:\\docs\\a long name.txt", paths).has_value());
}

TEST(CommandDialogs, FileCommands) {
    FakePaths paths;
    paths.files["a.txt"] = "A.TXT";
    paths.files["a;b.txt"] = "AB~1.TXT";
    paths.directories = {"c:\\work", "c:\\"};
    using F = TDoDOSFilesFields;
    using enum FileCmdKind;
    EXPECT_EQ(Says(OkButtonClick(F{ChangeDirectory, "c:\\work\\", ""}, paths)), "<CHDIR:c:\\work>");
    EXPECT_EQ(Says(OkButtonClick(F{ChangeDirectory, "c:\\", ""}, paths)), "<CHDIR:c:\\>");
    EXPECT_EQ(Says(OkButtonClick(F{ChangeDirectory, "c:\\none", ""}, paths)),
              "Specified directory/folder does not exist.  Please correct. [Error, ProgPath]");
    EXPECT_EQ(Says(OkButtonClick(F{Copy, "a.txt", ""}, paths)),
              "No new name specified.  Please correct. [Error, NewName]");
    EXPECT_EQ(Says(OkButtonClick(F{Rename, "missing.txt", "b.txt"}, paths)),
              "Specified Text File does not exist.  Please correct. [Error, ProgPath]");
    EXPECT_EQ(Says(OkButtonClick(F{Delete, "missing.txt", ""}, paths)),
              "Specified Text File does not exist.  Please correct. [Error, ProgPath]");
    const CommandOutcome copy = OkButtonClick(F{Copy, "a.txt", "d:\\b.txt"}, paths);
    EXPECT_EQ(Says(copy), "<COPYFILE:a.txt;d:\\b.txt>");
    ExpectReadsBack(copy);
    EXPECT_EQ(Says(OkButtonClick(F{Rename, "a.txt", "c.txt"}, paths)), "<RENFILE:a.txt;c.txt>");
    EXPECT_EQ(Says(OkButtonClick(F{Delete, "a.txt", "ignored"}, paths)), "<DELFILE:a.txt>");
    // The first name of a pair would end at its ";".
    EXPECT_EQ(Says(OkButtonClick(F{Copy, "a;b.txt", "c.txt"}, paths)),
              "The character ; cannot be used in this field.  Please correct. [Error, ProgPath]");
    EXPECT_EQ(Says(OkButtonClick(F{Delete, "a;b.txt", ""}, paths)), "<DELFILE:a;b.txt>");
}

TEST(CommandDialogs, RemarksAndWebAddresses) {
    EXPECT_EQ(Says(OkButtonClick(TDoRemarkFields{" note to self "})), "<REM:note to self>");
    EXPECT_EQ(Says(OkButtonClick(TDoRemarkFields{"a>b"})),
              "The character > cannot be used in this field.  Please correct. [Error, Comments]");
    EXPECT_EQ(Says(OkButtonClick(TDoRemarkFields{std::string(300, 'r')})),
              "<REM:" + std::string(240, 'r') + ">");

    EXPECT_EQ(TDoWebStuffFields::New(false).progPath, "http://");
    EXPECT_EQ(TDoWebStuffFields::New(true).progPath, "ftp://");
    EXPECT_EQ(Says(OkButtonClick(TDoWebStuffFields{false, "www.x.com"})),
              "<HTTP:http://www.x.com>");
    EXPECT_EQ(Says(OkButtonClick(TDoWebStuffFields{false, "wWw.x.com"})),
              "<HTTP:http://wWw.x.com>");
    EXPECT_EQ(Says(OkButtonClick(TDoWebStuffFields{false, "http://x.com"})), "<HTTP:http://x.com>");
    EXPECT_EQ(Says(OkButtonClick(TDoWebStuffFields{true, "www.f.org"})), "<FTP:www.f.org>");
    ExpectReadsBack(OkButtonClick(TDoWebStuffFields{false, "www.x.com"}));
}

TEST(CommandDialogs, DateAndTimeFormats) {
    using F = TDateOrTimeFields;
    const CommandOutcome date = OkButtonClick(F{true, 0, false, "7", true});
    EXPECT_EQ(Says(date), "<MM/DD/YY{YF007}>");
    EXPECT_EQ(Accepted(date).Line().text, "Date (7 days in future): MM/DD/YY  (03/30/98)");
    ExpectReadsBack(date);
    EXPECT_EQ(Says(OkButtonClick(F{true, 50, true, "", false})), "<Day of Week 4{NP000}>");
    // The days are read as far as they are a number; negative days go the other way.
    EXPECT_EQ(Says(OkButtonClick(F{true, 2, false, "12x", true})), "<MM.DD.YY{YF012}>");
    EXPECT_EQ(Says(OkButtonClick(F{true, 2, false, "-3", true})), "<MM.DD.YY{YP003}>");
    const CommandOutcome time = OkButtonClick(F{false, 23, true, "9", true});
    EXPECT_EQ(Says(time), "<hh:mma{N}>");
    ExpectReadsBack(time);
    const TDateTimeRec rec = std::get<TDateTimeRec>(Accepted(date).record);
    EXPECT_EQ(Says(OkButtonClick(F::From(rec))), "<MM/DD/YY{YF007}>");
}

TEST(CommandDialogs, ScopeChooserNeedsANameOrTheHighlightedEntry) {
    using F = TDoSpecWindFields;
    EXPECT_EQ(Says(OkButtonClick(F{false, " ", std::nullopt, true, false})),
              "No window title has been entered.  Please correct. [Error, TheTitle]");
    EXPECT_EQ(Says(OkButtonClick(F{true, "", std::nullopt, true, false})),
              "No program name has been entered.  Please correct. [Error, TheTitle]");
    EXPECT_EQ(Says(OkButtonClick(F{true, "", "NOTEPAD.EXE", true, false})),
              "No program name has been entered.  \"NOTEPAD.EXE\" is currently highlighted.  "
              "Would you like to use it? [Warning, TheTitle] ?");

    const auto taken =
        OkButtonClick(F{false, "", "Untitled - Notepad and a long tail", false, true});
    EXPECT_EQ(std::get<SpecWindResult>(taken).name, "Untitled - Notepad a");
    EXPECT_FALSE(std::get<SpecWindResult>(taken).topMostOnly);
    const auto typed = OkButtonClick(F{false, " Notepad ", "Calc", true, false});
    EXPECT_EQ(std::get<SpecWindResult>(typed).name, "Notepad");
    EXPECT_TRUE(std::get<SpecWindResult>(typed).topMostOnly);
}
