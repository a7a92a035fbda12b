#pragma once
// The delay dialog in its timer mode ("Scheduler Frequency"): how many seconds pass
// between two checks of the schedule, 1 to 60.

#include "engine/core/Settings.h"
#include "engine/ports/Prompts.h"

#include <QDialog>

#include <functional>

class QLineEdit;
class QPushButton;

namespace kv::ui {

class TTimerInterval : public QDialog {
public:
    TTimerInterval(Settings& settings, Prompts& prompts, std::function<void()> saveSettings,
                   QWidget* parent = nullptr);

    QLineEdit* Seconds() const { return seconds_; }
    QPushButton* OkButton() const { return okButton_; }
    QPushButton* CancelButton() const { return cancelButton_; }

private:
    void OkButtonClick();

    Settings& settings_;
    Prompts& prompts_;
    std::function<void()> saveSettings_;
    QLineEdit* seconds_;
    QPushButton* okButton_;
    QPushButton* cancelButton_;
};

} // namespace kv::ui
