// Placeholder bodies until the forms exist.
#include "ui/mainwin/ListDialogs.h"

namespace kv::ui {

bool RunSortOrderDialog(QWidget*, Settings&, const std::function<void()>&) {
    return false;
}
bool RunCopyOrMoveDialog(QWidget*, const CopyOrMoveDialog&, MacroRecord&, Prompts&, const DateTime&,
                         const std::function<bool(ScheduleBlock&)>&) {
    return false;
}
void ShowQuickInfo(QWidget*, const QuickInfo&) {}
bool RunAppearanceDialog(QWidget*, Settings&, Prompts&, const std::function<void()>&) {
    return false;
}

} // namespace kv::ui
