#pragma once
// Script lines: what the user reads (the display text) and what the line means (its line
// record). The record decides the tag a line writes; the display text only names the
// command. The numbered kinds and codes are those the command dialogs produce.

#include "engine/editing/ScriptCommands.h"

#include <string>
#include <variant>

namespace kv {

enum class DelayUnit : int { Seconds = 1, Milliseconds = 2 };
enum class PauseKind : int { Basic = 1, Complex = 2 };
enum class RepeatKind : int { Start = 1, Prompt = 2, End = 3, Counter = 4 };
enum class SpeedKind : int { Keystroke = 1, Mouse = 2, Playback = 3 };
enum class LaunchKind : int {
    Activate = 1,
    Launch = 2,
    LaunchAndActivate = 3,
    ActivateOrLaunch = 4
};
enum class SoundKind : int { Beep = 1, WaveFile = 2 };
enum class WinPlaceKind : int { Resize = 1, Reposition = 2 };
enum class WinCommand : int {
    Maximize = 1,
    Minimize,
    Restore,
    Close,
    Hide,
    Show,
    ShutDown,
};
enum class MouseCode : int {
    Move = 1,
    LeftClick,
    LeftDoubleClick,
    LeftDown,
    LeftUp,
    RightClick,
    RightDoubleClick,
    RightDown,
    RightUp,
    MiddleClick,
    MiddleDoubleClick,
    MiddleDown,
    MiddleUp,
    WheelForward,
    WheelBackward,
};
enum class ClipKind : int { StartCopy = 1, EndCopy, FileCopy, Copy, Paste };
enum class ModKeyCode : int {
    ControlDown = 1,
    ControlUp,
    AltDown,
    AltUp,
    ShiftDown,
    ShiftUp,
    WinDown,
    WinUp,
};
enum class FileCmdKind : int { ChangeDirectory = 1, Copy = 2, Rename = 3, Delete = 4 };

// Strings other than TTextRec's hold at most 255 characters, as a tag's free text does.

struct TTextRec {
    std::string text{}; // the whole run, tags included
    bool operator==(const TTextRec&) const = default;
};

struct TDateTimeRec {
    bool isDate = true;
    int format = 1; // 1..51 for dates, 1..26 for times
    bool leadingZeros = true;
    bool future = true;
    int days = 0;
    bool operator==(const TDateTimeRec&) const = default;
};

struct TDelayRec {
    DelayUnit unit = DelayUnit::Seconds;
    double amount = 0;
    bool operator==(const TDelayRec&) const = default;
};

struct TPauseRec {
    PauseKind kind = PauseKind::Basic;
    int left = 0;
    int top = 0;
    std::string message{};
    bool operator==(const TPauseRec&) const = default;
};

struct TRepeatRec {
    RepeatKind kind = RepeatKind::Start;
    int value = 0; // the count of a start, the width 1..4 of a counter
    bool operator==(const TRepeatRec&) const = default;
};

struct TSpeedRec {
    SpeedKind kind = SpeedKind::Keystroke;
    int milliseconds = 0; // keystroke and mouse speed
    double factor = 1.0;  // playback speed
    bool operator==(const TSpeedRec&) const = default;
};

struct TLaunchRec {
    LaunchKind kind = LaunchKind::Activate;
    std::string title{};
    std::string program{};
    std::string parameters{};
    int waitSeconds = 0; // launch and activate, activate or launch
    bool operator==(const TLaunchRec&) const = default;
};

struct TSoundRec {
    SoundKind kind = SoundKind::Beep;
    std::string file{};
    bool wait = false;
    bool operator==(const TSoundRec&) const = default;
};

struct TStringRec {
    std::string text{}; // the file, remark or address
    bool operator==(const TStringRec&) const = default;
};

struct TWinPlaceRec {
    std::string title{}; // empty for the current window
    WinPlaceKind kind = WinPlaceKind::Resize;
    bool current = false;
    int widthOrLeft = 0;
    int heightOrTop = 0;
    bool operator==(const TWinPlaceRec&) const = default;
};

struct TWinCmdRec {
    std::string title{}; // empty for the current window
    WinCommand command = WinCommand::Maximize;
    bool current = false;
    bool operator==(const TWinCmdRec&) const = default;
};

struct TMouseRec {
    int x = 0;
    int y = 0;
    int clicks = 0;
    MouseCode action = MouseCode::Move;
    bool windowRelative = true;
    bool operator==(const TMouseRec&) const = default;
};

struct TClipRec {
    ClipKind kind = ClipKind::StartCopy;
    std::string file{};
    bool operator==(const TClipRec&) const = default;
};

struct TModKeyRec {
    ModKeyCode code = ModKeyCode::ControlDown;
    bool operator==(const TModKeyRec&) const = default;
};

struct TFileCmdRec {
    FileCmdKind kind = FileCmdKind::ChangeDirectory;
    std::string first{};
    std::string second{};
    bool operator==(const TFileCmdRec&) const = default;
};

using LineRecord = std::variant<TTextRec, TDateTimeRec, TDelayRec, TPauseRec, TRepeatRec, TSpeedRec,
                                TLaunchRec, TSoundRec, TStringRec, TWinPlaceRec, TWinCmdRec,
                                TMouseRec, TClipRec, TModKeyRec, TFileCmdRec>;

struct ScriptLine {
    std::string text{}; // the display text, indentation included
    LineRecord record;
    bool operator==(const ScriptLine&) const = default;
};

// A record of the type the command uses, with the kind or code that selects the command
// among those sharing the type (a dialog opened for a new line preselects it).
LineRecord DefaultRecord(Command c);

// The record read as the type its command uses. A record of another type (which Keyvane
// never makes, but a hand-written script may) reads as the command's default.
template <class R>
R RecordAs(Command c, const LineRecord& record) {
    if (const R* r = std::get_if<R>(&record))
        return *r;
    const LineRecord fallback = DefaultRecord(c);
    if (const R* r = std::get_if<R>(&fallback))
        return *r;
    return R{};
}

} // namespace kv
