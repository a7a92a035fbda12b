#pragma once
// The fifty commands of the scripting editor. A script line's command is not stored: it is
// recognised from the line's display text by the prefix test, so the names below are part
// of what a line means.

#include <array>
#include <optional>
#include <string_view>

namespace kv {

// The command index: the position in the command table, from 1.
enum class Command : int {
    Text = 1,
    Date,
    Time,
    Delay,
    Pause,
    RepeatStart,
    RepeatEnd,
    KeystrokeSpeed,
    MouseSpeed,
    ActivateWindow,
    LaunchProgram,
    SoundBeep,
    SoundWaveFile,
    LoadNewMacroFile,
    LoadTextFile,
    ResizeWindow,
    RepositionWindow,
    MaximizeWindow,
    MinimizeWindow,
    RestoreWindow,
    CloseWindow,
    HideWindow,
    ShowWindow,
    MouseMove,
    LeftMouseButton,
    RightMouseButton,
    MiddleMouseButton,
    MouseWheel,
    Remark,
    ClipboardCopy,
    ClipboardPaste,
    RepeatCounter,
    ActivateOrLaunch,
    LaunchAndActivate,
    ClipboardStartCopy,
    ClipboardEndCopy,
    ClipboardFileCopy,
    ShutDownProgram,
    ControlKey,
    AltKey,
    ShiftKey,
    WinKey,
    WebSite,
    WebFtp,
    RepeatPromptStart,
    ChangeDirectory,
    DeleteFile,
    CopyFile,
    RenameFile,
    MacroPlaybackSpeed,
};

inline constexpr int kCommandCount = 50;

inline constexpr std::array<std::string_view, kCommandCount> kCommandNames = {
    "Text",
    "Date",
    "Time",
    "Delay",
    "Pause",
    "Repeat Start",
    "Repeat End",
    "Keystroke Speed",
    "Mouse Speed",
    "Activate Window",
    "Launch Program",
    "Sound Beep",
    "Sound Wave File",
    "Load New Macro File",
    "Load Text File",
    "Resize Window",
    "Reposition Window",
    "Maximize Window",
    "Minimize Window",
    "Restore Window",
    "Close Window",
    "Hide Window",
    "Show Window",
    "Mouse Move",
    "Left Mouse Button",
    "Right Mouse Button",
    "Middle Mouse Button",
    "Mouse Wheel",
    "Remark",
    "Clipboard Copy",
    "Clipboard Paste",
    "Repeat Counter",
    "Activate or Launch",
    "Launch and Activate",
    "Clipboard Start Copy",
    "Clipboard End Copy",
    "Clipboard File Copy",
    "Shut Down Program",
    "Control Key",
    "Alt Key",
    "Shift Key",
    "Win Key",
    "Web Site",
    "Web FTP",
    "Repeat Prompt Start",
    "Change Directory/Folder",
    "Delete File",
    "Copy File",
    "Rename File",
    "Macro Playback Speed",
};

constexpr int CommandIndex(Command c) {
    return static_cast<int>(c);
}

constexpr std::string_view CommandName(Command c) {
    return kCommandNames[static_cast<std::size_t>(CommandIndex(c) - 1)];
}

// Blanks around a display text (the indentation among them) never change its meaning.
std::string_view TrimBlanks(std::string_view text);

// The prefix test: the first command, in index order, whose name begins the trimmed text.
std::optional<Command> CommandOf(std::string_view displayText);

} // namespace kv
