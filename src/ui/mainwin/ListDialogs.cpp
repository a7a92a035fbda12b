#include "ui/mainwin/ListDialogs.h"

#include "ui/mainwin/AppearanceForm.h"
#include "ui/mainwin/CopyOrMoveForm.h"
#include "ui/mainwin/QuickInfoForm.h"
#include "ui/mainwin/SortOrderForm.h"

#include <QGuiApplication>
#include <QScreen>

namespace kv::ui {
namespace {

// The list's dialogs open in the middle of the screen, wherever the main window is.
bool RunCentred(QDialog& dialog) {
    dialog.adjustSize();
    const QScreen* screen =
        dialog.parentWidget() ? dialog.parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (screen) {
        const QRect area = screen->availableGeometry();
        QRect frame = dialog.frameGeometry();
        frame.moveCenter(area.center());
        dialog.move(frame.topLeft());
    }
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

bool RunSortOrderDialog(QWidget* parent, Settings& settings,
                        const std::function<void()>& saveSettings) {
    SortOrderForm form(settings, saveSettings, parent);
    return RunCentred(form);
}

bool RunCopyOrMoveDialog(QWidget* parent, const CopyOrMoveDialog& dialog, MacroRecord& rec,
                         Prompts& prompts, const DateTime& today,
                         const std::function<bool(ScheduleBlock&)>& runSchedule,
                         const std::function<void(bool)>& secondaryWindow) {
    CopyOrMoveForm form(dialog, rec, prompts, today, runSchedule, parent);
    form.SetSecondaryWindow(secondaryWindow);
    return RunCentred(form);
}

void ShowQuickInfo(QWidget* parent, const QuickInfo& info) {
    QuickInfoForm form(info, parent);
    RunCentred(form);
}

bool RunAppearanceDialog(QWidget* parent, Settings& settings, Prompts& prompts,
                         const std::function<void()>& saveSettings) {
    AppearanceForm form(settings, prompts, saveSettings, parent);
    return RunCentred(form);
}

} // namespace kv::ui
