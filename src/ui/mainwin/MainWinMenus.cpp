// The main window's menus, its lettered button panel and its speed-button bar, and the
// parts of them that the command line, Use Speed and Use Tray switch.

#include "ui/mainwin/MainWin.h"
#include "ui/mainwin/TrayIcons.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

namespace kv::ui {

QAction* MainWin::MenuItem(QMenu* menu, const char* name, const QString& caption,
                           void (MainWin::*slot)()) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (slot)
        connect(a, &QAction::triggered, this, slot);
    else
        a->setEnabled(false); // a feature still to come
    return a;
}

QAction* MainWin::SpeedButton(const char* name, const QString& hint, int standardPixmap,
                              void (MainWin::*slot)()) {
    QAction* a = speedPanel_->addAction(
        style()->standardIcon(static_cast<QStyle::StandardPixmap>(standardPixmap)), hint);
    a->setObjectName(QString::fromLatin1(name));
    a->setToolTip(hint);
    if (slot)
        connect(a, &QAction::triggered, this, slot);
    else
        a->setEnabled(false);
    return a;
}

QPushButton* MainWin::LetterButton(const char* name, const QString& caption,
                                   void (MainWin::*slot)()) {
    auto* b = new QPushButton(caption, letterPanel_);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::TabFocus);
    letterPanel_->layout()->addWidget(b);
    if (slot)
        connect(b, &QPushButton::clicked, this, slot);
    else
        b->setEnabled(false);
    return b;
}

void MainWin::BuildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("MenuFile"));
    MenuItem(file, "MenuNew", QStringLiteral("&New File"), &MainWin::MenuNewClick);
    MenuItem(file, "MenuOpen", QStringLiteral("&Open File"), &MainWin::MenuOpenClick);
    file->addSeparator();
    MenuItem(file, "MenuImport", QStringLiteral("&Import Macros"));
    MenuItem(file, "MenuExport", QStringLiteral("E&xport Macros"));
    file->addSeparator();
    MenuItem(file, "MenuOutput", QStringLiteral("O&utput Macro Information"));
    MenuItem(file, "MenuPrint", QStringLiteral("&Print Macro List"));
    MenuItem(file, "MenuPrinterSetup", QStringLiteral("Printer &Setup"));
    MenuItem(file, "MenuPrinterFont", QStringLiteral("Printer &Font"));
    file->addSeparator();
    MenuItem(file, "MenuHide", QStringLiteral("&Hide Keyvane"), &MainWin::MenuHideClick);
    MenuItem(file, "MenuTerminate", QStringLiteral("&Terminate Keyvane"),
             &MainWin::MenuTerminateClick);
    lastFilesSeparator_ = file->addSeparator();
    for (int k = 0; k < 5; ++k) {
        QAction* a = file->addAction(QString());
        a->setObjectName(QStringLiteral("MenuLastFile%1").arg(k + 1));
        connect(a, &QAction::triggered, this, [this, k] { OpenSaveFile(k + 1); });
        lastFileItems_[static_cast<std::size_t>(k)] = a;
    }

    // No two items of one menu share a mnemonic letter, so a letter always chooses.
    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    edit->setObjectName(QStringLiteral("MenuEdit"));
    MenuItem(edit, "MenuCopyHot", QStringLiteral("Cop&y Macro"), &MainWin::DoCopy);
    MenuItem(edit, "MenuMoveHot", QStringLiteral("Re&name Macro"), &MainWin::DoMove);
    MenuItem(edit, "MenuClearHot", QStringLiteral("Remo&ve Macro"), &MainWin::DoClear);

    QMenu* macro = menuBar()->addMenu(QStringLiteral("&Macro"));
    macro->setObjectName(QStringLiteral("MenuMacro"));
    MenuItem(macro, "MenuAddHotKey", QStringLiteral("&Add Macro"), &MainWin::DoAdd);
    MenuItem(macro, "MenuScripting", QStringLiteral("&Scripting Editor"), &MainWin::DoTheScript);
    MenuItem(macro, "MenuEnterKey", QStringLiteral("Modify &Directly"), &MainWin::DoModify);
    MenuItem(macro, "MenuCaptureKey", QStringLiteral("Re&capture Macro"), &MainWin::DoCapture);
    macro->addSeparator();
    MenuItem(macro, "MenuActivate", QStringLiteral("Acti&vate Macro"), &MainWin::DoActivate);
    MenuItem(macro, "MenuQuickOver", QStringLiteral("&Quick Info"), &MainWin::MenuQuickOverClick);

    QMenu* options = menuBar()->addMenu(QStringLiteral("&Options"));
    options->setObjectName(QStringLiteral("MenuOptions"));
    MenuItem(options, "MenuSort", QStringLiteral("S&ort"), &MainWin::MenuSortClick);
    MenuItem(options, "MenuAppear", QStringLiteral("&Appearance"), &MainWin::MenuAppearClick);
    MenuItem(options, "MenuSysTray", QStringLiteral("Place in System &Tray"),
             &MainWin::MenuSysTrayClick)
        ->setCheckable(true);
    options->addSeparator();
    MenuItem(options, "MenuTypewords", QStringLiteral("T&ypewords"), &MainWin::MenuTypewordsClick);
    MenuItem(options, "MenuCaptureDefaults", QStringLiteral("&Capture Defaults"),
             &MainWin::MenuCaptureDefaultsClick);
    MenuItem(options, "MenuSystemKeys", QStringLiteral("System &Hot Keys"),
             &MainWin::MenuSystemKeysClick);
    MenuItem(options, "MenuRemap", QStringLiteral("&Remap"));
    MenuItem(options, "MenuNetwork", QStringLiteral("&Network"));
    options->addSeparator();
    MenuItem(options, "MenuKeyHooks", QStringLiteral("Restore &Keyboard Hooks"),
             &MainWin::MenuKeyHooksClick);
    MenuItem(options, "MenuMouseHooks", QStringLiteral("Restore &Mouse Hooks"),
             &MainWin::MenuMouseHooksClick);

    QMenu* scheduler = menuBar()->addMenu(QStringLiteral("Schedu&ler"));
    scheduler->setObjectName(QStringLiteral("MenuScheduler"));
    scheduler->menuAction()->setObjectName(QStringLiteral("MenuScheduler"));
    MenuItem(scheduler, "MenuAlarm", QStringLiteral("&Alarm"), &MainWin::MenuAlarmClick);
    MenuItem(scheduler, "MenuTimer", QStringLiteral("&Timer Interval"), &MainWin::MenuTimerClick);
    MenuItem(scheduler, "MenuShowDate", QStringLiteral("&Show Date && Time"),
             &MainWin::MenuShowDateClick)
        ->setCheckable(true);
    QMenu* saver = scheduler->addMenu(QStringLiteral("Screen Sa&ver"));
    saver->setObjectName(QStringLiteral("MenuScreenSaver"));
    saver->menuAction()->setObjectName(QStringLiteral("MenuScreenSaver"));
    MenuItem(saver, "MenuDisableScreenSaver", QStringLiteral("&Disable if using Timed Macros"),
             &MainWin::MenuDisableScreenSaverClick)
        ->setCheckable(true);

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("MenuHelp"));
    MenuItem(help, "MenuContents", QStringLiteral("&Contents"));
    MenuItem(help, "MenuTutorial", QStringLiteral("&Tutorial"));
    help->addSeparator();
    MenuItem(help, "MenuAbout", QStringLiteral("&About Keyvane"));
}

void MainWin::BuildLetterPanel() {
    letterPanel_ = new QWidget(this);
    letterPanel_->setObjectName(QStringLiteral("LetterPanel"));
    auto* layout = new QVBoxLayout(letterPanel_);
    layout->setContentsMargins(4, 4, 4, 4);
    letterPanel_->setFixedWidth(161);
    LetterButton("AddHotKey", QStringLiteral("&Add Macro"), &MainWin::DoAdd);
    LetterButton("DoScript", QStringLiteral("&Scripting Editor"), &MainWin::DoTheScript);
    LetterButton("EnterKeyButton", QStringLiteral("Modify &Directly"), &MainWin::DoModify);
    LetterButton("CaptureKeyButton", QStringLiteral("Re&capture Macro"), &MainWin::DoCapture);
    LetterButton("CopyHotKey", QStringLiteral("Cop&y Macro"), &MainWin::DoCopy);
    LetterButton("MoveHotKey", QStringLiteral("Re&name Macro"), &MainWin::DoMove);
    LetterButton("ClearHotKey", QStringLiteral("Remo&ve Macro"), &MainWin::DoClear);
    LetterButton("ButtonActivate", QStringLiteral("Acti&vate Macro"), &MainWin::DoActivate);
    layout->addStretch(1);
}

void MainWin::BuildSpeedPanel() {
    speedPanel_ = new QToolBar(QStringLiteral("Speed Buttons"), this);
    speedPanel_->setObjectName(QStringLiteral("SpeedPanel"));
    speedPanel_->setMovable(false);
    speedPanel_->setFloatable(false);
    speedPanel_->setContextMenuPolicy(Qt::PreventContextMenu);
    speedPanel_->toggleViewAction()->setVisible(false);
    addToolBar(Qt::TopToolBarArea, speedPanel_);
    SpeedButton("NewSpeed", QStringLiteral("New Macro File"), QStyle::SP_FileIcon,
                &MainWin::MenuNewClick);
    SpeedButton("OpenSpeed", QStringLiteral("Open Macro File"), QStyle::SP_DialogOpenButton,
                &MainWin::MenuOpenClick);
    speedPanel_->addSeparator();
    SpeedButton("AddSpeed", QStringLiteral("Add Macro"), QStyle::SP_FileDialogNewFolder,
                &MainWin::DoAdd);
    SpeedButton("ScriptSpeed", QStringLiteral("Scripting Editor"),
                QStyle::SP_FileDialogDetailedView, &MainWin::DoTheScript);
    SpeedButton("EditSpeed", QStringLiteral("Modify Macro Directly"),
                QStyle::SP_FileDialogContentsView, &MainWin::DoModify);
    SpeedButton("RecaptureSpeed", QStringLiteral("Recapture Macro"), QStyle::SP_MediaPlay,
                &MainWin::DoCapture);
    SpeedButton("CopySpeed", QStringLiteral("Copy Macro"), QStyle::SP_FileLinkIcon,
                &MainWin::DoCopy);
    SpeedButton("RenameSpeed", QStringLiteral("Rename Macro"), QStyle::SP_BrowserReload,
                &MainWin::DoMove);
    SpeedButton("DeleteSpeed", QStringLiteral("Remove Macro"), QStyle::SP_TrashIcon,
                &MainWin::DoClear);
    SpeedButton("ActivateSpeed", QStringLiteral("Activate Macro"), QStyle::SP_DialogApplyButton,
                &MainWin::DoActivate);
    speedPanel_->addSeparator();
    SpeedButton("SpeedSort", QStringLiteral("Sort Order"),
                QStyle::SP_ToolBarVerticalExtensionButton, &MainWin::MenuSortClick);
    SpeedButton("ImportSpeed", QStringLiteral("Import Macros"), QStyle::SP_ArrowDown);
    SpeedButton("ExportSpeed", QStringLiteral("Export Macros"), QStyle::SP_ArrowUp);
    SpeedButton("PrintSpeed", QStringLiteral("Print Macro List"), QStyle::SP_FileDialogInfoView);
    SpeedButton("HelpSpeed", QStringLiteral("Help"), QStyle::SP_DialogHelpButton);
}

void MainWin::ApplyBrowseMode() {
    if (mode_ == BrowseMode::Off)
        return;
    for (const char* name :
         {"MenuNew", "MenuNetwork", "MenuClearHot", "MenuCopyHot", "MenuMoveHot", "MenuActivate",
          "MenuScripting", "MenuImport", "MenuExport", "MenuEnterKey", "MenuCaptureKey",
          "MenuAddHotKey", "MenuAppear", "MenuRemap", "MenuTypewords", "MenuCaptureDefaults",
          "MenuScreenSaver", "MenuSystemKeys"})
        Action(name)->setEnabled(false);
    // Every speed button but Help (and Sort Order in browse mode) goes.
    for (QAction* a : speedPanel_->actions())
        if (a->objectName() != QLatin1String("HelpSpeed") &&
            (mode_ == BrowseMode::BrowseAll || a->objectName() != QLatin1String("SpeedSort")))
            a->setVisible(false);
    letterPanel_->hide();
    if (mode_ != BrowseMode::BrowseAll)
        return;
    for (const char* name :
         {"MenuOpen", "MenuOutput", "MenuPrint", "MenuPrinterSetup", "MenuPrinterFont", "MenuHide",
          "MenuQuickOver", "MenuScheduler", "MenuSort", "MenuSysTray"})
        Action(name)->setEnabled(false);
    for (QAction* a : lastFileItems_)
        a->setEnabled(false);
}

void MainWin::ApplyUseSpeed() {
    speedPanel_->setVisible(settings_.useSpeed);
    speedPanel_->setEnabled(settings_.useSpeed);
    const bool letters = !settings_.useSpeed && mode_ == BrowseMode::Off;
    letterPanel_->setVisible(letters);
    letterPanel_->setEnabled(letters);
}

void MainWin::ApplyTrayState() {
    if (!traySupported_)
        settings_.useTray = false;
    tray_->SetProgramIconActive(settings_.useTray);
    QAction* item = Action("MenuSysTray");
    item->setChecked(settings_.useTray);
    item->setEnabled(traySupported_ && mode_ != BrowseMode::BrowseAll);
    Action("MenuHide")->setEnabled(settings_.useTray && mode_ != BrowseMode::BrowseAll);
}

} // namespace kv::ui
