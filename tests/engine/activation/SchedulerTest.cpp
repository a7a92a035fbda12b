// The scheduler over the fake platform: which macro plays at which tick.

#include "engine/activation/Scheduler.h"

#include "platform/fake/FakeScreenSaver.h"
#include "platform/fake/FakeWorld.h"
#include "platform/fake/RecordingPrompts.h"
#include "support/MacroFileBytes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <optional>

using namespace kv;
using namespace std::chrono_literals;
using Lines = std::vector<std::string>;

namespace {

ScheduleBlock Daily(int hour, int minute, bool pm, std::array<std::uint8_t, 7> days) {
    ScheduleBlock s = ScheduleBlock::Default(DateTime{2024, 1, 1});
    s.kind = 3;
    s.days = days;
    s.hour = static_cast<std::uint8_t>(hour);
    s.minute = static_cast<std::uint8_t>(minute);
    s.pm = pm ? 1 : 0;
    return s;
}
constexpr std::array<std::uint8_t, 7> kEveryDay{1, 1, 1, 1, 1, 1, 1};
constexpr std::array<std::uint8_t, 7> kMondayOnly{1, 0, 0, 0, 0, 0, 0};

ScheduleBlock Kind(std::uint8_t kind, ScheduleBlock s = Daily(12, 0, true, kEveryDay)) {
    s.kind = kind;
    return s;
}

// A timed macro whose text is its letter, so the trace tells which one played.
MacroRecord Timed(char letter, const ScheduleBlock& s, Scope scope = Scope::Global,
                  std::string scopeName = {}) {
    MacroRecord r;
    r.nickname = std::string("Macro ") + letter;
    r.activation = kActivationTimed;
    r.scope = static_cast<std::uint16_t>(scope);
    r.scopeName = std::move(scopeName);
    r.text = std::string(1, letter);
    r.schedule = s;
    return r;
}

std::string Stamp(const DateTime& t) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d", t.year, t.month, t.day, t.hour,
                  t.minute, t.second);
    return buf;
}

class SchedulerTest : public ::testing::Test {
protected:
    SchedulerTest() {
        settings.currentFile = dir.File("TIMED.KVN");
        // Every letter key pressed is a macro played; note when.
        world.trace.onLine = [this](const std::string& line) {
            unsigned vkey = 0;
            if (std::sscanf(line.c_str(), "down %X", &vkey) == 1 && vkey >= 0x41 && vkey <= 0x5A)
                plays.push_back(Stamp(world.clock.Now()) + " " +
                                static_cast<char>('a' + (vkey - 0x41)));
        };
    }

    void Start(const std::vector<MacroRecord>& macros, DateTime start) {
        WriteFile(macros);
        world.clock.Set(start);
        file.LoadMacroFile(settings.currentFile);
        scheduler.emplace(
            SchedulerPorts{world.input, world.windows, world.desktop, saver, world.clock}, settings,
            block, file, player, dispatch);
        scheduler->CheckAndSetTime();
    }

    void WriteFile(const std::vector<MacroRecord>& macros) {
        test::WriteMacroFile(settings.currentFile, macros);
    }

    // One tick at t: the letters it played.
    std::string TickAt(DateTime t) {
        world.clock.Set(t);
        plays.clear();
        scheduler->CheckOutTimerMacros();
        std::string letters;
        for (const std::string& p : plays)
            letters += p.back();
        return letters;
    }

    // Ticks every `step` as long as that stays at or before `to`: when each macro played.
    Lines Run(DateTime to, std::chrono::milliseconds step) {
        plays.clear();
        while (*ToMoment(world.clock.Now()) + step.count() <= *ToMoment(to)) {
            world.clock.Advance(step);
            scheduler->CheckOutTimerMacros();
        }
        return plays;
    }

    test::TempDir dir;
    Settings settings;
    OwnedSharedBlock block;
    fake::RecordingPrompts prompts;
    fake::FakeWorld world;
    fake::FakeScreenSaver saver;
    MacroFile file{settings, block, prompts, world.clock};
    DispatchState dispatch;
    Player player{{world.input, world.windows, world.desktop, world.files, world.pump, world.clock,
                   world.dialogs, world.app},
                  settings,
                  dispatch};
    std::optional<Scheduler> scheduler;
    Lines plays;
};

TEST_F(SchedulerTest, DailyRunsOnTickedDaysOnly) {
    Start({Timed('a', Daily(9, 0, false, kMondayOnly)), Timed('b', Daily(5, 30, true, kEveryDay))},
          DateTime{2024, 1, 7, 0, 0, 5}); // a Sunday
    EXPECT_EQ(Run(DateTime{2024, 1, 9, 23, 0, 0}, 10s),
              (Lines{"2024-01-07 17:30:05 b", "2024-01-08 09:00:05 a", "2024-01-08 17:30:05 b",
                     "2024-01-09 17:30:05 b"}));
}

TEST_F(SchedulerTest, MidnightMacrosRunOnTheirOwnDayNotOnTheNext) {
    ScheduleBlock weekly = Kind(4, Daily(12, 0, false, kEveryDay));
    weekly.dayOfWeek = 2; // Monday
    ScheduleBlock monthly = Kind(5, Daily(0, 0, false, kEveryDay));
    monthly.day = 5;
    Start({Timed('a', Daily(12, 0, false, kMondayOnly)), Timed('b', weekly), Timed('c', monthly)},
          DateTime{2024, 3, 3, 23, 0, 5});
    EXPECT_EQ(Run(DateTime{2024, 3, 12, 12, 0, 0}, 10s),
              (Lines{"2024-03-04 00:00:05 a", "2024-03-04 00:00:05 b", "2024-03-05 00:00:05 c",
                     "2024-03-11 00:00:05 a", "2024-03-11 00:00:05 b"}));
}

TEST_F(SchedulerTest, OnceRunsAtItsMomentAndNeverForAPastTime) {
    ScheduleBlock leap = Kind(1, Daily(9, 0, false, kEveryDay));
    leap.year = 2028;
    leap.month = 2;
    leap.day = 29;
    ScheduleBlock pastToday = leap;
    pastToday.day = 28;
    pastToday.hour = 8;
    Start({Timed('a', leap), Timed('b', pastToday)}, DateTime{2028, 2, 28, 8, 30, 0});
    EXPECT_EQ(Run(DateTime{2028, 3, 2, 0, 0, 0}, 10s), (Lines{"2028-02-29 09:00:00 a"}));
}

TEST_F(SchedulerTest, HourlyRunsOncePerHourAcrossMidnightAndTheYearsEnd) {
    ScheduleBlock onTheHour = Kind(2);
    onTheHour.minutesPastHour = 0;
    ScheduleBlock quarterPast = Kind(2);
    quarterPast.minutesPastHour = 15;
    Start({Timed('a', onTheHour), Timed('b', quarterPast)}, DateTime{2023, 12, 31, 22, 40, 3});
    EXPECT_EQ(Run(DateTime{2024, 1, 1, 1, 10, 0}, 10s),
              (Lines{"2023-12-31 23:00:03 a", "2023-12-31 23:15:03 b", "2024-01-01 00:00:03 a",
                     "2024-01-01 00:15:03 b", "2024-01-01 01:00:03 a"}));
}

TEST_F(SchedulerTest, MonthlyOnTheThirtyFirstSkipsShorterMonths) {
    ScheduleBlock s = Kind(5, Daily(12, 0, true, kEveryDay));
    s.day = 31;
    Start({Timed('a', s)}, DateTime{2024, 1, 1, 0, 0, 0});
    EXPECT_EQ(Run(DateTime{2024, 12, 31, 23, 0, 0}, 10min),
              (Lines{"2024-01-31 12:00:00 a", "2024-03-31 12:00:00 a", "2024-05-31 12:00:00 a",
                     "2024-07-31 12:00:00 a", "2024-08-31 12:00:00 a", "2024-10-31 12:00:00 a",
                     "2024-12-31 12:00:00 a"}));
}

TEST_F(SchedulerTest, EveryNMinutesCountsFromTheLatestRebuild) {
    ScheduleBlock s = Kind(6);
    s.intervalMinutes = 15;
    Start({Timed('a', s)}, DateTime{2024, 5, 1, 10, 0, 3});
    EXPECT_EQ(Run(DateTime{2024, 5, 1, 10, 40, 0}, 10s),
              (Lines{"2024-05-01 10:15:03 a", "2024-05-01 10:30:03 a"}));
    scheduler->CheckAndSetTime(); // at 10:39:53
    EXPECT_EQ(Run(DateTime{2024, 5, 1, 11, 0, 0}, 10s), (Lines{"2024-05-01 10:54:53 a"}));
}

TEST_F(SchedulerTest, HeldTicksRunMissedOccurrencesOnceAfterwards) {
    ScheduleBlock every = Kind(6);
    every.intervalMinutes = 10;
    Start({Timed('a', every), Timed('b', Daily(10, 5, false, kEveryDay))},
          DateTime{2024, 5, 1, 10, 0, 0});
    dispatch.paused = true;
    EXPECT_EQ(Run(DateTime{2024, 5, 1, 10, 35, 0}, 10s), Lines{});
    dispatch.paused = false;
    // One run for three missed intervals, then the rhythm of the build goes on.
    EXPECT_EQ(Run(DateTime{2024, 5, 1, 10, 41, 0}, 10s),
              (Lines{"2024-05-01 10:35:10 a", "2024-05-01 10:35:10 b", "2024-05-01 10:40:00 a"}));
    dispatch.popupShown = true;
    EXPECT_EQ(TickAt(DateTime{2024, 5, 1, 10, 50, 0}), "");
    dispatch.popupShown = false;
    block.SetCaptureFlag(true);
    EXPECT_EQ(TickAt(DateTime{2024, 5, 1, 10, 50, 5}), "");
    block.SetCaptureFlag(false);
    EXPECT_EQ(TickAt(DateTime{2024, 5, 1, 10, 50, 10}), "a");
}

TEST_F(SchedulerTest, ATickDuringAScheduledPlaybackPlaysNothingExtra) {
    MacroRecord slow = Timed('a', Daily(9, 0, false, kEveryDay));
    slow.text = "a<DELAY:00120>";
    ScheduleBlock hourly = Kind(2);
    hourly.minutesPastHour = 1;
    Start({slow, Timed('b', hourly)}, DateTime{2024, 5, 1, 8, 59, 55});
    int nested = 0;
    world.pump.onPending = [&] {
        ++nested;
        EXPECT_TRUE(scheduler->Busy());
        scheduler->CheckOutTimerMacros(); // 9:01 falls in here and must wait
        EXPECT_FALSE(scheduler->DoStartUpMacros());
    };
    EXPECT_EQ(TickAt(DateTime{2024, 5, 1, 9, 0, 5}), "a");
    EXPECT_GT(nested, 0);
    world.pump.onPending = nullptr;
    EXPECT_FALSE(scheduler->Busy());
    EXPECT_EQ(TickAt(DateTime{2024, 5, 1, 9, 2, 10}), "b");
}

TEST_F(SchedulerTest, OnlyEnabledTimedMacrosWithAClockKindAreInTheTable) {
    MacroRecord off = Timed('a', Kind(3));
    off.active = 0;
    MacroRecord hotKey = Timed('b', Kind(3));
    hotKey.activation = 5;
    Start({off, hotKey, Timed('c', Kind(0)), Timed('d', Kind(9))},
          DateTime{2024, 5, 1, 11, 59, 55});
    EXPECT_FALSE(scheduler->TimerNeeded());
    EXPECT_EQ(TickAt(DateTime{2024, 5, 1, 12, 0, 5}), "");

    WriteFile({Timed('a', Kind(3)), Timed('e', Kind(3))});
    file.LoadMacroFile(settings.currentFile);
    EXPECT_TRUE(scheduler->CheckAndSetTime());
    ASSERT_EQ(scheduler->Table().size(), 2u);
    // Switched off after the build: the stale entry no longer plays.
    block.SetActive(1, false);
    EXPECT_EQ(TickAt(DateTime{2024, 5, 2, 12, 0, 5}), "e");
}

TEST_F(SchedulerTest, AMacroAddedWhileTheTableWasEmptyWaitsForItsNextTime) {
    Start({}, DateTime{2024, 5, 1, 8, 0, 0});
    world.clock.Set(DateTime{2024, 5, 1, 15, 0, 0});
    WriteFile({Timed('a', Daily(12, 0, true, kEveryDay))});
    file.LoadMacroFile(settings.currentFile);
    EXPECT_TRUE(scheduler->CheckAndSetTime());
    EXPECT_EQ(TickAt(DateTime{2024, 5, 1, 15, 0, 10}), "");
    EXPECT_EQ(Run(DateTime{2024, 5, 2, 13, 0, 0}, 10s), (Lines{"2024-05-02 12:00:00 a"}));
}

TEST_F(SchedulerTest, ScopedMacrosPlayOnlyIntoTheirWindowAndAreNotRetried) {
    world.windows.AddWindow("Notes");
    const int pid = world.windows.AddProcess("calc.exe");
    world.windows.AddWindow("Calculator", pid);
    const ScheduleBlock noon = Daily(12, 0, true, kEveryDay);
    Start({Timed('a', noon, Scope::Window, "Ledger"), Timed('b', noon, Scope::Window, "notes"),
           Timed('c', noon, Scope::Program, "calc"), Timed('d', noon, Scope::PopupMenu)},
          DateTime{2024, 5, 1, 11, 59, 55});
    world.trace.Clear();
    EXPECT_EQ(TickAt(DateTime{2024, 5, 1, 12, 0, 5}), "bc");
    const Lines& t = world.trace.Lines();
    EXPECT_EQ(t.front(), "activate Notes");
    EXPECT_NE(std::find(t.begin(), t.end(), "activate Calculator"), t.end());
    world.windows.AddWindow("Ledger");
    EXPECT_EQ(TickAt(DateTime{2024, 5, 1, 12, 0, 15}), "");
}

TEST_F(SchedulerTest, APlaybackRingsTheAlarmThenTypesBetweenThePlayingMarks) {
    const WindowId front = world.windows.AddWindow("Front");
    settings.useWaveFile = true;
    settings.waveFile = "alarm.wav";
    Start({Timed('a', Daily(12, 0, true, kEveryDay))}, DateTime{2024, 5, 1, 11, 59, 55});
    world.trace.Clear();
    EXPECT_EQ(TickAt(DateTime{2024, 5, 1, 12, 0, 5}), "a");
    EXPECT_EQ(world.trace.Lines(),
              (Lines{"sound alarm.wav", "down 41", "up 41", "down 2B", "up 2B"}));
    EXPECT_TRUE(block.Playing());
    EXPECT_EQ(dispatch.target, front);
    EXPECT_EQ(dispatch.currentPlace, 1);
    EXPECT_EQ(dispatch.currentNickname, "Macro a");

    // Inside another playback the mark is that playback's; no marker of its own.
    settings.waveFileWait = true;
    world.trace.Clear();
    EXPECT_EQ(TickAt(DateTime{2024, 5, 2, 12, 0, 5}), "a");
    EXPECT_EQ(world.trace.Lines(), (Lines{"sound alarm.wav wait", "down 41", "up 41"}));

    settings.useWaveFile = false;
    world.trace.Clear();
    TickAt(DateTime{2024, 5, 3, 12, 0, 5});
    EXPECT_EQ(world.trace.Lines().front(), "down 41");
}

TEST_F(SchedulerTest, StartUpMacrosPlayInOrderSkippingThoseThatCannotStart) {
    MacroRecord off = Timed('b', Kind(0));
    off.active = 0;
    Start({Timed('a', Kind(0)), off, Timed('c', Kind(0), Scope::Window, "Missing"),
           Timed('d', Kind(3)), Timed('e', Kind(0))},
          DateTime{2024, 5, 1, 11, 59, 55});
    block.SetCaptureFlag(true);
    EXPECT_FALSE(scheduler->DoStartUpMacros());
    EXPECT_TRUE(plays.empty());
    block.SetCaptureFlag(false);
    EXPECT_TRUE(scheduler->DoStartUpMacros());
    ASSERT_EQ(plays.size(), 2u);
    EXPECT_EQ(plays[0].back(), 'a');
    EXPECT_EQ(plays[1].back(), 'e');
}

TEST_F(SchedulerTest, AMacroThatChangesTheFileEndsTheRestOfTheTick) {
    MacroRecord swapper = Timed('a', Daily(12, 0, true, kEveryDay));
    swapper.text = "a<DELAY:00001>";
    const std::string first = dir.File("TIMED.KVN");
    settings.currentFile = dir.File("OTHER.KVN");
    WriteFile({Timed('y', Kind(3)), Timed('z', Kind(3))});
    settings.currentFile = first;
    Start({swapper, Timed('b', Daily(12, 0, true, kEveryDay))}, DateTime{2024, 5, 1, 11, 59, 55});
    world.pump.onPending = [&] { settings.currentFile = dir.File("OTHER.KVN"); };
    EXPECT_EQ(TickAt(DateTime{2024, 5, 1, 12, 0, 5}), "a");
}

TEST_F(SchedulerTest, ScreenSaverIsSuppressedWhileAnEnabledTimedMacroExists) {
    MacroRecord off = Timed('a', Kind(0));
    off.active = 0;
    Start({off}, DateTime{2024, 5, 1, 12, 0, 0});
    scheduler->CheckForScreenSaver(true);
    EXPECT_TRUE(saver.Calls().empty());
    scheduler->CheckForScreenSaver(false); // the user switched the setting on
    EXPECT_EQ(saver.Calls(), std::vector<bool>{true});

    scheduler->CheckForScreenSaver(true); // no timed macro needs it
    EXPECT_EQ(saver.Calls(), (std::vector<bool>{true, false}));

    block.SetActive(1, true); // an At Startup macro counts too
    scheduler->CheckForScreenSaver(true);
    scheduler->CheckForScreenSaver(true);
    EXPECT_EQ(saver.Calls(), (std::vector<bool>{true, false, true}));
    scheduler->AllowScreenSaver();
    EXPECT_FALSE(saver.Suppressed());
}

} // namespace
