#include "ui/activation/TSchedulerAlarm.h"

#include "engine/activation/AlarmDialog.h"
#include "engine/core/Limits.h"
#include "ui/QtPrompts.h"
#include "ui/common/DialogButtons.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kv::ui {

TSchedulerAlarm::TSchedulerAlarm(Settings& settings, Prompts& prompts, const PathChecks& paths,
                                 std::function<void()> saveSettings, QWidget* parent)
    : QDialog(parent), settings_(settings), prompts_(prompts), paths_(paths),
      saveSettings_(std::move(saveSettings)) {
    setWindowTitle(QStringLiteral("Scheduler Alarm"));
    setModal(true);
    const TDoSoundFields f = AlarmFields(settings);

    beep_ = new QRadioButton(QStringLiteral("&None"));
    waveFile_ = new QRadioButton(QStringLiteral("&Wave File"));
    beep_->setObjectName(QStringLiteral("Beep"));
    waveFile_->setObjectName(QStringLiteral("WaveFile"));
    progPath_ = new QLineEdit;
    progPath_->setObjectName(QStringLiteral("ProgPath"));
    progPath_->setMaxLength(static_cast<int>(kPathMax));
    progPath_->setMinimumWidth(280);
    browseButton_ = new QPushButton(QStringLiteral("&Browse"));
    waitFor_ = new QCheckBox(QStringLiteral("Wait for wave file to &finish"));
    waitFor_->setObjectName(QStringLiteral("WaitFor"));

    (f.kind == SoundKind::WaveFile ? waveFile_ : beep_)->setChecked(true);
    progPath_->setText(FromAnsi(f.progPath));
    waitFor_->setChecked(f.waitFor);

    buttons_ = MakeOkCancel(this, &TSchedulerAlarm::OkButtonClick);

    auto* pathRow = new QHBoxLayout;
    pathRow->addWidget(progPath_, 1);
    pathRow->addWidget(browseButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(beep_);
    layout->addWidget(waveFile_);
    layout->addLayout(pathRow);
    layout->addWidget(waitFor_);
    layout->addLayout(buttons_.row);

    connect(waveFile_, &QRadioButton::toggled, this, &TSchedulerAlarm::EnableControls);
    connect(browseButton_, &QPushButton::clicked, this, &TSchedulerAlarm::BrowseClick);
    EnableControls();
    (f.kind == SoundKind::WaveFile ? waveFile_ : beep_)->setFocus();
}

void TSchedulerAlarm::EnableControls() {
    const bool wave = waveFile_->isChecked();
    progPath_->setEnabled(wave);
    browseButton_->setEnabled(wave);
    waitFor_->setEnabled(wave);
}

void TSchedulerAlarm::BrowseClick() {
    const QString start = QFileInfo(progPath_->text().trimmed()).absolutePath();
    const QString chosen =
        QFileDialog::getOpenFileName(this, QStringLiteral("Select Wave File"), start,
                                     QStringLiteral("Wave Files (*.WAV *.wav)"));
    if (!chosen.isEmpty())
        progPath_->setText(chosen);
}

void TSchedulerAlarm::OkButtonClick() {
    const TDoSoundFields f{waveFile_->isChecked() ? SoundKind::WaveFile : SoundKind::Beep,
                           ToAnsi(progPath_->text()), waitFor_->isChecked()};
    if (auto bad = AlarmOkButtonClick(f, paths_, settings_)) {
        prompts_.ShowMessage(bad->message.text, bad->message.caption);
        progPath_->setFocus();
        progPath_->selectAll();
        return;
    }
    SaveAndAccept(*this, saveSettings_);
}

} // namespace kv::ui
