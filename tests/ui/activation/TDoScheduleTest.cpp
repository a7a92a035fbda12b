// The Set Schedule dialog: its panels, its refusals and the schedule it gives.

#include "ui/activation/TDoSchedule.h"

#include "platform/fake/RecordingPrompts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>

#include "ui/support/QStringPrinter.h"

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::ui;

namespace {

const DateTime kToday{2026, 3, 15, 10, 30, 0, 0};

class TDoScheduleTest : public ::testing::Test {
protected:
    void ShowActive(QWidget& w) {
        w.show();
        w.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&w));
    }
    std::string Said() const {
        return prompts.Records().empty()
                   ? ""
                   : prompts.Records().back().text + " [" + prompts.Records().back().caption + "]";
    }
    static void Set(QSpinBox* s, const char* text) {
        s->findChild<QLineEdit*>()->setText(QString::fromLatin1(text));
    }

    ScheduleBlock schedule = ScheduleBlock::Default(kToday);
    fake::RecordingPrompts prompts;
};

TEST_F(TDoScheduleTest, ShowsTheStoredKindAndValues) {
    schedule.kind = 1;
    schedule.year = 2027;
    schedule.month = 2;
    schedule.day = 28;
    schedule.hour = 2;
    schedule.minute = 10;
    schedule.pm = 1;
    TDoSchedule d(schedule, kToday, prompts);
    EXPECT_EQ(d.windowTitle(), "Set Schedule");
    EXPECT_TRUE(d.KindButton(1)->isChecked());
    EXPECT_EQ(d.KindButton(1)->text(), "&Once");
    EXPECT_EQ(d.KindButton(0)->text(), "&At Startup");
    EXPECT_EQ(d.OnceYear()->value(), 2027);
    EXPECT_EQ(d.OnceMonth()->currentText(), "February");
    EXPECT_EQ(d.OnceDay()->value(), 28);
    EXPECT_EQ(d.OnceTime()->text(), "2:10PM");
    EXPECT_TRUE(d.CurrentPanel()->isAncestorOf(d.OnceYear()));

    // Each kind shows only its own panel.
    d.KindButton(6)->setChecked(true);
    EXPECT_TRUE(d.CurrentPanel()->isAncestorOf(d.OtherMinutes()));
    EXPECT_FALSE(d.CurrentPanel()->isAncestorOf(d.OnceYear()));
}

TEST_F(TDoScheduleTest, SpinBoxesStayWithinTheirBounds) {
    TDoSchedule d(schedule, kToday, prompts);
    EXPECT_EQ(d.OnceDay()->minimum(), 1);
    EXPECT_EQ(d.OnceDay()->maximum(), 31);
    EXPECT_EQ(d.HourlyMinutes()->minimum(), 0);
    EXPECT_EQ(d.HourlyMinutes()->maximum(), 59);
    EXPECT_EQ(d.OtherMinutes()->maximum(), 720);
    d.OtherMinutes()->setValue(720);
    d.OtherMinutes()->stepUp();
    EXPECT_EQ(d.OtherMinutes()->value(), 720);
}

TEST_F(TDoScheduleTest, AnImpossibleDayIsRefusedWithTheFocusOnTheDay) {
    TDoSchedule d(schedule, kToday, prompts);
    ShowActive(d);
    d.KindButton(1)->setChecked(true);
    d.OnceYear()->setValue(2027);
    d.OnceMonth()->setCurrentIndex(1); // February
    d.OnceDay()->setValue(29);
    QTest::mouseClick(d.UpdateButton(), Qt::LeftButton);
    EXPECT_EQ(Said(), "Invalid day of month specified. [Error]");
    EXPECT_TRUE(d.OnceDay()->hasFocus());
    EXPECT_TRUE(d.isVisible());
    EXPECT_EQ(d.Schedule(), schedule);
}

TEST_F(TDoScheduleTest, AnElapsedDateFocusesThePartThatIsPast) {
    TDoSchedule d(schedule, kToday, prompts);
    ShowActive(d);
    d.KindButton(1)->setChecked(true);
    d.OnceYear()->setValue(2025);
    QTest::mouseClick(d.UpdateButton(), Qt::LeftButton);
    EXPECT_EQ(Said(), "Specified date has already elapsed. [Error]");
    EXPECT_TRUE(d.OnceYear()->hasFocus());

    d.OnceYear()->setValue(2026);
    d.OnceMonth()->setCurrentIndex(1); // February 2026 is past
    QTest::mouseClick(d.UpdateButton(), Qt::LeftButton);
    EXPECT_TRUE(d.OnceMonth()->hasFocus());
}

TEST_F(TDoScheduleTest, EmptyMinutesAreRefused) {
    TDoSchedule d(schedule, kToday, prompts);
    ShowActive(d);
    d.KindButton(6)->setChecked(true);
    Set(d.OtherMinutes(), "");
    QTest::mouseClick(d.UpdateButton(), Qt::LeftButton);
    EXPECT_EQ(Said(), "Invalid minutes specified.  Must be between 1 and 720. [Error]");
    EXPECT_TRUE(d.OtherMinutes()->hasFocus());
}

TEST_F(TDoScheduleTest, AnAcceptedScheduleClosesTheDialog) {
    TDoSchedule d(schedule, kToday, prompts);
    ShowActive(d);
    d.KindButton(3)->setChecked(true);
    for (int i = 0; i < 7; ++i)
        d.DayBox(i)->setChecked(i == 0); // Monday only
    d.DailyTime()->setText(QStringLiteral("14:10"));
    QTest::mouseClick(d.UpdateButton(), Qt::LeftButton);
    EXPECT_TRUE(prompts.Records().empty()) << Said();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    const ScheduleBlock& s = d.Schedule();
    EXPECT_EQ(s.kind, 3);
    EXPECT_EQ(s.days, (std::array<std::uint8_t, 7>{1, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(s.hour, 2);
    EXPECT_EQ(s.minute, 10);
    EXPECT_EQ(s.pm, 1);
}

TEST_F(TDoScheduleTest, WeeklyAndOnceTodayAreAccepted) {
    {
        TDoSchedule d(schedule, kToday, prompts);
        d.KindButton(4)->setChecked(true);
        d.WeeklyDay()->setCurrentIndex(6); // Saturday
        d.WeeklyTime()->setText(QStringLiteral("9:05AM"));
        QTest::mouseClick(d.UpdateButton(), Qt::LeftButton);
        EXPECT_EQ(d.Schedule().kind, 4);
        EXPECT_EQ(d.Schedule().dayOfWeek, 7);
        EXPECT_EQ(d.Schedule().hour, 9);
        EXPECT_EQ(d.Schedule().pm, 0);
    }
    TDoSchedule d(schedule, kToday, prompts);
    d.KindButton(1)->setChecked(true);
    d.OnceYear()->setValue(2026);
    d.OnceMonth()->setCurrentIndex(2);
    d.OnceDay()->setValue(15);
    d.OnceTime()->setText(QStringLiteral("1:00AM")); // already past today: still accepted
    QTest::mouseClick(d.UpdateButton(), Qt::LeftButton);
    EXPECT_TRUE(prompts.Records().empty()) << Said();
    EXPECT_EQ(d.result(), QDialog::Accepted);
    EXPECT_EQ(d.Schedule().kind, 1);
    EXPECT_EQ(d.Schedule().day, 15);
    EXPECT_EQ(d.Schedule().month, 3);
}

} // namespace
