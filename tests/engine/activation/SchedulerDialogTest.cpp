// The schedule texts, the time box and the checks of the schedule dialog.

#include "engine/activation/ScheduleDialog.h"
#include "engine/activation/ScheduleRules.h"
#include "engine/activation/ScheduleText.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

ScheduleBlock Block(std::uint8_t kind, int hour, int minute, bool pm) {
    ScheduleBlock s;
    s.kind = kind;
    s.hour = static_cast<std::uint8_t>(hour);
    s.minute = static_cast<std::uint8_t>(minute);
    s.pm = pm ? 1 : 0;
    return s;
}

TEST(SchedulerText, EveryKindHasItsLine) {
    ScheduleBlock s = Block(1, 12, 5, true);
    s.day = 5;
    s.month = 3;
    s.year = 2001;
    EXPECT_EQ(GetSched(s), "Once at 12:05PM on 5 March 2001");
    s.kind = 0;
    EXPECT_EQ(GetSched(s), "At Startup");
    s.kind = 2;
    s.minutesPastHour = 7;
    EXPECT_EQ(GetSched(s), "Hourly at 7 minutes past the hour");
    s = Block(3, 9, 30, false);
    s.days = {1, 0, 0, 0, 1, 0, 1}; // Monday, Friday, Sunday
    EXPECT_EQ(GetSched(s), "Daily at 9:30AM,Sun,Mon,Fri");
    s.days = {};
    EXPECT_EQ(GetSched(s), "Daily at 9:30AM");
    s = Block(4, 0, 0, false);
    s.dayOfWeek = 7;
    EXPECT_EQ(GetSched(s), "Weekly at 0:00AM on Saturday");
    s = Block(5, 11, 59, true);
    s.day = 31;
    EXPECT_EQ(GetSched(s), "Monthly at 11:59PM on day 31 of each month");
    s.kind = 6;
    s.intervalMinutes = 720;
    EXPECT_EQ(GetSched(s), "every 720 minutes");
    s.kind = 7;
    EXPECT_EQ(GetSched(s), "");
    // A damaged month or weekday leaves its name out rather than failing.
    s = Block(1, 1, 0, false);
    s.month = 13;
    s.day = 1;
    s.year = 2000;
    EXPECT_EQ(GetSched(s), "Once at 1:00AM on 1  2000");
}

TEST(SchedulerDialog, TimeBoxReadsTwelveAndTwentyFourHourTimes) {
    EXPECT_EQ(ReadTimeBox("12:30PM"), (TimeBoxValue{12, 30, 1}));
    EXPECT_EQ(ReadTimeBox("12:30am"), (TimeBoxValue{12, 30, 0}));
    EXPECT_EQ(ReadTimeBox("0:30"), (TimeBoxValue{0, 30, 0}));
    EXPECT_EQ(ReadTimeBox("14:10"), (TimeBoxValue{2, 10, 1}));
    EXPECT_EQ(ReadTimeBox("9:05 pm"), (TimeBoxValue{9, 5, 1}));
    // Without AM or PM, twelve is noon like every other hour read on a 24-hour clock.
    EXPECT_EQ(ReadTimeBox("12:30"), (TimeBoxValue{12, 30, 1}));
    // Out of range parts become 0; nonsense reads as midnight without a word.
    EXPECT_EQ(ReadTimeBox("24:75PM"), (TimeBoxValue{0, 0, 1}));
    // Without a colon the second character stands in for it.
    EXPECT_EQ(ReadTimeBox("9 45PM"), (TimeBoxValue{9, 45, 1}));
    // What the dialog shows reads back unchanged.
    for (int pm = 0; pm <= 1; ++pm)
        for (int hour = 0; hour <= 12; ++hour) {
            const ScheduleBlock s = Block(3, hour, 7, pm != 0);
            const TimeBoxValue t = ReadTimeBox(ScheduleTimeText(s));
            EXPECT_EQ(TimeOfDay(Block(3, t.hour, t.minute, t.pm != 0)), TimeOfDay(s))
                << ScheduleTimeText(s);
        }
}

class SchedulerDialogTest : public ::testing::Test {
protected:
    SchedulerDialogTest() {
        stored = ScheduleBlock::Default(today);
        fields = TDoScheduleFields::From(stored);
    }

    // The refusal's text and focus, or "ok".
    std::string Check(std::uint8_t kind) {
        fields.kind = kind;
        const ScheduleOutcome r = UpdateButtonClick(fields, stored, today);
        if (const auto* refusal = std::get_if<ScheduleRefusal>(&r)) {
            EXPECT_EQ(refusal->caption, "Error");
            focus = refusal->focus;
            return refusal->text;
        }
        result = std::get<ScheduleBlock>(r);
        return "ok";
    }

    DateTime today{2024, 6, 15, 17, 45};
    ScheduleBlock stored;
    TDoScheduleFields fields;
    ScheduleBlock result;
    ScheduleField focus{};
};

TEST_F(SchedulerDialogTest, WhatItShowsIsAcceptedUnchanged) {
    for (std::uint8_t kind = 0; kind <= 6; ++kind) {
        stored.kind = kind;
        fields = TDoScheduleFields::From(stored);
        EXPECT_EQ(Check(kind), "ok");
        EXPECT_EQ(result, stored) << int{kind};
    }
}

TEST_F(SchedulerDialogTest, OnceDateMustExistAndNotHaveElapsed) {
    fields.onceTime = "8:00AM"; // today's date passes whatever the time
    EXPECT_EQ(Check(1), "ok");
    EXPECT_EQ(GetSched(result), "Once at 8:00AM on 15 June 2024");

    fields.onceDay = "31";
    EXPECT_EQ(Check(1), "Invalid day of month specified.");
    EXPECT_EQ(focus, ScheduleField::OnceDay);
    fields.onceDay = "0";
    EXPECT_EQ(Check(1), "Invalid day of month specified.");
    fields.onceDay = "x";
    EXPECT_EQ(Check(1), "Invalid day of month specified.");

    fields.onceMonth = 2;
    fields.onceDay = "29";
    fields.onceYear = "2027";
    EXPECT_EQ(Check(1), "Invalid day of month specified.");
    for (const char* leap : {"2028", "2400"}) {
        fields.onceYear = leap;
        EXPECT_EQ(Check(1), "ok") << leap;
    }
    fields.onceYear = "2100"; // a century that is not a leap year
    EXPECT_EQ(Check(1), "Invalid day of month specified.");

    fields.onceYear = "2023";
    fields.onceDay = "1";
    EXPECT_EQ(Check(1), "Specified date has already elapsed.");
    EXPECT_EQ(focus, ScheduleField::OnceYear);
    fields.onceYear = "2024";
    fields.onceMonth = 5;
    fields.onceDay = "31";
    EXPECT_EQ(Check(1), "Specified date has already elapsed.");
    EXPECT_EQ(focus, ScheduleField::OnceMonth);
    fields.onceMonth = 6;
    fields.onceDay = "14";
    EXPECT_EQ(Check(1), "Specified date has already elapsed.");
    EXPECT_EQ(focus, ScheduleField::OnceDay);

    for (const char* year : {"", "0", "10000"}) {
        fields.onceYear = year;
        EXPECT_EQ(Check(1), "Invalid year specified.") << year;
        EXPECT_EQ(focus, ScheduleField::OnceYear);
    }
}

TEST_F(SchedulerDialogTest, NumberBoxesHaveTheirBounds) {
    struct Case {
        std::uint8_t kind;
        std::string TDoScheduleFields::*box;
        const char* low;
        const char* high;
        const char* message;
        ScheduleField focus;
    };
    const Case cases[] = {
        {2, &TDoScheduleFields::hourlyMinutes, "0", "59", "Invalid minutes specified.",
         ScheduleField::HourlyMinutes},
        {5, &TDoScheduleFields::monthlyDay, "1", "31", "Invalid day of month specified.",
         ScheduleField::MonthlyDay},
        {6, &TDoScheduleFields::otherMinutes, "1", "720",
         "Invalid minutes specified.  Must be between 1 and 720.", ScheduleField::OtherMinutes},
    };
    for (const Case& c : cases) {
        for (const char* ok : {c.low, c.high}) {
            fields.*c.box = std::string(" ") + ok;
            EXPECT_EQ(Check(c.kind), "ok") << ok;
        }
        for (const std::string& bad : {std::to_string(std::stoi(c.low) - 1),
                                       std::to_string(std::stoi(c.high) + 1), std::string("1a")}) {
            fields.*c.box = bad;
            EXPECT_EQ(Check(c.kind), c.message) << bad;
            EXPECT_EQ(focus, c.focus);
        }
        fields = TDoScheduleFields::From(stored);
    }
}

TEST_F(SchedulerDialogTest, EachKindStoresItsOwnPanelAndTheWeekdaysAlways) {
    fields.days = {false, true, false, false, false, false, false};
    fields.weeklyTime = "14:10";
    fields.weeklyDay = 2;
    fields.hourlyMinutes = "40"; // another panel: left as stored
    EXPECT_EQ(Check(4), "ok");
    EXPECT_EQ(GetSched(result), "Weekly at 2:10PM on Monday");
    EXPECT_EQ(result.minutesPastHour, stored.minutesPastHour);
    EXPECT_EQ(result.days, (std::array<std::uint8_t, 7>{0, 1, 0, 0, 0, 0, 0}));

    fields.otherMinutes = "bad"; // not looked at for At Startup
    EXPECT_EQ(Check(0), "ok");
    EXPECT_EQ(result.kind, 0);
    EXPECT_EQ(result.intervalMinutes, stored.intervalMinutes);
}

TEST(SchedulerRules, LeapDaysAndDamagedFields) {
    ScheduleBlock s = Block(5, 12, 0, false); // midnight on the 29th
    s.day = 29;
    EXPECT_EQ(LatestOccurrence(s, DateTime{2023, 3, 28}), ToMoment(DateTime{2023, 1, 29}));
    EXPECT_EQ(LatestOccurrence(s, DateTime{2024, 3, 28}), ToMoment(DateTime{2024, 2, 29}));
    // Damaged fields never come round.
    s.hour = 13;
    EXPECT_FALSE(LatestOccurrence(s, DateTime{2024, 3, 28}));
    ScheduleBlock once = Block(1, 9, 0, false);
    once.year = 2023;
    once.month = 2;
    once.day = 29;
    EXPECT_FALSE(LatestOccurrence(once, DateTime{2024, 1, 1}));
    EXPECT_FALSE(LatestOccurrence(Block(3, 9, 0, false), DateTime{2024, 1, 1})); // no day ticked
}

} // namespace
