#pragma once
// `TDoSchedule` ("Set Schedule"): a radio button per kind of schedule, each with its own
// panel. The boxes are copied to and from `TDoScheduleFields`; the engine decides.

#include "engine/activation/ScheduleDialog.h"
#include "engine/ports/Prompts.h"
#include "ui/common/DialogButtons.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QStackedWidget;

namespace kv::ui {

class TDoSchedule : public QDialog {
public:
    TDoSchedule(const ScheduleBlock& schedule, const DateTime& today, Prompts& prompts,
                QWidget* parent = nullptr);

    // The schedule: the new one after a successful "OK".
    const ScheduleBlock& Schedule() const { return schedule_; }

    // Kind 0 `&At Startup`, 1 `&Once` .. 6 `O&ther`.
    QRadioButton* KindButton(int kind) const { return kinds_[static_cast<std::size_t>(kind)]; }
    QSpinBox* OnceYear() const { return onceYear_; }
    QComboBox* OnceMonth() const { return onceMonth_; }
    QSpinBox* OnceDay() const { return onceDay_; }
    QLineEdit* OnceTime() const { return onceTime_; }
    QSpinBox* HourlyMinutes() const { return hourlyMinutes_; }
    // Monday .. Sunday, as the schedule stores them.
    QCheckBox* DayBox(int i) const { return days_[static_cast<std::size_t>(i)]; }
    QLineEdit* DailyTime() const { return dailyTime_; }
    QComboBox* WeeklyDay() const { return weeklyDay_; }
    QLineEdit* WeeklyTime() const { return weeklyTime_; }
    QSpinBox* MonthlyDay() const { return monthlyDay_; }
    QLineEdit* MonthlyTime() const { return monthlyTime_; }
    QSpinBox* OtherMinutes() const { return otherMinutes_; }
    QPushButton* UpdateButton() const { return buttons_.ok; }
    QPushButton* CancelButton() const { return buttons_.cancel; }
    // The panel on show, by kind.
    QWidget* CurrentPanel() const;

private:
    void Fill(const TDoScheduleFields& f);
    TDoScheduleFields Read() const;
    void ShowKind(int kind);
    QWidget* FieldWidget(ScheduleField field) const;
    void UpdateButtonClick();

    ScheduleBlock schedule_;
    DateTime today_;
    Prompts& prompts_;

    std::array<QRadioButton*, 7> kinds_{};
    std::array<QWidget*, 7> panels_{};
    QStackedWidget* stack_;
    QSpinBox* onceYear_;
    QComboBox* onceMonth_;
    QSpinBox* onceDay_;
    QLineEdit* onceTime_;
    QSpinBox* hourlyMinutes_;
    std::array<QCheckBox*, 7> days_{};
    QLineEdit* dailyTime_;
    QComboBox* weeklyDay_;
    QLineEdit* weeklyTime_;
    QSpinBox* monthlyDay_;
    QLineEdit* monthlyTime_;
    QSpinBox* otherMinutes_;
    OkCancelButtons buttons_;
};

} // namespace kv::ui
