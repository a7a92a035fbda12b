#include "ui/activation/TTimerInterval.h"

#include "engine/editing/DelayDialogs.h"
#include "ui/QtPrompts.h"
#include "ui/common/DialogButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv::ui {

TTimerInterval::TTimerInterval(Settings& settings, Prompts& prompts,
                               std::function<void()> saveSettings, QWidget* parent)
    : QDialog(parent), settings_(settings), prompts_(prompts),
      saveSettings_(std::move(saveSettings)) {
    setWindowTitle(QStringLiteral("Scheduler Frequency"));
    setModal(true);

    seconds_ = new QLineEdit(QString::number(settings.timerSeconds));
    seconds_->setObjectName(QStringLiteral("Seconds"));
    seconds_->setMaxLength(5);
    seconds_->setMaximumWidth(60);
    auto* label = new QLabel(QStringLiteral("Check &Every"));
    label->setBuddy(seconds_);

    buttons_ = MakeOkCancel(this, &TTimerInterval::OkButtonClick);

    auto* row = new QHBoxLayout;
    row->addWidget(label);
    row->addWidget(seconds_);
    row->addWidget(new QLabel(QStringLiteral("seconds")));
    row->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(row);
    layout->addLayout(buttons_.row);

    seconds_->selectAll();
    seconds_->setFocus();
}

void TTimerInterval::OkButtonClick() {
    const DialogOutcome<int> outcome = SchedulerFrequencyOk(ToAnsi(seconds_->text()));
    if (const auto* bad = std::get_if<DialogRefusal>(&outcome)) {
        prompts_.ShowMessage(bad->message.text, bad->message.caption);
        seconds_->setFocus();
        seconds_->selectAll();
        return;
    }
    settings_.timerSeconds = std::get<int>(outcome);
    SaveAndAccept(*this, saveSettings_);
}

} // namespace kv::ui
