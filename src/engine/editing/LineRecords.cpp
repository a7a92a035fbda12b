#include "engine/editing/LineRecords.h"

namespace kv {

LineRecord DefaultRecord(Command c) {
    using enum Command;
    switch (c) {
    case Text:
        return TTextRec{};
    case Date:
        return TDateTimeRec{};
    case Time:
        return TDateTimeRec{.isDate = false};
    case Delay:
        return TDelayRec{};
    case Pause:
        return TPauseRec{};
    case RepeatStart:
        return TRepeatRec{.kind = RepeatKind::Start, .value = 1};
    case RepeatPromptStart:
        return TRepeatRec{.kind = RepeatKind::Prompt};
    case RepeatEnd:
        return TRepeatRec{.kind = RepeatKind::End};
    case RepeatCounter:
        return TRepeatRec{.kind = RepeatKind::Counter, .value = 1};
    case KeystrokeSpeed:
        return TSpeedRec{.kind = SpeedKind::Keystroke};
    case MouseSpeed:
        return TSpeedRec{.kind = SpeedKind::Mouse};
    case MacroPlaybackSpeed:
        return TSpeedRec{.kind = SpeedKind::Playback};
    case ActivateWindow:
        return TLaunchRec{.kind = LaunchKind::Activate};
    case LaunchProgram:
        return TLaunchRec{.kind = LaunchKind::Launch};
    case LaunchAndActivate:
        return TLaunchRec{.kind = LaunchKind::LaunchAndActivate};
    case ActivateOrLaunch:
        return TLaunchRec{.kind = LaunchKind::ActivateOrLaunch};
    case SoundBeep:
        return TSoundRec{.kind = SoundKind::Beep};
    case SoundWaveFile:
        return TSoundRec{.kind = SoundKind::WaveFile, .wait = true};
    case LoadNewMacroFile:
    case LoadTextFile:
    case Remark:
    case WebSite:
    case WebFtp:
        return TStringRec{};
    case ResizeWindow:
        return TWinPlaceRec{.kind = WinPlaceKind::Resize};
    case RepositionWindow:
        return TWinPlaceRec{.kind = WinPlaceKind::Reposition};
    case MaximizeWindow:
        return TWinCmdRec{.command = WinCommand::Maximize};
    case MinimizeWindow:
        return TWinCmdRec{.command = WinCommand::Minimize};
    case RestoreWindow:
        return TWinCmdRec{.command = WinCommand::Restore};
    case CloseWindow:
        return TWinCmdRec{.command = WinCommand::Close};
    case HideWindow:
        return TWinCmdRec{.command = WinCommand::Hide};
    case ShowWindow:
        return TWinCmdRec{.command = WinCommand::Show};
    case ShutDownProgram:
        return TWinCmdRec{.command = WinCommand::ShutDown};
    case MouseMove:
        return TMouseRec{.action = MouseCode::Move};
    case LeftMouseButton:
        return TMouseRec{.action = MouseCode::LeftClick};
    case RightMouseButton:
        return TMouseRec{.action = MouseCode::RightClick};
    case MiddleMouseButton:
        return TMouseRec{.action = MouseCode::MiddleClick};
    case MouseWheel:
        return TMouseRec{.clicks = 1, .action = MouseCode::WheelForward};
    case ClipboardStartCopy:
        return TClipRec{.kind = ClipKind::StartCopy};
    case ClipboardEndCopy:
        return TClipRec{.kind = ClipKind::EndCopy};
    case ClipboardFileCopy:
        return TClipRec{.kind = ClipKind::FileCopy};
    case ClipboardCopy:
        return TClipRec{.kind = ClipKind::Copy};
    case ClipboardPaste:
        return TClipRec{.kind = ClipKind::Paste};
    case ControlKey:
        return TModKeyRec{.code = ModKeyCode::ControlDown};
    case AltKey:
        return TModKeyRec{.code = ModKeyCode::AltDown};
    case ShiftKey:
        return TModKeyRec{.code = ModKeyCode::ShiftDown};
    case WinKey:
        return TModKeyRec{.code = ModKeyCode::WinDown};
    case ChangeDirectory:
        return TFileCmdRec{.kind = FileCmdKind::ChangeDirectory};
    case CopyFile:
        return TFileCmdRec{.kind = FileCmdKind::Copy};
    case RenameFile:
        return TFileCmdRec{.kind = FileCmdKind::Rename};
    case DeleteFile:
        return TFileCmdRec{.kind = FileCmdKind::Delete};
    }
    return TTextRec{};
}

} // namespace kv
