#pragma once
// The sound dialog in its alarm mode ("Scheduler Alarm"): the sound played when a timed
// macro runs. `Beep` reads "None" here and means no sound.

#include "engine/core/Settings.h"
#include "engine/editing/CommandDialog.h"
#include "engine/ports/Prompts.h"
#include "ui/common/DialogButtons.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace kv::ui {

class TSchedulerAlarm : public QDialog {
public:
    TSchedulerAlarm(Settings& settings, Prompts& prompts, const PathChecks& paths,
                    std::function<void()> saveSettings, QWidget* parent = nullptr);

    QRadioButton* Beep() const { return beep_; }
    QRadioButton* WaveFile() const { return waveFile_; }
    QLineEdit* ProgPath() const { return progPath_; }
    QCheckBox* WaitFor() const { return waitFor_; }
    QPushButton* BrowseButton() const { return browseButton_; }
    QPushButton* OkButton() const { return buttons_.ok; }
    QPushButton* CancelButton() const { return buttons_.cancel; }

private:
    void EnableControls();
    void BrowseClick();
    void OkButtonClick();

    Settings& settings_;
    Prompts& prompts_;
    const PathChecks& paths_;
    std::function<void()> saveSettings_;
    QRadioButton* beep_;
    QRadioButton* waveFile_;
    QLineEdit* progPath_;
    QCheckBox* waitFor_;
    QPushButton* browseButton_;
    OkCancelButtons buttons_;
};

} // namespace kv::ui
