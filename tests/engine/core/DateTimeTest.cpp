#include "engine/core/DateTime.h"

#include <gtest/gtest.h>

using namespace kv;

TEST(DateTime, DayCountMatchesTheRecordFormat) {
    EXPECT_DOUBLE_EQ(ToDayCount(DateTime{1899, 12, 30}), 0.0);
    EXPECT_DOUBLE_EQ(ToDayCount(DateTime{1900, 1, 1}), 2.0);
    EXPECT_DOUBLE_EQ(ToDayCount(DateTime{1998, 3, 30, 15, 4, 23}),
                     35884.0 + (15 * 3600 + 4 * 60 + 23) / 86400.0);
    EXPECT_DOUBLE_EQ(ToDayCount(DateTime{1899, 12, 29, 6, 0, 0}), -1.25);
}

TEST(DateTime, DayCountRoundTrips) {
    for (DateTime t :
         {DateTime{2026, 12, 9, 5, 52, 26, 120}, DateTime{1999, 12, 31, 23, 59, 59, 999},
          DateTime{2000, 2, 29, 0, 0, 0, 0}, DateTime{1899, 12, 29, 6, 0, 0, 0}}) {
        EXPECT_EQ(FromDayCount(ToDayCount(t)), t);
    }
}

TEST(DateTime, DamagedDayCountsGiveTheEpoch) {
    EXPECT_EQ(FromDayCount(std::numeric_limits<double>::quiet_NaN()), DateTime{});
    EXPECT_EQ(FromDayCount(std::numeric_limits<double>::infinity()), DateTime{});
    EXPECT_EQ(FromDayCount(1e300), DateTime{});
    EXPECT_EQ(FromDayCount(-1e9), DateTime{});
}

TEST(DateTime, AddDaysCrossesMonthsYearsAndLeapDays) {
    EXPECT_EQ(AddDays(DateTime{2001, 3, 5}, -1), (DateTime{2001, 3, 4}));
    EXPECT_EQ(AddDays(DateTime{2000, 2, 28}, 1), (DateTime{2000, 2, 29}));
    EXPECT_EQ(AddDays(DateTime{2001, 2, 28}, 1), (DateTime{2001, 3, 1}));
    EXPECT_EQ(AddDays(DateTime{2026, 12, 9}, 999), (DateTime{2029, 9, 3}));
    EXPECT_EQ(DateTime(2026, 12, 9).DayOfWeek(), 3); // a Wednesday
}
