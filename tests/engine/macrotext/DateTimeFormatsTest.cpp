#include "engine/macrotext/DateTimeFormats.h"
#include "engine/macrotext/MacroTextReader.h"

#include <gtest/gtest.h>

using namespace kv;

namespace {

std::size_t DateIndex(std::string_view name) {
    for (std::size_t i = 0; i < kDateFormatNames.size(); ++i) {
        if (kDateFormatNames[i] == name)
            return i;
    }
    ADD_FAILURE() << "no date format " << name;
    return 0;
}

std::size_t TimeIndex(std::string_view name) {
    for (std::size_t i = 0; i < kTimeFormatNames.size(); ++i) {
        if (kTimeFormatNames[i] == name)
            return i;
    }
    ADD_FAILURE() << "no time format " << name;
    return 0;
}

// What the tag at the start of `text` types at `now`.
std::string Played(std::string_view text, const DateTime& now) {
    const Element e = ReadElement(text, 0);
    if (e.kind == ElementKind::Date)
        return DateTagText(e.stamp, now);
    if (e.kind == ElementKind::Time)
        return TimeTagText(e.stamp, now);
    ADD_FAILURE() << text << " is not a date or time tag";
    return {};
}

const DateTime kMarch5 = {2001, 3, 5, 13, 7, 9}; // a Monday

} // namespace

TEST(DateTimeFormats, TagsMoveTheDateAndDropZerosOnRequest) {
    EXPECT_EQ(Played("<MM/DD/YYYY{NP001}>", kMarch5), "3/4/2001");
    EXPECT_EQ(Played("<MM/DD/YYYY{YF000}>", kMarch5), "03/05/2001");
    EXPECT_EQ(Played("<MM/DD/YYYY{Y}>", kMarch5), "03/05/2001");
    EXPECT_EQ(Played("<DD/MM/YYYY{YF001}>", DateTime{1999, 12, 31}), "01/01/2000");
    EXPECT_EQ(Played("<YYYY-MM-DD{YP999}>", kMarch5), "1998-06-10");
    EXPECT_EQ(Played("<DD.MM.YY{N?123}>", kMarch5), "5.3.01"); // an unknown sign moves nothing
}

TEST(DateTimeFormats, DateFieldsAndSeparators) {
    struct Case {
        std::string_view format;
        bool keepZeros;
        std::string_view text;
    };
    const Case cases[] = {
        {"MM/DD/YY", true, "03/05/01"},
        {"MM-DD-YY", false, "3-5-01"},
        {"DD.MM.YYYY", true, "05.03.2001"},
        {"YY/MM/DD", false, "01/3/5"},
        {"MMM YYYY", true, "MAR 2001"},
        {"Mmm YYYY", true, "Mar 2001"},
        {"DD MMM YY", false, "5 MAR 01"},
        {"DD Mmmmm YYYY", true, "05 March 2001"},
        {"Mmm DD, YY", true, "Mar 05, 01"},
        {"Mmmmm DD, YYYY", false, "March 5, 2001"},
        {"MMDDYYYY", true, "03052001"},
        {"DDMMYY", false, "5301"},
        {"YYYYMMDD", true, "20010305"},
        {"DD", false, "5"},
        {"MM", true, "03"},
        {"Mmmmm", true, "March"},
        {"YY", false, "01"},
        {"YYYY", false, "2001"},
        {"Day of Week 1", true, "Mon"},
        {"Day of Week 2", true, "MON"},
        {"Day of Week 3", false, "Monday"},
        {"Day of Week 4", false, "MONDAY"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDate(DateIndex(c.format), c.keepZeros, kMarch5), c.text) << c.format;

    EXPECT_EQ(FormatDate(DateIndex("DD MMM YYYY"), true, DateTime{987, 9, 30}), "30 SEP 0987");
    EXPECT_EQ(FormatDate(DateIndex("DD Mmm YY"), true, DateTime{2000, 12, 31}), "31 Dec 00");
}

TEST(DateTimeFormats, EveryDateFormatLeavesNoPlaceholderBehind) {
    for (std::size_t i = 0; i + 4 < kDateFormatNames.size(); ++i) {
        const std::string text = FormatDate(i, true, DateTime{2026, 4, 22});
        EXPECT_FALSE(text.empty()) << kDateFormatNames[i];
        EXPECT_EQ(text.find_first_of("DYm"), std::string::npos) << kDateFormatNames[i];
    }
}

TEST(DateTimeFormats, TwelveHourClock) {
    EXPECT_EQ(Played("<hh:mm am{Y}>", kMarch5), "01:07 pm");
    EXPECT_EQ(Played("<hh:mma{N}>", DateTime{2001, 3, 5, 0, 5}), "12:05a");
    EXPECT_EQ(Played("<hh:mm AM{N}>", DateTime{2001, 3, 5, 12, 0}), "12:00 PM");
    EXPECT_EQ(Played("<hh.mm.ss am{N}>", DateTime{2001, 3, 5, 11, 59, 1}), "11.59.01 am");
    EXPECT_EQ(Played("<hh,mm,ss AM{Y}>", DateTime{2001, 3, 5, 23, 0, 0}), "11,00,00 PM");
    EXPECT_EQ(Played("<hh,mma{Y}>", DateTime{2001, 3, 5, 9, 30}), "09,30a");
}

TEST(DateTimeFormats, TwentyFourHourClockKeepsMinutesAndSecondsAtTwoDigits) {
    const DateTime early = {2001, 3, 5, 9, 5, 3};
    EXPECT_EQ(FormatTime(TimeIndex("hh:mm:ss"), false, early), "9:05:03");
    EXPECT_EQ(FormatTime(TimeIndex("hhmmss"), true, early), "090503");
    EXPECT_EQ(FormatTime(TimeIndex("hh,mm"), true, kMarch5), "13,07");
    EXPECT_EQ(FormatTime(TimeIndex("hh"), false, kMarch5), "13");
    EXPECT_EQ(FormatTime(TimeIndex("hh"), false, early), "9");
    EXPECT_EQ(FormatTime(TimeIndex("mm"), false, early), "05");
    EXPECT_EQ(FormatTime(TimeIndex("ss"), false, early), "03");
}

TEST(DateTimeFormats, UnknownFormatsGiveNothing) {
    EXPECT_EQ(FormatDate(kDateFormatNames.size(), true, kMarch5), "");
    EXPECT_EQ(FormatTime(kTimeFormatNames.size(), true, kMarch5), "");
}
