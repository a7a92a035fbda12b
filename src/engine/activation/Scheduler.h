#pragma once
// The scheduler: the table of Timed Macros, the check on every tick of the scheduler timer,
// the macros that run at start-up, the alarm sound and the screen saver.
//
// The program drives it with two timers and a few calls:
// - at start-up, build it (occurrences before that moment never run), then
//   `CheckAndSetTime`; run the tick timer every `TickInterval` while `TimerNeeded`;
// - on each tick, `CheckOutTimerMacros`;
// - `kStartUpDelay` after start-up, once, `DoStartUpMacros`; when it answers false, try
//   again after the same delay;
// - after every change of the macro table or reload of the macro file, `CheckAndSetTime`
//   again (and restart or stop the tick timer by its answer);
// - with "Disable Screen Saver" on: `CheckForScreenSaver(true)` at start-up and after every
//   load or change of the macro file; when the user switches it on,
//   `CheckForScreenSaver(false)`; when the user switches it off and at shutdown,
//   `AllowScreenSaver`.

#include "engine/activation/ScheduleRules.h"
#include "engine/core/MacroFile.h"
#include "engine/core/Settings.h"
#include "engine/core/SharedBlock.h"
#include "engine/player/Player.h"
#include "engine/ports/ScreenSaver.h"

#include <chrono>
#include <cstdint>
#include <vector>

namespace kv {

struct SchedulerPorts {
    Input& input;
    Windows& windows;
    Desktop& desktop;
    ScreenSaver& screenSaver;
    const Clock& clock;
};

// One enabled Timed Macro that the clock starts (kinds 1 Once to 6 Other).
struct ScheduleEntry {
    int place = 0;
    ScheduleBlock schedule;
    Moment lastRun = 0; // Other: the interval boundary of its latest run
};

class Scheduler {
public:
    Scheduler(SchedulerPorts ports, const Settings& settings, SharedBlock& block, MacroFile& file,
              Player& player, DispatchState& dispatch);

    static constexpr std::chrono::milliseconds kStartUpDelay{5000};
    // "Timer Seconds", kept within 1..60.
    std::chrono::milliseconds TickInterval() const;

    // Rebuilds the table from the macro table. Every-N-minutes macros count their interval
    // from now. True when the tick timer should run.
    bool CheckAndSetTime();
    bool TimerNeeded() const { return !table_.empty(); }

    // One tick: plays, in table order, every macro whose moment has come since the previous
    // tick. A tick is held back, and its occurrences wait for the next one, while a
    // scheduled macro plays, a playback is paused, a popup menu is open or a capture runs.
    void CheckOutTimerMacros();

    // Plays every enabled "At Startup" macro in table order. False when it was held back
    // as a tick would be and should be called again later.
    bool DoStartUpMacros();

    void CheckForScreenSaver(bool onlyIfTimed);
    void AllowScreenSaver();

    bool Busy() const { return busy_; }
    const std::vector<ScheduleEntry>& Table() const { return table_; }

private:
    struct Due {
        int place;
        std::uint8_t kind;
    };

    bool Held() const;
    bool IsDue(ScheduleEntry& e, const DateTime& now, Moment nowMs);
    bool IsEnabledTimed(int place) const;
    void PlayAll(const std::vector<Due>& due);
    void RunScheduled(const Due& d);
    void SetSuppressed(bool on);

    SchedulerPorts ports_;
    const Settings& settings_;
    SharedBlock& block_;
    MacroFile& file_;
    Player& player_;
    DispatchState& dispatch_;

    std::vector<ScheduleEntry> table_;
    Moment previousCheck_ = 0;
    bool busy_ = false;
    bool saverSuppressed_ = false;
};

} // namespace kv
