#pragma once
// The dialogs of waiting and flow: delays (`TDoDelay2`, `TDoDelay`), the pause box
// (`TDoPausePos`), repeats (`TDoRepeat`) and speeds (`TDoSpeed`).

#include "engine/editing/CommandDialog.h"

namespace kv {

// `TDoDelay2`: `Seconds` with `DelSecs` or `DelMilli`.
struct TDoDelay2Fields {
    static constexpr std::size_t kSecondsLength = 5;
    std::string seconds{};
    DelayUnit unit = DelayUnit::Seconds;

    static TDoDelay2Fields From(const TDelayRec& r);
};
CommandOutcome OkButtonClick(const TDoDelay2Fields& f);

// `TDoDelay`, whose one field `Seconds` means something else in each mode.
// Mode 1: a delay in seconds.
CommandOutcome DelaySecondsOk(std::string_view seconds);
// Mode 3: the keypad digits of an Alt sequence; the result is the "<ALT:" or "<ALT4:" tag.
DialogOutcome<std::string> AltKeypadOk(std::string_view digits);
// Mode 5: the scheduler's check interval in seconds.
DialogOutcome<int> SchedulerFrequencyOk(std::string_view seconds);

// `TDoPausePos`: `BasicPause` or `ComplexPause`, `TopCoord`, `LeftCoord`, `PauseMessage`.
struct TDoPausePosFields {
    static constexpr std::size_t kCoordLength = 3;
    static constexpr std::size_t kMessageLength = 180;
    PauseKind kind = PauseKind::Basic;
    std::string topCoord{};
    std::string leftCoord{};
    std::string pauseMessage{};

    static TDoPausePosFields From(const TPauseRec& r);
};
CommandOutcome OkButtonClick(const TDoPausePosFields& f);

// `TDoRepeat`: `StartRepeat`, `PromptRepeat`, `EndRepeat` or `RepeatCounter`, and `Count`
// (the repeat count or the counter width).
struct TDoRepeatFields {
    static constexpr std::size_t kCountLength = 4;
    RepeatKind kind = RepeatKind::Start;
    std::string count{};

    static TDoRepeatFields From(const TRepeatRec& r);
};
CommandOutcome OkButtonClick(const TDoRepeatFields& f);

// `TDoSpeed`: `KeyboardSpeed`, `MouseSpeed` or `MacroSpeed`, and `Count` (milliseconds
// or the playback factor).
struct TDoSpeedFields {
    static constexpr std::size_t kCountLength = 4;
    SpeedKind kind = SpeedKind::Keystroke;
    std::string count{};

    static TDoSpeedFields From(const TSpeedRec& r);
};
CommandOutcome OkButtonClick(const TDoSpeedFields& f);

} // namespace kv
