#include "engine/editing/DelayDialogs.h"

#include "engine/editing/TagWriter.h"
#include "engine/macrotext/TagTable.h"

#include <cmath>

namespace kv {
namespace {

using dialog::Accept;
using dialog::Error;
using dialog::Field;
using dialog::NumberText;
using dialog::WholeInteger;

constexpr std::string_view kSeconds = "Seconds";
constexpr std::string_view kTopCoord = "TopCoord";
constexpr std::string_view kLeftCoord = "LeftCoord";
constexpr std::string_view kPauseMessage = "PauseMessage";
constexpr std::string_view kCount = "Count";

constexpr double kMaxDelaySeconds = 60;
constexpr long long kMaxDelayMilliseconds = 9999;
constexpr int kMaxCounterWidth = 4;
// The Alt sequence of `TDoDelay` has no stated length; a path-sized field is plenty.
constexpr std::size_t kTDoDelayLength = kFreeTextMax;

} // namespace

TDoDelay2Fields TDoDelay2Fields::From(const TDelayRec& r) {
    if (r.unit == DelayUnit::Seconds)
        return {NumberText(r.amount), r.unit};
    return {NumberText(std::llround(r.amount)), r.unit};
}

CommandOutcome OkButtonClick(const TDoDelay2Fields& f) {
    const std::string text = Field(f.seconds, TDoDelay2Fields::kSecondsLength);
    if (f.unit == DelayUnit::Seconds)
        return DelaySecondsOk(text);
    const std::optional<long long> ms = WholeInteger(text);
    if (!ms || *ms < 1)
        return Error("Value must be greater than zero.", kSeconds);
    if (*ms > kMaxDelayMilliseconds)
        return Error("Value must be less than 9999.", kSeconds);
    return Accept(Command::Delay,
                  TDelayRec{.unit = DelayUnit::Milliseconds, .amount = static_cast<double>(*ms)});
}

CommandOutcome DelaySecondsOk(std::string_view seconds) {
    const std::optional<double> s = dialog::Real(Field(seconds, kTDoDelayLength));
    if (!s || *s <= 0 || *s > kMaxDelaySeconds)
        return Error("Value must be greater than zero and no larger than 60.", kSeconds);
    return Accept(Command::Delay, TDelayRec{.unit = DelayUnit::Seconds, .amount = *s});
}

DialogOutcome<std::string> AltKeypadOk(std::string_view digits) {
    const std::string text = Field(digits, kTDoDelayLength);
    const TagInfo& alt = TagFor(TagId::AltCode);
    const TagInfo& alt4 = TagFor(TagId::Alt4Code);
    const auto width4 = static_cast<std::size_t>(alt4.fields[0].width);
    // Keypad digits only, and no more than the longer tag holds.
    if (text.empty() || text.size() > width4 ||
        text.find_first_not_of("0123456789") != std::string::npos)
        return Error("Value must be numeric.", kSeconds);
    if (text.size() == width4)
        return std::string(alt4.spelling) + text + ">";
    return std::string(alt.spelling) + Pad(*WholeInteger(text), alt.fields[0].width) + ">";
}

DialogOutcome<int> SchedulerFrequencyOk(std::string_view seconds) {
    const std::optional<long long> s = WholeInteger(Field(seconds, kTDoDelayLength));
    if (!s || *s < 1 || *s > 60)
        return Error("Value must be between 1 and 60.", kSeconds);
    return static_cast<int>(*s);
}

TDoPausePosFields TDoPausePosFields::From(const TPauseRec& r) {
    if (r.kind == PauseKind::Basic)
        return {};
    return {r.kind, NumberText(static_cast<long long>(r.top)),
            NumberText(static_cast<long long>(r.left)), r.message};
}

CommandOutcome OkButtonClick(const TDoPausePosFields& f) {
    if (f.kind == PauseKind::Basic)
        return Accept(Command::Pause, TPauseRec{.kind = PauseKind::Basic});
    const std::optional<long long> top =
        WholeInteger(Field(f.topCoord, TDoPausePosFields::kCoordLength));
    if (!top || *top < 0)
        return Error("Invalid Top Window Coordinate entered.  Please correct.", kTopCoord);
    const std::optional<long long> left =
        WholeInteger(Field(f.leftCoord, TDoPausePosFields::kCoordLength));
    if (!left || *left < 0)
        return Error("Invalid Left Window Coordinate entered.  Please correct.", kLeftCoord);
    std::string message = Field(f.pauseMessage, TDoPausePosFields::kMessageLength);
    if (auto bad = dialog::CheckFreeText(message, kPauseMessage))
        return *bad;
    return Accept(Command::Pause, TPauseRec{.kind = PauseKind::Complex,
                                            .left = static_cast<int>(*left),
                                            .top = static_cast<int>(*top),
                                            .message = std::move(message)});
}

TDoRepeatFields TDoRepeatFields::From(const TRepeatRec& r) {
    const bool counted = r.kind == RepeatKind::Start || r.kind == RepeatKind::Counter;
    return {r.kind, counted ? NumberText(static_cast<long long>(r.value)) : std::string()};
}

CommandOutcome OkButtonClick(const TDoRepeatFields& f) {
    const std::optional<long long> n = WholeInteger(Field(f.count, TDoRepeatFields::kCountLength));
    switch (f.kind) {
    case RepeatKind::Start:
        if (!n || *n < 1)
            return Error("Value must be greater than zero.", kCount);
        return Accept(Command::RepeatStart,
                      TRepeatRec{.kind = RepeatKind::Start, .value = static_cast<int>(*n)});
    case RepeatKind::Prompt:
        return Accept(Command::RepeatPromptStart, TRepeatRec{.kind = RepeatKind::Prompt});
    case RepeatKind::End:
        return Accept(Command::RepeatEnd, TRepeatRec{.kind = RepeatKind::End});
    case RepeatKind::Counter:
        break;
    }
    if (!n || *n < 1 || *n > kMaxCounterWidth)
        return Error("Width must be between 1 and 4.", kCount);
    return Accept(Command::RepeatCounter,
                  TRepeatRec{.kind = RepeatKind::Counter, .value = static_cast<int>(*n)});
}

TDoSpeedFields TDoSpeedFields::From(const TSpeedRec& r) {
    if (r.kind == SpeedKind::Playback)
        return {r.kind, NumberText(r.factor)};
    return {r.kind, NumberText(static_cast<long long>(r.milliseconds))};
}

CommandOutcome OkButtonClick(const TDoSpeedFields& f) {
    const std::string text = Field(f.count, TDoSpeedFields::kCountLength);
    if (f.kind == SpeedKind::Playback) {
        const std::optional<double> factor = dialog::Real(text);
        if (!factor || *factor < 0)
            return Error("Value must be zero or greater.", kCount);
        return Accept(Command::MacroPlaybackSpeed,
                      TSpeedRec{.kind = SpeedKind::Playback, .factor = *factor});
    }
    const std::optional<long long> ms = WholeInteger(text);
    if (!ms || *ms < 0)
        return Error("Value must be zero or greater.", kCount);
    return Accept(f.kind == SpeedKind::Mouse ? Command::MouseSpeed : Command::KeystrokeSpeed,
                  TSpeedRec{.kind = f.kind, .milliseconds = static_cast<int>(*ms)});
}

} // namespace kv
