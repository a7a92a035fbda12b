#include "ui/activation/ActivationDialogs.h"

#include "ui/activation/QtPathChecks.h"
#include "ui/activation/TDoSchedule.h"
#include "ui/activation/TSchedulerAlarm.h"
#include "ui/activation/TSystemKeys.h"
#include "ui/activation/TTimerInterval.h"
#include "ui/activation/TTypewordOptions.h"

namespace kv::ui {

bool RunSystemKeysDialog(QWidget* parent, const ActivationDialogParts& parts, int digit) {
    TSystemKeys dialog(parts, parent);
    dialog.FocusCommand(digit);
    return dialog.exec() == QDialog::Accepted;
}

bool RunTypewordOptionsDialog(QWidget* parent, Settings& settings, Prompts& prompts,
                              const std::function<void()>& saveSettings) {
    TTypewordOptions dialog(settings, prompts, saveSettings, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool RunScheduleDialog(QWidget* parent, ScheduleBlock& schedule, const DateTime& today,
                       Prompts& prompts) {
    TDoSchedule dialog(schedule, today, prompts, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    schedule = dialog.Schedule();
    return true;
}

bool RunAlarmDialog(QWidget* parent, Settings& settings, Prompts& prompts,
                    const std::function<void()>& saveSettings) {
    const QtPathChecks paths;
    TSchedulerAlarm dialog(settings, prompts, paths, saveSettings, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool RunTimerIntervalDialog(QWidget* parent, Settings& settings, Prompts& prompts,
                            const std::function<void()>& saveSettings) {
    TTimerInterval dialog(settings, prompts, saveSettings, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace kv::ui
