#include "ui/activation/TDoSchedule.h"

#include "ui/QtPrompts.h"
#include "ui/common/DialogButtons.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <initializer_list>

namespace kv::ui {
namespace {

constexpr const char* kMonths[12] = {"January",   "February", "March",    "April",
                                     "May",       "June",     "July",     "August",
                                     "September", "October",  "November", "December"};
// Monday first, as the schedule keeps its days.
constexpr const char* kDayBoxes[7] = {"Mo&nday", "T&uesday",  "W&ednesday", "Thu&rsday",
                                      "&Friday", "&Saturday", "Sunda&y"};
constexpr const char* kWeekdays[7] = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};

QSpinBox* Spin(SpinBounds b) {
    auto* s = new QSpinBox;
    s->setRange(b.min, b.max);
    s->setSingleStep(1);
    s->setAccelerated(true);
    return s;
}

QLineEdit* TimeBox() {
    auto* e = new QLineEdit;
    e->setMaxLength(8);
    e->setMaximumWidth(90);
    e->setToolTip(QStringLiteral("For example 9:05AM or 14:10"));
    return e;
}

int Number(const std::string& text) {
    return QString::fromStdString(text).trimmed().toInt();
}

// A labelled row whose label's mnemonic goes to the field.
void AddRow(QFormLayout* form, const char* label, QWidget* field) {
    auto* l = new QLabel(QString::fromLatin1(label));
    l->setBuddy(field);
    form->addRow(l, field);
}

struct PanelRow {
    const char* label;
    QWidget* field;
};

// A schedule panel of labelled rows, top to bottom.
QWidget* FormPanel(std::initializer_list<PanelRow> rows) {
    auto* panel = new QWidget;
    auto* form = new QFormLayout(panel);
    for (const PanelRow& r : rows)
        AddRow(form, r.label, r.field);
    return panel;
}

} // namespace

TDoSchedule::TDoSchedule(const ScheduleBlock& schedule, const DateTime& today, Prompts& prompts,
                         QWidget* parent)
    : QDialog(parent), schedule_(schedule), today_(today), prompts_(prompts) {
    setWindowTitle(QStringLiteral("Set Schedule"));
    setModal(true);

    // Kinds in the order the buttons stand; the value is the stored kind.
    struct KindButtonText {
        int kind;
        const char* text;
        const char* name;
    };
    constexpr KindButtonText kButtons[7] = {
        {1, "&Once", "OnceButton"},           {2, "&Hourly", "HourlyButton"},
        {3, "&Daily", "DailyButton"},         {4, "&Weekly", "WeeklyButton"},
        {5, "&Monthly", "MonthlyButton"},     {6, "O&ther", "OtherButton"},
        {0, "&At Startup", "AtStartupButton"}};
    auto* kindGroup = new QGroupBox(QStringLiteral("Schedule"));
    auto* kindLayout = new QVBoxLayout(kindGroup);
    auto* buttonGroup = new QButtonGroup(this);
    for (const KindButtonText& b : kButtons) {
        auto* r = new QRadioButton(QString::fromLatin1(b.text));
        r->setObjectName(QString::fromLatin1(b.name));
        kindLayout->addWidget(r);
        buttonGroup->addButton(r, b.kind);
        kinds_[static_cast<std::size_t>(b.kind)] = r;
    }
    kindLayout->addStretch();

    // Once
    onceYear_ = Spin(kOnceYearSpin);
    onceMonth_ = new QComboBox;
    for (const char* m : kMonths)
        onceMonth_->addItem(QString::fromLatin1(m));
    onceDay_ = Spin(kOnceDaySpin);
    onceTime_ = TimeBox();
    QWidget* once = FormPanel(
        {{"Y&ear", onceYear_}, {"Mo&nth", onceMonth_}, {"Da&y", onceDay_}, {"T&ime", onceTime_}});

    // Hourly
    hourlyMinutes_ = Spin(kHourlyMinutesSpin);
    QWidget* hourly = FormPanel({{"Minutes &past the hour", hourlyMinutes_}});

    // Daily
    auto* daily = new QWidget;
    auto* dailyLayout = new QGridLayout(daily);
    for (std::size_t i = 0; i < days_.size(); ++i) {
        days_[i] = new QCheckBox(QString::fromLatin1(kDayBoxes[i]));
        dailyLayout->addWidget(days_[i], static_cast<int>(i % 4), static_cast<int>(i / 4));
    }
    dailyTime_ = TimeBox();
    auto* dailyTimeRow = new QFormLayout;
    AddRow(dailyTimeRow, "T&ime", dailyTime_);
    dailyLayout->addLayout(dailyTimeRow, 4, 0, 1, 2);

    // Weekly
    weeklyDay_ = new QComboBox;
    for (const char* d : kWeekdays)
        weeklyDay_->addItem(QString::fromLatin1(d));
    weeklyTime_ = TimeBox();
    QWidget* weekly = FormPanel({{"Da&y of the week", weeklyDay_}, {"T&ime", weeklyTime_}});

    // Monthly
    monthlyDay_ = Spin(kMonthlyDaySpin);
    monthlyTime_ = TimeBox();
    QWidget* monthly = FormPanel({{"Da&y of the month", monthlyDay_}, {"T&ime", monthlyTime_}});

    // Other
    otherMinutes_ = Spin(kOtherMinutesSpin);
    auto* other = new QWidget;
    auto* otherLayout = new QHBoxLayout(other);
    auto* everyLabel = new QLabel(QStringLiteral("&Every"));
    everyLabel->setBuddy(otherMinutes_);
    otherLayout->addWidget(everyLabel);
    otherLayout->addWidget(otherMinutes_);
    otherLayout->addWidget(new QLabel(QStringLiteral("minutes")));
    otherLayout->addStretch();

    // At Startup
    auto* startup = new QWidget;
    auto* startupLayout = new QVBoxLayout(startup);
    auto* startupText = new QLabel(QStringLiteral("Runs each time Keyvane starts."));
    startupText->setWordWrap(true);
    startupLayout->addWidget(startupText);

    panels_ = {startup, once, hourly, daily, weekly, monthly, other};
    stack_ = new QStackedWidget;
    for (QWidget* p : panels_) {
        if (auto* l = p->layout())
            l->setAlignment(Qt::AlignTop | Qt::AlignLeft);
        stack_->addWidget(p);
    }

    buttons_ = MakeOkCancel(this, &TDoSchedule::UpdateButtonClick, QStringLiteral("OK"));
    buttons_.ok->setObjectName(QStringLiteral("UpdateButton"));

    auto* top = new QHBoxLayout;
    top->addWidget(kindGroup);
    top->addWidget(stack_, 1);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(top);
    layout->addLayout(buttons_.row);

    connect(buttonGroup, &QButtonGroup::idToggled, this, [this](int kind, bool on) {
        if (on)
            ShowKind(kind);
    });

    const TDoScheduleFields f = TDoScheduleFields::From(schedule);
    Fill(f);
    kinds_[f.kind]->setChecked(true);
    ShowKind(f.kind);
    kinds_[f.kind]->setFocus();
}

QWidget* TDoSchedule::CurrentPanel() const {
    return stack_->currentWidget();
}

void TDoSchedule::ShowKind(int kind) {
    stack_->setCurrentWidget(panels_[static_cast<std::size_t>(kind)]);
}

void TDoSchedule::Fill(const TDoScheduleFields& f) {
    onceYear_->setValue(Number(f.onceYear));
    onceMonth_->setCurrentIndex(f.onceMonth - 1);
    onceDay_->setValue(Number(f.onceDay));
    onceTime_->setText(FromAnsi(f.onceTime));
    hourlyMinutes_->setValue(Number(f.hourlyMinutes));
    for (std::size_t i = 0; i < days_.size(); ++i)
        days_[i]->setChecked(f.days[i]);
    dailyTime_->setText(FromAnsi(f.dailyTime));
    weeklyDay_->setCurrentIndex(f.weeklyDay - 1);
    weeklyTime_->setText(FromAnsi(f.weeklyTime));
    monthlyDay_->setValue(Number(f.monthlyDay));
    monthlyTime_->setText(FromAnsi(f.monthlyTime));
    otherMinutes_->setValue(Number(f.otherMinutes));
}

TDoScheduleFields TDoSchedule::Read() const {
    TDoScheduleFields f;
    for (std::size_t kind = 0; kind < kinds_.size(); ++kind)
        if (kinds_[kind]->isChecked())
            f.kind = static_cast<std::uint8_t>(kind);
    for (std::size_t i = 0; i < days_.size(); ++i)
        f.days[i] = days_[i]->isChecked();
    f.onceYear = ToAnsi(onceYear_->text());
    f.onceMonth = onceMonth_->currentIndex() + 1;
    f.onceDay = ToAnsi(onceDay_->text());
    f.onceTime = ToAnsi(onceTime_->text());
    f.hourlyMinutes = ToAnsi(hourlyMinutes_->text());
    f.dailyTime = ToAnsi(dailyTime_->text());
    f.weeklyTime = ToAnsi(weeklyTime_->text());
    f.weeklyDay = weeklyDay_->currentIndex() + 1;
    f.monthlyDay = ToAnsi(monthlyDay_->text());
    f.monthlyTime = ToAnsi(monthlyTime_->text());
    f.otherMinutes = ToAnsi(otherMinutes_->text());
    return f;
}

QWidget* TDoSchedule::FieldWidget(ScheduleField field) const {
    switch (field) {
    case ScheduleField::OnceYear:
        return onceYear_;
    case ScheduleField::OnceMonth:
        return onceMonth_;
    case ScheduleField::OnceDay:
        return onceDay_;
    case ScheduleField::HourlyMinutes:
        return hourlyMinutes_;
    case ScheduleField::MonthlyDay:
        return monthlyDay_;
    case ScheduleField::OtherMinutes:
        return otherMinutes_;
    }
    return nullptr;
}

void TDoSchedule::UpdateButtonClick() {
    const ScheduleOutcome outcome = kv::UpdateButtonClick(Read(), schedule_, today_);
    if (const auto* refused = std::get_if<ScheduleRefusal>(&outcome)) {
        prompts_.ShowMessage(refused->text, refused->caption);
        if (QWidget* w = FieldWidget(refused->focus)) {
            w->setFocus(Qt::OtherFocusReason);
            if (auto* spin = qobject_cast<QSpinBox*>(w))
                spin->selectAll();
        }
        return;
    }
    schedule_ = std::get<ScheduleBlock>(outcome);
    accept();
}

} // namespace kv::ui
