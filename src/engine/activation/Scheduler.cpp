#include "engine/activation/Scheduler.h"

#include <algorithm>

namespace kv {
namespace {

class BusyScope {
public:
    explicit BusyScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~BusyScope() { flag_ = false; }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    bool& flag_;
};

} // namespace

Scheduler::Scheduler(SchedulerPorts ports, const Settings& settings, SharedBlock& block,
                     MacroFile& file, Player& player, DispatchState& dispatch)
    : ports_(ports), settings_(settings), block_(block), file_(file), player_(player),
      dispatch_(dispatch), previousCheck_(ToMoment(ports.clock.Now()).value_or(0)) {}

std::chrono::milliseconds Scheduler::TickInterval() const {
    return std::chrono::seconds(std::clamp(settings_.timerSeconds, 1, 60));
}

bool Scheduler::IsEnabledTimed(int place) const {
    return block_.Activation(place) == kActivationTimed && block_.Active(place);
}

bool Scheduler::CheckAndSetTime() {
    const bool wasEmpty = table_.empty();
    const Moment now = ToMoment(ports_.clock.Now()).value_or(previousCheck_);
    table_.clear();
    for (int place = 1; place <= block_.MacroCount(); ++place) {
        MacroRecord rec;
        if (!IsEnabledTimed(place) || !file_.ReadMacroRecord(place, rec))
            continue;
        if (rec.schedule.kind >= 1 && rec.schedule.kind <= 6)
            table_.push_back({place, rec.schedule, now});
    }
    // No tick ran while the table was empty: without this the first tick would cover the
    // whole idle time and play a macro created for a time of day already past.
    if (wasEmpty && !table_.empty())
        previousCheck_ = now;
    return TimerNeeded();
}

bool Scheduler::Held() const {
    return busy_ || dispatch_.paused || dispatch_.popupShown || block_.CaptureFlag();
}

bool Scheduler::IsDue(ScheduleEntry& e, const DateTime& now, Moment nowMs) {
    if (e.schedule.kind != 6) {
        const auto at = LatestOccurrence(e.schedule, now);
        return at && *at > previousCheck_;
    }
    const Moment interval = e.schedule.intervalMinutes * kMsPerMinute;
    if (interval == 0)
        return false;
    if (nowMs < e.lastRun) { // the clock was put back: count from now
        e.lastRun = nowMs;
        return false;
    }
    const Moment elapsed = nowMs - e.lastRun;
    if (elapsed < interval)
        return false;
    // Intervals missed while held back or asleep give one run, not a burst, and the
    // rhythm stays that of the table's build.
    e.lastRun += elapsed / interval * interval;
    return true;
}

void Scheduler::CheckOutTimerMacros() {
    if (Held())
        return;
    const DateTime now = ports_.clock.Now();
    const auto nowMs = ToMoment(now);
    if (!nowMs)
        return;
    BusyScope busy(busy_);
    std::vector<Due> due;
    for (ScheduleEntry& e : table_) {
        if (IsDue(e, now, *nowMs))
            due.push_back({e.place, e.schedule.kind});
    }
    PlayAll(due);
    previousCheck_ = *nowMs;
}

bool Scheduler::DoStartUpMacros() {
    if (Held())
        return false;
    BusyScope busy(busy_);
    std::vector<Due> due;
    for (int place = 1; place <= block_.MacroCount(); ++place) {
        MacroRecord rec;
        if (IsEnabledTimed(place) && file_.ReadMacroRecord(place, rec) && rec.schedule.kind == 0)
            due.push_back({place, 0});
    }
    PlayAll(due);
    return true;
}

void Scheduler::PlayAll(const std::vector<Due>& due) {
    // A macro may make another file current; the places then name other macros.
    const std::string file = settings_.currentFile;
    for (const Due& d : due) {
        if (settings_.currentFile != file)
            break;
        RunScheduled(d);
    }
}

void Scheduler::RunScheduled(const Due& d) {
    MacroRecord rec;
    if (!file_.ReadMacroRecord(d.place, rec))
        return;
    // The table can be older than the file; play only what is still this timed macro.
    if (rec.activation != kActivationTimed || !block_.Active(d.place) ||
        rec.schedule.kind != d.kind)
        return;
    switch (static_cast<Scope>(rec.scope)) {
    case Scope::Window:
        if (!player_.Finder().ActivateIt(rec.scopeName))
            return;
        break;
    case Scope::Program:
        if (!player_.Finder().ActivateProg(rec.scopeName))
            return;
        break;
    case Scope::PopupMenu: // its text area lists the menu's places; there is nothing to type
        return;
    default:
        dispatch_.target = ports_.windows.Foreground();
        break;
    }

    if (settings_.useWaveFile && !settings_.waveFile.empty())
        ports_.desktop.PlaySound(settings_.waveFile, settings_.waveFileWait);

    dispatch_.currentPlace = d.place;
    dispatch_.currentNickname = rec.nickname;
    dispatch_.currentActivation = rec.activation;
    // Like a hot key playback, mark it as Keyvane's own input so that the hook does not
    // take what it types for hot keys or Typewords. Inside another playback that one owns
    // the mark, and its end clears it.
    const bool ownsMark = !block_.Playing();
    if (ownsMark)
        block_.SetPlaying(true);
    player_.PlayScheduled(rec.text);
    if (ownsMark) {
        ports_.input.Key(vk::kExecute, false);
        ports_.input.Key(vk::kExecute, true);
    }
}

void Scheduler::CheckForScreenSaver(bool onlyIfTimed) {
    bool timed = false;
    for (int place = 1; place <= block_.MacroCount() && !timed; ++place)
        timed = IsEnabledTimed(place);
    // Once no timed macro needs it, the screen saver is the user's again.
    SetSuppressed(!onlyIfTimed || timed);
}

void Scheduler::AllowScreenSaver() {
    SetSuppressed(false);
}

void Scheduler::SetSuppressed(bool on) {
    if (on == saverSuppressed_)
        return;
    saverSuppressed_ = on;
    ports_.screenSaver.Suppress(on);
}

} // namespace kv
