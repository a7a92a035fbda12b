#include "engine/editing/TagWriter.h"

#include "engine/core/Limits.h"
#include "engine/editing/DirectEditor.h"
#include "engine/editing/ScriptDisplay.h"
#include "engine/macrotext/DateTimeFormats.h"
#include "engine/macrotext/TagTable.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>

namespace kv {
namespace {

constexpr char kClose = '>';
// The long date form adds a sign and the days to the short one.
constexpr int kDaysWidth = static_cast<int>(kLongDateExtra - kShortStampExtra - 1);

long long Largest(int width) {
    long long n = 1;
    for (int i = 0; i < width; ++i)
        n *= 10;
    return n - 1;
}

// The width the table gives a tag's field.
int Width(TagId id, std::size_t field) {
    return TagFor(id).fields[field].width;
}

std::string_view Separator(TagId id, std::size_t field) {
    return TagFor(id).fields[field].name;
}

std::string Spelling(TagId id) {
    return std::string(TagFor(id).spelling);
}

std::string Number(TagId id, long long value, std::size_t field = 0) {
    return Pad(value, Width(id, field));
}

std::string WithText(TagId id, std::string_view text) {
    return Spelling(id) + std::string(text) + kClose;
}

std::string Window(bool current, const std::string& title) {
    return current ? std::string(kCurrentTitle) : title;
}

std::string Program(const TLaunchRec& r) {
    return r.parameters.empty() ? r.program : r.program + std::string(kParamMark) + r.parameters;
}

std::string DateTag(const TDateTimeRec& r) {
    const std::string_view name = DateTimeFormatName(r.isDate, r.format);
    if (name.empty())
        return {};
    std::string tag = "<" + std::string(name) + kStampOpen;
    tag += r.leadingZeros ? kFlagKeepZeros : kFlagDropZeros;
    if (r.isDate) {
        // A negative offset is the same offset the other way.
        tag += (r.future == (r.days >= 0)) ? kSignFuture : kSignPast;
        tag += Pad(std::abs(static_cast<long long>(r.days)), kDaysWidth);
    }
    return tag + std::string(kStampClose);
}

std::string LaunchTag(Command c, const TLaunchRec& r) {
    switch (c) {
    case Command::ActivateWindow:
        return WithText(TagId::Activate, r.title);
    case Command::LaunchProgram:
        return WithText(TagId::Launch, Program(r));
    default:
        break;
    }
    const TagId id = c == Command::LaunchAndActivate ? TagId::LaunchNo : TagId::LaunchYes;
    return Spelling(id) + Number(id, r.waitSeconds) + r.title + WithText(TagId::Launch, Program(r));
}

std::string PlaceTag(Command c, const TWinPlaceRec& r) {
    const TagId id = c == Command::ResizeWindow ? TagId::WSize : TagId::WPos;
    return Spelling(id) + Number(id, r.widthOrLeft, 0) + std::string(Separator(id, 1)) +
           Number(id, r.heightOrTop, 2) + Window(r.current, r.title) + kClose;
}

TagId WindowCommandTag(Command c) {
    switch (c) {
    case Command::MinimizeWindow:
        return TagId::WMin;
    case Command::RestoreWindow:
        return TagId::WRes;
    case Command::CloseWindow:
        return TagId::WCls;
    case Command::HideWindow:
        return TagId::WHide;
    case Command::ShowWindow:
        return TagId::WShow;
    case Command::ShutDownProgram:
        return TagId::WShut;
    default:
        return TagId::WMax;
    }
}

std::string MouseTag(Command c, const TMouseRec& r) {
    if (c == Command::MouseMove) {
        const TagId id = r.windowRelative ? TagId::MoveWindow : TagId::MoveScreen;
        return Spelling(id) + Number(id, r.x, 0) + std::string(Separator(id, 1)) +
               Number(id, r.y, 2) + kClose;
    }
    if (c == Command::MouseWheel) {
        const TagId id =
            r.action == MouseCode::WheelForward ? TagId::WheelForward : TagId::WheelBackward;
        return Spelling(id) + Number(id, r.clicks) + kClose;
    }
    // By action code from 2: click, double click, down, up of each button in turn.
    constexpr TagId kButtons[] = {
        TagId::LeftClick,   TagId::LeftDoubleClick,   TagId::LeftDown,   TagId::LeftUp,
        TagId::RightClick,  TagId::RightDoubleClick,  TagId::RightDown,  TagId::RightUp,
        TagId::MiddleClick, TagId::MiddleDoubleClick, TagId::MiddleDown, TagId::MiddleUp};
    const int i = static_cast<int>(r.action) - static_cast<int>(MouseCode::LeftClick);
    if (i < 0 || i >= static_cast<int>(std::size(kButtons)))
        return {};
    return Spelling(kButtons[i]);
}

std::string ModKeyTag(Command c, ModKeyCode code) {
    switch (c) {
    case Command::AltKey:
        return Spelling(code == ModKeyCode::AltDown ? TagId::AltDown : TagId::AltUp);
    case Command::ShiftKey:
        return Spelling(code == ModKeyCode::ShiftDown ? TagId::ShiftDown : TagId::ShiftUp);
    case Command::WinKey:
        return Spelling(code == ModKeyCode::WinDown ? TagId::WinDown : TagId::WinUp);
    default:
        return Spelling(code == ModKeyCode::ControlDown ? TagId::CtrlDown : TagId::CtrlUp);
    }
}

std::string CounterTag(int width) {
    constexpr TagId kCounters[] = {TagId::Counter1, TagId::Counter2, TagId::Counter3,
                                   TagId::Counter4};
    return Spelling(kCounters[std::clamp(width, 1, 4) - 1]);
}

std::string FileTag(Command c, const TFileCmdRec& r) {
    switch (c) {
    case Command::ChangeDirectory:
        return WithText(TagId::ChDir, r.first);
    case Command::DeleteFile:
        return WithText(TagId::DelFile, r.first);
    default:
        break;
    }
    const TagId id = c == Command::CopyFile ? TagId::CopyFile : TagId::RenFile;
    return WithText(id, r.first + kPairSeparator + r.second);
}

std::string StringTag(Command c, const std::string& text) {
    switch (c) {
    case Command::LoadNewMacroFile:
        return WithText(TagId::Swap, text);
    case Command::LoadTextFile:
        return WithText(TagId::TFile, text);
    case Command::Remark:
        return WithText(TagId::Rem, text);
    case Command::WebSite:
        return WithText(TagId::Http, text);
    default:
        return WithText(TagId::Ftp, text);
    }
}

} // namespace

std::string Pad(long long value, int width) {
    value = std::clamp(value, -Largest(width - 1), Largest(width));
    std::string digits = std::to_string(value < 0 ? -value : value);
    const std::size_t room = static_cast<std::size_t>(width) - (value < 0 ? 1 : 0);
    if (digits.size() < room)
        digits.insert(0, room - digits.size(), '0');
    return value < 0 ? "-" + digits : digits;
}

std::string FixedReal(double value, int width) {
    if (!std::isfinite(value))
        value = 0;
    value = std::clamp(value, -static_cast<double>(Largest(width - 1)),
                       static_cast<double>(Largest(width)));
    const auto room = static_cast<std::size_t>(width);
    for (int decimals = 2; decimals >= 0; --decimals) {
        std::string s = Decimals(value, decimals);
        if (s.size() > room)
            continue;
        const std::size_t digits = s.starts_with('-') ? 1 : 0;
        s.insert(digits, room - s.size(), '0');
        return s;
    }
    return Pad(std::lround(value), width); // a rounding that grew a digit
}

std::string TagOf(Command c, const LineRecord& rec) {
    using enum Command;
    switch (c) {
    case Text:
        return RecordAs<TTextRec>(c, rec).text;
    case Date:
    case Time:
        return DateTag(RecordAs<TDateTimeRec>(c, rec));
    case Delay: {
        const TDelayRec r = RecordAs<TDelayRec>(c, rec);
        if (r.unit == DelayUnit::Seconds)
            return Spelling(TagId::Delay) + FixedReal(r.amount, Width(TagId::Delay, 0)) + kClose;
        return Spelling(TagId::Msd) + Number(TagId::Msd, std::llround(r.amount)) + kClose;
    }
    case Pause: {
        const TPauseRec r = RecordAs<TPauseRec>(c, rec);
        if (r.kind == PauseKind::Basic)
            return Spelling(TagId::Pause);
        return Spelling(TagId::PauseAt) + Number(TagId::PauseAt, r.top, 0) +
               std::string(Separator(TagId::PauseAt, 1)) + Number(TagId::PauseAt, r.left, 2) +
               r.message + kClose;
    }
    case RepeatStart:
        return Spelling(TagId::Repeat) + Number(TagId::Repeat, RecordAs<TRepeatRec>(c, rec).value) +
               kClose;
    case RepeatPromptStart:
        return Spelling(TagId::PromptRep);
    case RepeatEnd:
        return Spelling(TagId::EndRep);
    case RepeatCounter:
        return CounterTag(RecordAs<TRepeatRec>(c, rec).value);
    case KeystrokeSpeed:
    case MouseSpeed: {
        const TagId id = c == KeystrokeSpeed ? TagId::SpKey : TagId::SpMse;
        return Spelling(id) + Number(id, RecordAs<TSpeedRec>(c, rec).milliseconds) + kClose;
    }
    case MacroPlaybackSpeed:
        return Spelling(TagId::Speed) +
               FixedReal(RecordAs<TSpeedRec>(c, rec).factor, Width(TagId::Speed, 0)) + kClose;
    case ActivateWindow:
    case LaunchProgram:
    case LaunchAndActivate:
    case ActivateOrLaunch:
        return LaunchTag(c, RecordAs<TLaunchRec>(c, rec));
    case SoundBeep:
        return Spelling(TagId::Beep);
    case SoundWaveFile: {
        const TSoundRec r = RecordAs<TSoundRec>(c, rec);
        return WithText(r.wait ? TagId::Wav1 : TagId::Wav2, r.file);
    }
    case LoadNewMacroFile:
    case LoadTextFile:
    case Remark:
    case WebSite:
    case WebFtp:
        return StringTag(c, RecordAs<TStringRec>(c, rec).text);
    case ResizeWindow:
    case RepositionWindow:
        return PlaceTag(c, RecordAs<TWinPlaceRec>(c, rec));
    case MaximizeWindow:
    case MinimizeWindow:
    case RestoreWindow:
    case CloseWindow:
    case HideWindow:
    case ShowWindow:
    case ShutDownProgram: {
        const TWinCmdRec r = RecordAs<TWinCmdRec>(c, rec);
        return WithText(WindowCommandTag(c), Window(r.current, r.title));
    }
    case MouseMove:
    case LeftMouseButton:
    case RightMouseButton:
    case MiddleMouseButton:
    case MouseWheel:
        return MouseTag(c, RecordAs<TMouseRec>(c, rec));
    case ClipboardStartCopy:
        return Spelling(TagId::BegClip);
    case ClipboardEndCopy:
        return Spelling(TagId::EndClip);
    case ClipboardCopy:
        return Spelling(TagId::ClipCopy);
    case ClipboardPaste:
        return Spelling(TagId::ClipPaste);
    case ClipboardFileCopy:
        return WithText(TagId::ClipFile, RecordAs<TClipRec>(c, rec).file);
    case ControlKey:
    case AltKey:
    case ShiftKey:
    case WinKey:
        return ModKeyTag(c, RecordAs<TModKeyRec>(c, rec).code);
    case ChangeDirectory:
    case DeleteFile:
    case CopyFile:
    case RenameFile:
        return FileTag(c, RecordAs<TFileCmdRec>(c, rec));
    }
    return {};
}

std::string TagOf(const ScriptLine& line) {
    const std::optional<Command> c = CommandOf(line.text);
    return c ? TagOf(*c, line.record) : std::string();
}

ScriptText ScriptToMacroText(std::span<const ScriptLine> lines) {
    ScriptText out;
    for (const ScriptLine& line : lines)
        out.text += TagOf(line);
    if (out.text.size() > kMaxMacroText) {
        out.truncated = TruncatedMacroMessage();
        out.text.resize(kMaxMacroText);
    }
    return out;
}

} // namespace kv
