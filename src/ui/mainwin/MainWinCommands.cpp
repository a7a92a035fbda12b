// The main window's menu handlers: the File menu's files, Hide and Terminate, the Options
// and Scheduler menus.

#include "engine/core/Ansi.h"
#include "ui/QtPrompts.h"
#include "ui/activation/ActivationDialogs.h"
#include "ui/mainwin/ListDialogs.h"
#include "ui/mainwin/MacroListModel.h"
#include "ui/mainwin/MacroListView.h"
#include "ui/mainwin/MainWin.h"

#include "ui/capture/CaptureDialogs.h"
#include "ui/mainwin/TrayIcons.h"

#include <QAction>
#include <QFileDialog>
#include <QFileInfo>

namespace kv::ui {
namespace {

constexpr const char* kKeyboardHooksQuestion =
    "It is possible for other programs which are run after Keyvane to improperly install "
    "themselves into the system wide Windows keyboard hooks.  This causes Keyvane to no longer "
    "be able to monitor keystrokes.  This option will reinstall the Windows keyboard hooks used "
    "by Keyvane so that Keyvane will have the first look at the keystrokes and will be able to "
    "monitor the keystrokes again.  Continue?";
constexpr const char* kMouseHooksQuestion =
    "It is possible for other programs which are run after Keyvane to improperly install "
    "themselves into the system wide Windows mouse hooks.  This causes Keyvane to no longer be "
    "able to monitor mouse movements and clicks.  This option will reinstall the Windows mouse "
    "hooks used by Keyvane so that Keyvane will have the first look at the mouse movements and "
    "will be able to monitor the mouse again.  Continue?";

const QString kFilter = QStringLiteral("Keyvane (*.KVN *.kvn)");

// The folder of the current macro file, where the file dialogs start.
QString CurrentFolder(const Settings& settings) {
    return QFileInfo(QString::fromStdString(AnsiToUtf8(settings.currentFile))).absolutePath();
}

} // namespace

void MainWin::MenuNewClick() {
    QString path;
    {
        DialogOpen open(*this);
        QFileDialog dialog(this, QStringLiteral("New Keyvane File"), CurrentFolder(settings_),
                           kFilter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setDefaultSuffix(QStringLiteral("KVN"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        path = dialog.selectedFiles().constFirst();
    }
    DoNew(Utf8ToAnsi(path.toStdString()));
}

void MainWin::MenuOpenClick() {
    QString path;
    {
        DialogOpen open(*this);
        QFileDialog dialog(this, QStringLiteral("Open Keyvane File"), CurrentFolder(settings_),
                           kFilter);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDefaultSuffix(QStringLiteral("KVN"));
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return;
        path = dialog.selectedFiles().constFirst();
    }
    DoOpen(Utf8ToAnsi(path.toStdString()));
}

void MainWin::MenuHideClick() {
    if (settings_.useTray)
        hide();
}

void MainWin::MenuTerminateClick() {
    close();
}

void MainWin::PopTermClick() {
    terminating_ = true;
    close();
}

void MainWin::MenuQuickOverClick() {
    DoInfo(list_.CurrentRow());
}

void MainWin::MenuSortClick() {
    const int place = list_.SelectedPlace();
    {
        DialogOpen open(*this);
        if (!RunSortOrderDialog(this, settings_, [this] { SaveSettings(); }))
            return;
    }
    ops_.FillList();
    if (const int row = list_.ReverseSort(place); row != kNoRow)
        ops_.SelectRow(row);
    ShowRows();
}

void MainWin::MenuAppearClick() {
    {
        DialogOpen open(*this);
        if (!RunAppearanceDialog(this, settings_, prompts_, [this] { SaveSettings(); }))
            return;
    }
    view_->AdjustGridSpacing();
    model_->Repaint();
    ApplyUseSpeed();
}

void MainWin::MenuSysTrayClick() {
    if (!traySupported_)
        return;
    settings_.useTray = !settings_.useTray;
    ApplyTrayState();
    SaveSettings();
}

void MainWin::MenuTypewordsClick() {
    DialogOpen open(*this);
    RunTypewordOptionsDialog(this, settings_, prompts_, [this] { SaveSettings(); });
}

void MainWin::MenuCaptureDefaultsClick() {
    DialogOpen open(*this);
    MacroRecord unused;
    if (RunCaptureDefaultsDialog(this, {prompts_, settings_, block_, unused}))
        SaveSettings();
}

void MainWin::MenuSystemKeysClick() {
    if (!RunSystemKeys(0))
        return;
    block_.SetHotKeys();
    RefreshHotKeys();
    FillList();
    // The schedule follows every change of the macro table.
    if (callbacks_.checkAndSetTime)
        callbacks_.checkAndSetTime();
}

void MainWin::RestoreHooks(const char* question, const char* caption) {
    if (!prompts_.AskYesNo(question, caption) || !hook_)
        return;
    hook_->Uninstall();
    std::string error;
    if (!hookListener_ || !hook_->Install(*hookListener_, &error)) {
        prompts_.ShowMessage("The keyboard and mouse cannot be watched: " + error +
                                 ".  Hot keys and Typewords will not work.",
                             "Error");
        return;
    }
    RefreshHotKeys();
}

void MainWin::MenuKeyHooksClick() {
    RestoreHooks(kKeyboardHooksQuestion, "Keyboard Hooks");
}

void MainWin::MenuMouseHooksClick() {
    RestoreHooks(kMouseHooksQuestion, "Mouse Hooks");
}

void MainWin::MenuAlarmClick() {
    DialogOpen open(*this);
    RunAlarmDialog(this, settings_, prompts_, [this] { SaveSettings(); });
}

void MainWin::MenuTimerClick() {
    bool ok = false;
    {
        DialogOpen open(*this);
        ok = RunTimerIntervalDialog(this, settings_, prompts_, [this] { SaveSettings(); });
    }
    if (ok && callbacks_.timerIntervalChanged)
        callbacks_.timerIntervalChanged();
}

void MainWin::MenuShowDateClick() {
    settings_.showDate = !settings_.showDate;
    Action("MenuShowDate")->setChecked(settings_.showDate);
    DoCaption();
    SaveSettings();
}

void MainWin::MenuDisableScreenSaverClick() {
    settings_.disableScreenSaver = !settings_.disableScreenSaver;
    Action("MenuDisableScreenSaver")->setChecked(settings_.disableScreenSaver);
    if (settings_.disableScreenSaver) {
        if (callbacks_.checkForScreenSaver)
            callbacks_.checkForScreenSaver(false);
    } else if (callbacks_.allowScreenSaver) {
        callbacks_.allowScreenSaver();
    }
    SaveSettings();
}

} // namespace kv::ui
