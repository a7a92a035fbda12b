#include "engine/editing/ScriptDisplay.h"

#include "engine/macrotext/DateTimeFormats.h"

#include <charconv>
#include <cmath>

namespace kv {
namespace {

// Where a text run and a remark are cut for display.
constexpr std::size_t kTextShown = 50;
constexpr std::size_t kTextWhole = 53;
constexpr std::size_t kRemarkShown = 40;
constexpr std::size_t kRemarkWhole = 43;
constexpr std::string_view kEllipsis = "...";

// Every example shows this moment.
constexpr DateTime kExampleMoment{
    .year = 1998, .month = 3, .day = 30, .hour = 15, .minute = 4, .second = 23};

std::string N(long long value) {
    return std::to_string(value);
}

std::string Quoted(std::string_view s) {
    return "\"" + std::string(s) + "\"";
}

// A run always shows its first 50 characters, and dots only when it is longer than 53.
std::string RunShown(std::string_view run) {
    std::string shown(run.substr(0, kTextShown));
    return run.size() > kTextWhole ? shown + std::string(kEllipsis) : shown;
}

// A remark shows whole up to 43 characters, else its first 40 and dots.
std::string RemarkShown(std::string_view remark) {
    if (remark.size() <= kRemarkWhole)
        return std::string(remark);
    return std::string(remark.substr(0, kRemarkShown)) + std::string(kEllipsis);
}

std::string WithName(Command c, std::string_view rest) {
    return std::string(CommandName(c)) + std::string(rest);
}

std::string Named(Command c, std::string_view value) {
    return WithName(c, ": " + std::string(value));
}

std::string DateOrTimeText(Command c, const TDateTimeRec& r) {
    std::string offset;
    if (r.isDate && r.days > 0) {
        offset = " (" + N(r.days) + (r.days == 1 ? " day" : " days") +
                 (r.future ? " in future)" : " in past)");
    }
    return WithName(c, offset + ": " + std::string(DateTimeFormatName(r.isDate, r.format)) + "  (" +
                           DateTimeExample(r.isDate, r.format) + ")");
}

std::string CurrentOr(const std::string& title, bool current, CurrentWindowWording wording,
                      bool quoted) {
    if (current)
        return wording == CurrentWindowWording::Full ? " - Current Window" : " - Current Win";
    return quoted ? " - " + Quoted(title) : " - Window Title: " + title;
}

std::string MouseText(Command c, const TMouseRec& r) {
    switch (c) {
    case Command::MouseMove:
        return WithName(c, (r.windowRelative ? " Window " : " Screen ") + N(r.x) + "," + N(r.y));
    case Command::MouseWheel:
        return WithName(
            c, " " + N(r.clicks) +
                   (r.action == MouseCode::WheelForward ? " Clicks Forward" : " Clicks Backward"));
    default:
        break;
    }
    const int code = static_cast<int>(r.action);
    if (code < static_cast<int>(MouseCode::LeftClick) ||
        code > static_cast<int>(MouseCode::MiddleUp))
        return std::string(CommandName(c));
    // Each button has four codes in the order click, double click, down, up.
    constexpr std::string_view kActions[] = {" Click", " Double Click", " Down", " Up"};
    return WithName(c, kActions[(code - static_cast<int>(MouseCode::LeftClick)) % 4]);
}

ModKeyCode DownCodeOf(Command c) {
    switch (c) {
    case Command::AltKey:
        return ModKeyCode::AltDown;
    case Command::ShiftKey:
        return ModKeyCode::ShiftDown;
    case Command::WinKey:
        return ModKeyCode::WinDown;
    default:
        return ModKeyCode::ControlDown;
    }
}

std::string Build(Command c, const LineRecord& rec, CurrentWindowWording wording) {
    using enum Command;
    switch (c) {
    case Text:
        return Named(c, RunShown(RecordAs<TTextRec>(c, rec).text));
    case Date:
    case Time:
        return DateOrTimeText(c, RecordAs<TDateTimeRec>(c, rec));
    case Delay: {
        const TDelayRec r = RecordAs<TDelayRec>(c, rec);
        if (r.unit == DelayUnit::Seconds)
            return WithName(c, " " + TwoDecimals(r.amount) + " Seconds");
        return WithName(c, " " + N(static_cast<long long>(r.amount)) + " Milliseconds");
    }
    case Pause:
        return Named(c,
                     RecordAs<TPauseRec>(c, rec).kind == PauseKind::Complex ? "Complex" : "Basic");
    case RepeatStart:
        return Named(c, N(RecordAs<TRepeatRec>(c, rec).value));
    case RepeatPromptStart:
        return Named(c, "(prompt for repeat count at macro play time)");
    case RepeatCounter:
        return Named(c, "Width " + N(RecordAs<TRepeatRec>(c, rec).value));
    case KeystrokeSpeed:
    case MouseSpeed:
        return Named(c, N(RecordAs<TSpeedRec>(c, rec).milliseconds) + " Milliseconds");
    case MacroPlaybackSpeed:
        return WithName(c, PlaybackSpeedSuffix(RecordAs<TSpeedRec>(c, rec).factor));
    case ActivateWindow:
        return Named(c, Quoted(RecordAs<TLaunchRec>(c, rec).title));
    case LaunchProgram:
    case LaunchAndActivate:
    case ActivateOrLaunch:
        return Named(c, FileNamePart(RecordAs<TLaunchRec>(c, rec).program));
    case SoundWaveFile:
        return Named(c, FileNamePart(RecordAs<TSoundRec>(c, rec).file));
    case LoadNewMacroFile:
    case LoadTextFile:
        return Named(c, FileNamePart(RecordAs<TStringRec>(c, rec).text));
    case Remark:
        return Named(c, RemarkShown(RecordAs<TStringRec>(c, rec).text));
    case WebSite:
    case WebFtp:
        return Named(c, RecordAs<TStringRec>(c, rec).text);
    case ResizeWindow:
    case RepositionWindow: {
        const TWinPlaceRec r = RecordAs<TWinPlaceRec>(c, rec);
        const bool resize = c == ResizeWindow;
        return WithName(c, CurrentOr(r.title, r.current, CurrentWindowWording::Short, true) +
                               (resize ? " (Width: " : " (Left: ") + N(r.widthOrLeft) +
                               (resize ? " Height: " : " Top: ") + N(r.heightOrTop) + ")");
    }
    case MaximizeWindow:
    case MinimizeWindow:
    case RestoreWindow:
    case CloseWindow:
    case HideWindow:
    case ShowWindow:
    case ShutDownProgram: {
        const TWinCmdRec r = RecordAs<TWinCmdRec>(c, rec);
        return WithName(c, CurrentOr(r.title, r.current, wording, false));
    }
    case MouseMove:
    case LeftMouseButton:
    case RightMouseButton:
    case MiddleMouseButton:
    case MouseWheel:
        return MouseText(c, RecordAs<TMouseRec>(c, rec));
    case ClipboardFileCopy:
        return Named(c, FileNamePart(RecordAs<TClipRec>(c, rec).file));
    case ControlKey:
    case AltKey:
    case ShiftKey:
    case WinKey:
        return WithName(c, RecordAs<TModKeyRec>(c, rec).code == DownCodeOf(c) ? " Down" : " Up");
    case ChangeDirectory:
        return Named(c, RecordAs<TFileCmdRec>(c, rec).first);
    case DeleteFile:
    case CopyFile:
    case RenameFile:
        return Named(c, FileNamePart(RecordAs<TFileCmdRec>(c, rec).first));
    case RepeatEnd:
    case SoundBeep:
    case ClipboardCopy:
    case ClipboardPaste:
    case ClipboardStartCopy:
    case ClipboardEndCopy:
        break;
    }
    return std::string(CommandName(c));
}

} // namespace

std::string DisplayText(Command command, const LineRecord& record, CurrentWindowWording wording) {
    std::string text = Build(command, record, wording);
    if (text.size() > kDisplayMax)
        text.resize(kDisplayMax);
    return text;
}

std::string_view FileNamePart(std::string_view path) {
    const std::size_t slash = path.rfind('\\');
    return slash == std::string_view::npos ? path : path.substr(slash + 1);
}

std::string Decimals(double value, int decimals) {
    if (!std::isfinite(value))
        value = 0;
    // The shortest form that reads back as the value is the decimal the user wrote.
    char buf[400];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed);
    std::string s = ec == std::errc() ? std::string(buf, end) : std::string("0");
    const bool negative = s.starts_with('-');
    if (negative)
        s.erase(0, 1);
    const std::size_t point = s.find('.');
    std::string whole = s.substr(0, point);
    std::string fraction = point == std::string::npos ? std::string() : s.substr(point + 1);
    const auto keep = static_cast<std::size_t>(decimals);
    const bool up = fraction.size() > keep && fraction[keep] >= '5';
    fraction.resize(keep, '0');
    std::string digits = whole + fraction;
    if (up) {
        std::size_t i = digits.size();
        while (i > 0 && digits[i - 1] == '9')
            digits[--i] = '0';
        if (i == 0)
            digits.insert(0, 1, '1');
        else
            ++digits[i - 1];
    }
    std::string out = digits.substr(0, digits.size() - keep);
    if (keep > 0)
        out += "." + digits.substr(digits.size() - keep);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    return negative && !zero ? "-" + out : out;
}

std::string TwoDecimals(double value) {
    return Decimals(value, 2);
}

std::string PlaybackSpeedSuffix(double factor) {
    if (factor == 0)
        return ": No Speed";
    if (factor == 1)
        return ": Normal Speed";
    const bool slower = factor > 1;
    std::string x = TwoDecimals(slower ? factor : 1 / factor);
    if (x.ends_with(".00"))
        x.resize(x.size() - 3);
    else if (x.size() >= 3 && x.back() == '0' && x[x.size() - 3] == '.')
        x.pop_back();
    return ": " + x + (slower ? " Times Slower Than Normal" : " Times Faster Than Normal");
}

std::string_view DateTimeFormatName(bool isDate, int format) {
    const auto i = static_cast<std::size_t>(format - 1);
    if (format < 1)
        return {};
    if (isDate)
        return i < kDateFormatNames.size() ? kDateFormatNames[i] : std::string_view{};
    return i < kTimeFormatNames.size() ? kTimeFormatNames[i] : std::string_view{};
}

std::string DateTimeExample(bool isDate, int format) {
    if (DateTimeFormatName(isDate, format).empty())
        return {};
    const auto i = static_cast<std::size_t>(format - 1);
    // Dates show their leading zeros; the 12-hour times show the hour without one (the
    // 24-hour hour of the example has two digits either way).
    return isDate ? FormatDate(i, true, kExampleMoment) : FormatTime(i, false, kExampleMoment);
}

} // namespace kv
