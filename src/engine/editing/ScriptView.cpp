#include "engine/editing/ScriptView.h"

#include "engine/macrotext/MacroTextReader.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>

namespace kv {
namespace {

constexpr int kIndentStep = 3;

struct CommandLine {
    Command command;
    LineRecord record;
};

// A fixed field read with the integer conversion, whatever type the table gives it: the
// script keeps whole pixels for a mouse move.
int IntegerAt(std::string_view text, const Element& e, std::size_t field) {
    const TagField& f = e.tag->fields[field];
    if (f.type == FieldType::Integer)
        return e.Integer(field);
    const std::size_t from = e.start + static_cast<std::size_t>(f.offset);
    if (from >= text.size())
        return 0;
    return ParseIntegerField(text.substr(from, static_cast<std::size_t>(f.width)));
}

TWinCmdRec WindowCommand(const Element& e, WinCommand command) {
    const std::string& title = e.Text(0);
    if (title == kCurrentTitle)
        return {.command = command, .current = true};
    return {.title = title, .command = command};
}

TWinPlaceRec WindowPlace(const Element& e, WinPlaceKind kind) {
    TWinPlaceRec r{.kind = kind, .widthOrLeft = e.Integer(0), .heightOrTop = e.Integer(2)};
    if (e.Text(3) == kCurrentTitle)
        r.current = true;
    else
        r.title = e.Text(3);
    return r;
}

TLaunchRec LaunchWait(const Element& e, LaunchKind kind) {
    return {.kind = kind,
            .title = e.Text(1),
            .program = e.Text(2),
            .parameters = e.Text(3),
            .waitSeconds = e.Integer(0)};
}

CommandLine ModKey(Command c, ModKeyCode code) {
    return {c, TModKeyRec{.code = code}};
}

CommandLine Button(const TagInfo& tag) {
    int base = static_cast<int>(MouseCode::LeftClick);
    Command c = Command::LeftMouseButton;
    if (tag.button == MouseButton::Right) {
        base = static_cast<int>(MouseCode::RightClick);
        c = Command::RightMouseButton;
    } else if (tag.button == MouseButton::Middle) {
        base = static_cast<int>(MouseCode::MiddleClick);
        c = Command::MiddleMouseButton;
    }
    int step = 0; // click, double click, down, up
    if (tag.mouse == MouseAction::DoubleClick)
        step = 1;
    else if (tag.mouse == MouseAction::Down)
        step = 2;
    else if (tag.mouse == MouseAction::Up)
        step = 3;
    return {c, TMouseRec{.action = static_cast<MouseCode>(base + step)}};
}

CommandLine Move(std::string_view text, const Element& e, bool window) {
    return {Command::MouseMove, TMouseRec{.x = IntegerAt(text, e, 0),
                                          .y = IntegerAt(text, e, 2),
                                          .action = MouseCode::Move,
                                          .windowRelative = window}};
}

CommandLine Wheel(const Element& e, MouseCode code) {
    return {Command::MouseWheel, TMouseRec{.clicks = e.Integer(0), .action = code}};
}

CommandLine Str(Command c, const Element& e) {
    return {c, TStringRec{.text = e.Text(0)}};
}

CommandLine Clip(Command c, ClipKind kind, std::string file = {}) {
    return {c, TClipRec{.kind = kind, .file = std::move(file)}};
}

CommandLine Files(Command c, FileCmdKind kind, const Element& e) {
    TFileCmdRec r{.kind = kind, .first = e.Text(0)};
    if (e.fields.size() > 1)
        r.second = e.Text(1);
    return {c, r};
}

// The line a named tag makes; nothing for the tags that stay in a text run.
std::optional<CommandLine> TagLine(std::string_view text, const Element& e) {
    using enum TagId;
    switch (e.tag->id) {
    case CtrlDown:
        return ModKey(Command::ControlKey, ModKeyCode::ControlDown);
    case CtrlUp:
        return ModKey(Command::ControlKey, ModKeyCode::ControlUp);
    case AltDown:
        return ModKey(Command::AltKey, ModKeyCode::AltDown);
    case AltUp:
        return ModKey(Command::AltKey, ModKeyCode::AltUp);
    case ShiftDown:
        return ModKey(Command::ShiftKey, ModKeyCode::ShiftDown);
    case ShiftUp:
        return ModKey(Command::ShiftKey, ModKeyCode::ShiftUp);
    case WinDown:
        return ModKey(Command::WinKey, ModKeyCode::WinDown);
    case WinUp:
        return ModKey(Command::WinKey, ModKeyCode::WinUp);
    case LeftDown:
    case LeftUp:
    case LeftClick:
    case LeftDoubleClick:
    case RightDown:
    case RightUp:
    case RightClick:
    case RightDoubleClick:
    case MiddleDown:
    case MiddleUp:
    case MiddleClick:
    case MiddleDoubleClick:
        return Button(*e.tag);
    case WheelForward:
        return Wheel(e, MouseCode::WheelForward);
    case WheelBackward:
        return Wheel(e, MouseCode::WheelBackward);
    case MoveScreen:
        return Move(text, e, false);
    case MoveWindow:
        return Move(text, e, true);
    case PauseAt:
        return CommandLine{Command::Pause, TPauseRec{.kind = PauseKind::Complex,
                                                     .left = e.Integer(2),
                                                     .top = e.Integer(0),
                                                     .message = e.Text(3)}};
    case Pause:
        return CommandLine{Command::Pause, TPauseRec{.kind = PauseKind::Basic}};
    case Delay:
        // A field that is no number stays text, so saving gives back what was there.
        if (!e.Real(0))
            return std::nullopt;
        return CommandLine{Command::Delay,
                           TDelayRec{.unit = DelayUnit::Seconds, .amount = *e.Real(0)}};
    case Msd:
        return CommandLine{Command::Delay, TDelayRec{.unit = DelayUnit::Milliseconds,
                                                     .amount = static_cast<double>(e.Integer(0))}};
    case WMax:
        return CommandLine{Command::MaximizeWindow, WindowCommand(e, WinCommand::Maximize)};
    case WMin:
        return CommandLine{Command::MinimizeWindow, WindowCommand(e, WinCommand::Minimize)};
    case WRes:
        return CommandLine{Command::RestoreWindow, WindowCommand(e, WinCommand::Restore)};
    case WCls:
        return CommandLine{Command::CloseWindow, WindowCommand(e, WinCommand::Close)};
    case WHide:
        return CommandLine{Command::HideWindow, WindowCommand(e, WinCommand::Hide)};
    case WShow:
        return CommandLine{Command::ShowWindow, WindowCommand(e, WinCommand::Show)};
    case WShut:
        return CommandLine{Command::ShutDownProgram, WindowCommand(e, WinCommand::ShutDown)};
    case WSize:
        return CommandLine{Command::ResizeWindow, WindowPlace(e, WinPlaceKind::Resize)};
    case WPos:
        return CommandLine{Command::RepositionWindow, WindowPlace(e, WinPlaceKind::Reposition)};
    case Counter4:
    case Counter3:
    case Counter2:
    case Counter1:
        // The width is the number of "I"s.
        return CommandLine{Command::RepeatCounter,
                           TRepeatRec{.kind = RepeatKind::Counter,
                                      .value = static_cast<int>(e.tag->Name().size())}};
    case Repeat:
        return CommandLine{Command::RepeatStart,
                           TRepeatRec{.kind = RepeatKind::Start, .value = e.Integer(0)}};
    case PromptRep:
        return CommandLine{Command::RepeatPromptStart, TRepeatRec{.kind = RepeatKind::Prompt}};
    case EndRep:
        return CommandLine{Command::RepeatEnd, TRepeatRec{.kind = RepeatKind::End}};
    case BegClip:
        return Clip(Command::ClipboardStartCopy, ClipKind::StartCopy);
    case EndClip:
        return Clip(Command::ClipboardEndCopy, ClipKind::EndCopy);
    case ClipCopy:
        return Clip(Command::ClipboardCopy, ClipKind::Copy);
    case ClipPaste:
        return Clip(Command::ClipboardPaste, ClipKind::Paste);
    case ClipFile:
        return Clip(Command::ClipboardFileCopy, ClipKind::FileCopy, e.Text(0));
    case Wav1:
    case Wav2:
        return CommandLine{
            Command::SoundWaveFile,
            TSoundRec{.kind = SoundKind::WaveFile, .file = e.Text(0), .wait = e.tag->id == Wav1}};
    case Beep:
        return CommandLine{Command::SoundBeep, TSoundRec{.kind = SoundKind::Beep}};
    case Speed:
        if (!e.Real(0)) // the player leaves the speed as it is: keep the tag as text
            return std::nullopt;
        return CommandLine{Command::MacroPlaybackSpeed,
                           TSpeedRec{.kind = SpeedKind::Playback, .factor = *e.Real(0)}};
    case SpKey:
        return CommandLine{Command::KeystrokeSpeed,
                           TSpeedRec{.kind = SpeedKind::Keystroke, .milliseconds = e.Integer(0)}};
    case SpMse:
        return CommandLine{Command::MouseSpeed,
                           TSpeedRec{.kind = SpeedKind::Mouse, .milliseconds = e.Integer(0)}};
    case ChDir:
        return Files(Command::ChangeDirectory, FileCmdKind::ChangeDirectory, e);
    case DelFile:
        return Files(Command::DeleteFile, FileCmdKind::Delete, e);
    case CopyFile:
        return Files(Command::CopyFile, FileCmdKind::Copy, e);
    case RenFile:
        return Files(Command::RenameFile, FileCmdKind::Rename, e);
    case Swap:
        return Str(Command::LoadNewMacroFile, e);
    case TFile:
        return Str(Command::LoadTextFile, e);
    case Http:
        return Str(Command::WebSite, e);
    case Ftp:
        return Str(Command::WebFtp, e);
    case Rem:
        return Str(Command::Remark, e);
    case Activate:
        return CommandLine{Command::ActivateWindow,
                           TLaunchRec{.kind = LaunchKind::Activate, .title = e.Text(0)}};
    case Launch:
        return CommandLine{
            Command::LaunchProgram,
            TLaunchRec{.kind = LaunchKind::Launch, .program = e.Text(0), .parameters = e.Text(1)}};
    case LaunchNo:
        return CommandLine{Command::LaunchAndActivate,
                           LaunchWait(e, LaunchKind::LaunchAndActivate)};
    case LaunchYes:
        return CommandLine{Command::ActivateOrLaunch, LaunchWait(e, LaunchKind::ActivateOrLaunch)};
    case Key:
    case Shift:
    case Ctrl:
    case Alt:
    case RightMouse:
    case MiddleMouse:
    case Test:
    case AltCode:
    case Alt4Code:
        break;
    }
    return std::nullopt;
}

std::optional<CommandLine> LineOf(std::string_view text, const Element& e) {
    switch (e.kind) {
    case ElementKind::Date:
        return CommandLine{Command::Date,
                           TDateTimeRec{.isDate = true,
                                        .format = static_cast<int>(e.stamp.format) + 1,
                                        .leadingZeros = e.stamp.KeepZeros(),
                                        .future = e.stamp.sign != kSignPast,
                                        .days = std::abs(e.stamp.days)}};
    case ElementKind::Time:
        return CommandLine{Command::Time,
                           TDateTimeRec{.isDate = false,
                                        .format = static_cast<int>(e.stamp.format) + 1,
                                        .leadingZeros = e.stamp.KeepZeros()}};
    case ElementKind::Char:
    case ElementKind::Key:
        return std::nullopt;
    case ElementKind::Modifier:
    case ElementKind::Mouse:
    case ElementKind::Command:
        break;
    }
    return TagLine(text, e);
}

bool StartsWithModifier(std::string_view text, std::string_view state) {
    for (Command c : {Command::ControlKey, Command::AltKey, Command::ShiftKey, Command::WinKey}) {
        if (text.starts_with(std::string(CommandName(c)) + std::string(state)))
            return true;
    }
    return false;
}

bool ClosesBlock(std::string_view text) {
    return text.starts_with(CommandName(Command::RepeatEnd)) ||
           text.starts_with(CommandName(Command::ClipboardEndCopy)) ||
           StartsWithModifier(text, " Up");
}

bool OpensBlock(std::string_view text) {
    return text.starts_with(CommandName(Command::ClipboardStartCopy)) ||
           text.starts_with(CommandName(Command::RepeatStart)) ||
           text.starts_with(CommandName(Command::RepeatPromptStart)) ||
           StartsWithModifier(text, " Down");
}

} // namespace

ScriptLine MakeScriptLine(Command command, LineRecord record, CurrentWindowWording wording) {
    std::string text = DisplayText(command, record, wording);
    return {std::move(text), std::move(record)};
}

std::vector<ScriptLine> BuildTheScript(std::string_view macroText) {
    std::vector<ScriptLine> lines;
    std::string run;
    const auto closeRun = [&] {
        if (!run.empty())
            lines.push_back(MakeScriptLine(Command::Text, TTextRec{std::exchange(run, {})}));
    };
    for (std::size_t pos = 0; pos < macroText.size();) {
        const Element e = ReadElement(macroText, pos);
        std::optional<CommandLine> line = LineOf(macroText, e);
        if (!line) {
            run += macroText.substr(e.start, e.length);
            pos = e.End();
            continue;
        }
        closeRun();
        lines.push_back(MakeScriptLine(line->command, std::move(line->record)));
        // The lines of a clipboard block are lines of their own, not part of its tag.
        pos = e.tag && e.tag->id == TagId::BegClip ? e.start + e.tag->spelling.size() : e.End();
    }
    closeRun();
    return lines;
}

void SetIndents(std::span<ScriptLine> lines) {
    int level = 0;
    for (ScriptLine& line : lines) {
        const std::string text(TrimBlanks(line.text));
        if (ClosesBlock(text))
            level = std::max(0, level - kIndentStep);
        line.text = std::string(static_cast<std::size_t>(level), ' ') + text;
        if (OpensBlock(text))
            level += kIndentStep;
    }
}

} // namespace kv
