// Placeholder bodies until the forms exist.
#include "ui/activation/ActivationDialogs.h"

namespace kv::ui {

bool RunSystemKeysDialog(QWidget*, const ActivationDialogParts&, int) {
    return false;
}
bool RunTypewordOptionsDialog(QWidget*, Settings&, Prompts&, const std::function<void()>&) {
    return false;
}
bool RunScheduleDialog(QWidget*, ScheduleBlock&, const DateTime&, Prompts&) {
    return false;
}
bool RunAlarmDialog(QWidget*, Settings&, Prompts&, const std::function<void()>&) {
    return false;
}
bool RunTimerIntervalDialog(QWidget*, Settings&, Prompts&, const std::function<void()>&) {
    return false;
}

} // namespace kv::ui
