#pragma once
// The delay dialog in its timer mode ("Scheduler Frequency"): how many seconds pass
// between two checks of the schedule, 1 to 60.

#include "engine/core/Settings.h"
#include "engine/ports/Prompts.h"
#include "ui/common/DialogButtons.h"

#include <QDialog>

#include <functional>

class QLineEdit;

namespace kv::ui {

class TTimerInterval : public QDialog {
public:
    TTimerInterval(Settings& settings, Prompts& prompts, std::function<void()> saveSettings,
                   QWidget* parent = nullptr);

    QLineEdit* Seconds() const { return seconds_; }
    QPushButton* OkButton() const { return buttons_.ok; }
    QPushButton* CancelButton() const { return buttons_.cancel; }

private:
    void OkButtonClick();

    Settings& settings_;
    Prompts& prompts_;
    std::function<void()> saveSettings_;
    QLineEdit* seconds_;
    OkCancelButtons buttons_;
};

} // namespace kv::ui
