#include "ui/mainwin/MainWin.h"

#include "engine/capture/Capture.h"
#include "ui/capture/CaptureDialogs.h"
#include "ui/editing/TDoBuildMenu.h"

#include "engine/core/FileMenu.h"
#include "engine/core/LastFiles.h"
#include "engine/core/SettingsFile.h"
#include "engine/editing/ScriptView.h"
#include "engine/mainwin/ListFilter.h"
#include "engine/mainwin/TrayMenuIcons.h"
#include "engine/mainwin/WindowCaption.h"
#include "ui/QtPrompts.h"
#include "ui/activation/ActivationDialogs.h"
#include "ui/activation/QtPathChecks.h"
#include "ui/common/Icons.h"
#include "ui/editing/ScopeChooser.h"
#include "ui/editing/TAddNewHotKey.h"
#include "ui/editing/TDoScripting.h"
#include "ui/editing/TModHotKeys.h"
#include "ui/mainwin/ListDialogs.h"
#include "ui/mainwin/MacroListModel.h"
#include "ui/mainwin/MacroListView.h"
#include "ui/mainwin/TrayIcons.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDateTime>
#include <QDialog>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

namespace kv::ui {
namespace {

QDateTime ToQDateTime(const DateTime& t) {
    return QDateTime(QDate(t.year, t.month, t.day),
                     QTime(t.hour, t.minute, t.second, t.millisecond));
}

// The desktop's long time format without its time zone, which a caption has no room for.
QString LongTime(const QTime& time) {
    QString format = QLocale::system().timeFormat(QLocale::LongFormat);
    format.remove(QRegularExpression(QStringLiteral("\\s*t+")));
    return QLocale::system().toString(time, format.trimmed());
}

} // namespace

MainWin::MainWin(MainWinParts parts, MainWinCallbacks callbacks, QWidget* parent)
    : QMainWindow(parent), settings_(parts.settings), block_(parts.block), file_(parts.file),
      prompts_(parts.prompts), clock_(parts.clock), profileFile_(std::move(parts.profileFile)),
      iconsDir_(std::move(parts.iconsDir)), windows_(parts.windows), mode_(parts.mode),
      hook_(parts.hook), hookListener_(parts.hookListener),
      lock_(parts.lock ? *parts.lock : noLock_),
      dialogs_(parts.dialogs ? *parts.dialogs : static_cast<MacroDialogs&>(*this)),
      capture_(parts.capture), callbacks_(std::move(callbacks)),
      ops_({file_, block_, settings_, prompts_, clock_, dialogs_, lock_, parts.capture,
            parts.topProgram},
           list_, offers_, buffer_, mode_) {
    setObjectName(QStringLiteral("MainWin"));
    setWindowIcon(ProgramIcon());

    model_ = new MacroListModel(list_, block_, settings_, this);
    auto* central = new QWidget(this);
    auto* layout = new QHBoxLayout(central);
    layout->setContentsMargins(4, 4, 4, 4);
    view_ = new MacroListView(*model_, settings_, central);
    filter_ = new QLineEdit(central);
    filter_->setObjectName(QStringLiteral("ListFilter"));
    filter_->setPlaceholderText(
        QStringLiteral("Filter: activation, nickname, scope or macro text (Ctrl+F)"));
    filter_->setClearButtonEnabled(true);
    connect(filter_, &QLineEdit::textChanged, this, [this] { ApplyFilter(); });
    auto* find = new QAction(this);
    find->setShortcut(QKeySequence::Find);
    connect(find, &QAction::triggered, this, [this] {
        filter_->setFocus();
        filter_->selectAll();
    });
    addAction(find);
    auto* listColumn = new QVBoxLayout;
    listColumn->setContentsMargins(0, 0, 0, 0);
    listColumn->addWidget(filter_);
    listColumn->addWidget(view_, 1);
    layout->addLayout(listColumn, 1);
    BuildLetterPanel();
    letterPanel_->setParent(central);
    layout->addWidget(letterPanel_);
    setCentralWidget(central);
    BuildSpeedPanel();
    BuildMenus();

    connect(view_, &MacroListView::RowSelected, this, &MainWin::SelectRow);
    connect(view_, &MacroListView::RowOpened, this, [this](int row) {
        if (mode_ != BrowseMode::Off)
            return;
        SelectRow(row);
        DoTheScript();
    });
    connect(view_, &MacroListView::QuickInfoRequested, this, [this](int row) {
        if (mode_ != BrowseMode::BrowseAll)
            DoInfo(row);
    });

    tray_ = new TrayIcons(this);
    traySupported_ = TrayIcons::Supported();
    connect(tray_, &TrayIcons::OpenRequested, this, &MainWin::SysTrayOpen);
    connect(tray_, &TrayIcons::TerminateRequested, this, &MainWin::PopTermClick);
    tray_->HelpAction()->setEnabled(false); // no help file yet
    connect(tray_, &TrayIcons::StopCaptureRequested, this, [this] {
        if (callbacks_.stopCapture)
            callbacks_.stopCapture();
    });
    connect(tray_, &TrayIcons::MenuIconRightClicked, this, [this](int place) {
        if (callbacks_.hotKey)
            callbacks_.hotKey(static_cast<std::uint16_t>(place | 0x4000));
    });
    connect(qApp, &QGuiApplication::applicationStateChanged, this,
            [this](Qt::ApplicationState state) {
                if (state == Qt::ApplicationInactive)
                    AppDeactivate();
            });

    Action("MenuShowDate")->setChecked(settings_.showDate);
    Action("MenuDisableScreenSaver")->setChecked(settings_.disableScreenSaver);
    ApplyTrayState();
    ApplyUseSpeed();
    ApplyBrowseMode();
    PlaceWindow();
    SetMenuLastFiles();
    FillList();
    DoCaption();
}

MainWin::~MainWin() = default;

QAction* MainWin::Action(const char* name) const {
    return findChild<QAction*>(QString::fromLatin1(name));
}

QPushButton* MainWin::Button(const char* name) const {
    return findChild<QPushButton*>(QString::fromLatin1(name));
}

std::uint32_t MainWin::WindowHandle() const {
    return static_cast<std::uint32_t>(winId());
}

void MainWin::SaveSettings() {
    WriteSettingsFile(profileFile_, settings_);
}

void MainWin::Reload() {
    block_.SetHotKeys();
    RefreshHotKeys();
    if (callbacks_.checkAndSetTime)
        callbacks_.checkAndSetTime();
    if (settings_.disableScreenSaver && callbacks_.checkForScreenSaver)
        callbacks_.checkForScreenSaver(true);
    FillList();
    DoCaption();
    RebuildTrayMenu();
    SetMenuLastFiles();
}

void MainWin::RefreshHotKeys() {
    if (hook_)
        hook_->RefreshHotKeys();
}

void MainWin::RebuildTrayMenu() {
    tray_->DoMenuTaskIcon(MenuTaskIcons(block_, file_, iconsDir_));
}

// --- the list ---

void MainWin::FillList() {
    ops_.FillList();
    ShowRows();
}

// The model after the row map changed, with the engine's current row selected.
void MainWin::ApplyFilter() {
    const std::string needle = ToAnsi(filter_->text());
    if (!needle.empty() && filterStale_) {
        filterRecords_ = FilterRecords(file_.Path());
        filterStale_ = false;
    }
    for (int row = 0; row < model_->rowCount(); ++row) {
        const auto place = static_cast<std::size_t>(list_.Place(row + 1));
        const bool shown = needle.empty() || (place < filterRecords_.size() &&
                                              MacroMatches(filterRecords_[place], needle));
        view_->setRowHidden(row, !shown);
    }
}

void MainWin::ShowRows() {
    model_->Refill();
    filterStale_ = true;
    ApplyFilter();
    view_->AdjustGridSpacing();
    view_->SetCurrentEngineRow(list_.CurrentRow());
    ApplyOffers();
}

void MainWin::SelectRow(int row) {
    ops_.SelectRow(row);
    ApplyOffers();
}

// The offered commands onto the buttons, speed buttons and menu items. Commands whose
// editors do not exist yet stay disabled where they are shown.
void MainWin::ApplyOffers() {
    struct Controls {
        const CommandControls& offer;
        const char* button;
        const char* speed;
        const char* menu;
        bool built;
    };
    const Controls controls[] = {
        // A popup menu is modified in its builder, which is still to come.
        {offers_.modify, "EnterKeyButton", "EditSpeed", "MenuEnterKey", true},
        {offers_.recapture, "CaptureKeyButton", "RecaptureSpeed", "MenuCaptureKey",
         capture_ != nullptr},
        {offers_.remove, "ClearHotKey", "DeleteSpeed", "MenuClearHot", true},
        {offers_.copy, "CopyHotKey", "CopySpeed", "MenuCopyHot", true},
        {offers_.rename, "MoveHotKey", "RenameSpeed", "MenuMoveHot", true},
        {offers_.activate, "ButtonActivate", "ActivateSpeed", "MenuActivate", true},
        {offers_.scripting, "DoScript", "ScriptSpeed", "MenuScripting", true},
    };
    const bool normal = mode_ == BrowseMode::Off;
    for (const Controls& c : controls) {
        QPushButton* b = Button(c.button);
        b->setVisible(c.offer.button && normal);
        b->setEnabled(c.built);
        QAction* s = Action(c.speed);
        s->setVisible(c.offer.speed && normal);
        s->setEnabled(c.built);
        Action(c.menu)->setEnabled(c.offer.menu && c.built && normal);
    }
    const QString modify = QString::fromStdString(offers_.modifyCaption);
    Button("EnterKeyButton")->setText(modify);
    Action("MenuEnterKey")->setText(modify);
    Action("EditSpeed")->setToolTip(QString::fromStdString(offers_.modifyHint));
    const QString activate = QString::fromStdString(offers_.activateCaption);
    Button("ButtonActivate")->setText(activate);
    Action("MenuActivate")->setText(activate);
    Action("ActivateSpeed")->setToolTip(QString::fromStdString(offers_.activateHint));
    Action("ActivateSpeed")->setText(QString::fromStdString(offers_.activateHint));
    Action("MenuQuickOver")->setEnabled(offers_.quickInfoMenu);
    Button("AddHotKey")->setVisible(normal);
}

void MainWin::AfterOperation(const MacroTableRefresh& r) {
    if (r.list)
        ShowRows();
    else
        ApplyOffers();
    if (r.changed)
        RefreshHotKeys();
    if (r.schedule && callbacks_.checkAndSetTime)
        callbacks_.checkAndSetTime();
    if (r.screenSaver && callbacks_.checkForScreenSaver)
        callbacks_.checkForScreenSaver(true);
    if (r.trayMenu)
        RebuildTrayMenu();
}

void MainWin::DoAdd() {
    addedCapture_.reset();
    AfterOperation(ops_.DoAdd());
    if (!addedCapture_)
        return;
    // The capture route: the new macro is the last one, and its capture starts now.
    const AddedCapture added = *addedCapture_;
    addedCapture_.reset();
    AfterOperation(ops_.CaptureAt(block_.MacroCount(), added.choice, added.windowScopeForced));
    StepAsideForCapture();
}

void MainWin::DoCapture() {
    AfterOperation(ops_.DoCapture());
    StepAsideForCapture();
}

void MainWin::StepAsideForCapture() {
    if (!capture_ || !capture_->Running())
        return;
    // Out of the way of what the user is about to record.
    SkipNextDeactivate();
    if (settings_.useTray)
        hide();
    else
        showMinimized();
}

void MainWin::StartACapture() {
    AfterOperation(ops_.StartACapture());
}

void MainWin::EndOfCapture() {
    SkipNextDeactivate();
    AfterOperation(ops_.EndOfCapture());
    ShowMainWindow();
}

std::optional<CaptureKeysChoice> MainWin::RunCaptureKeys(const MacroRecord& rec,
                                                         bool windowScopeForced) {
    DialogOpen open(*this);
    MacroRecord copy = rec;
    CaptureKeysChoice choice;
    CaptureDialogParts parts{prompts_, settings_, block_, copy};
    parts.windowScopeForced = windowScopeForced;
    if (!RunCaptureKeysDialog(this, parts, choice))
        return std::nullopt;
    return choice;
}

bool MainWin::RunBuildMenu(MacroRecord& rec) {
    DialogOpen open(*this);
    // Every macro of the file, to choose the menu's items from.
    BuildMenuParts parts{prompts_, ScanMacroFile(file_.Path()).records, iconsDir_,
                         [this](const std::string& dir) {
                             DialogOpen pickOpen(*this);
                             return ToAnsi(QFileDialog::getOpenFileName(
                                 this, QStringLiteral("Load in Icon"), FromAnsi(dir),
                                 QStringLiteral("Icons (*.ico *.ICO)")));
                         },
                         rec.scope != static_cast<unsigned>(Scope::PopupMenu)};
    bool trayChanged = false;
    return RunBuildMenuDialog(this, parts, rec, &trayChanged);
}

void MainWin::RunCapComplete(MacroRecord& rec, const std::string& program) {
    DialogOpen open(*this);
    // In front of whatever the user recorded into.
    ShowMainWindow();
    CaptureDialogParts parts{prompts_, settings_, block_, rec};
    parts.secondaryWindow = [this](bool on) { SecondaryWindow(on); };
    parts.program = program;
    RunCapCompleteDialog(this, parts);
}

void MainWin::DoModify() {
    AfterOperation(ops_.DoModify());
}

void MainWin::DoTheScript() {
    AfterOperation(ops_.DoTheScript());
}

void MainWin::DoActivate() {
    AfterOperation(ops_.DoActivate());
}

void MainWin::DoClear() {
    AfterOperation(ops_.DoClear());
}

void MainWin::DoCopy() {
    AfterOperation(ops_.DoCopy());
}

void MainWin::DoMove() {
    AfterOperation(ops_.DoMove());
}

void MainWin::DoInfo(int row) {
    const auto info = ops_.DoInfo(
        row,
        [](const DateTime& t) {
            return ToAnsi(QLocale::system().toString(ToQDateTime(t), QLocale::ShortFormat));
        },
        iconsDir_);
    if (!info)
        return;
    DialogOpen open(*this);
    ShowQuickInfo(this, *info);
}

bool MainWin::RunCopyOrMove(const CopyOrMoveDialog& dialog, MacroRecord& rec) {
    DialogOpen open(*this);
    return RunCopyOrMoveDialog(
        this, dialog, rec, prompts_, clock_.Now(),
        [this](ScheduleBlock& schedule) {
            DialogOpen scheduleOpen(*this);
            return RunScheduleDialog(this, schedule, clock_.Now(), prompts_);
        },
        [this](bool on) { SecondaryWindow(on); });
}

bool MainWin::RunSystemKeys(int digit) {
    DialogOpen open(*this);
    const ActivationDialogParts parts{file_,
                                      block_,
                                      settings_,
                                      prompts_,
                                      [this] { SaveSettings(); },
                                      [this](bool on) { SecondaryWindow(on); }};
    return RunSystemKeysDialog(this, parts, digit);
}

bool MainWin::RunAddMacro(MacroRecord& rec, int /*place*/) {
    DialogOpen open(*this);
    AddMacroParts parts{
        block_,
        prompts_,
        [this] { return clock_.Now(); },
        [this](const EditorState& state, MacroRecord& r) { return RunDirectEditor(state, r); },
        [this](const EditorState& state, MacroRecord& r) { return RunScriptingEditor(state, r); },
        capture_ ? std::function<bool(const EditorState&, MacroRecord&)>(
                       [this](const EditorState& state, MacroRecord& r) {
                           auto choice = RunCaptureKeys(r, state.windowScopeForced);
                           if (!choice)
                               return false;
                           StartCaptureRecord(r, *choice);
                           addedCapture_ = AddedCapture{*choice, state.windowScopeForced};
                           return true;
                       })
                 : std::function<bool(const EditorState&, MacroRecord&)>(),
        [this](MacroRecord& r) { return RunBuildMenu(r); },
        [this](bool on) { SecondaryWindow(on); }};
    TAddNewHotKey dialog(parts, rec, this);
    return dialog.exec() == QDialog::Accepted;
}

EditorParts MainWin::EditorPartsFor() {
    return {prompts_,
            [this] { return clock_.Now(); },
            [this](bool program, std::string& name, std::uint8_t& topMostOnly) {
                DialogOpen chooserOpen(*this);
                return RunSpecWindDialog(this, program, name, topMostOnly, Running(program),
                                         prompts_);
            },
            [this](ScheduleBlock& schedule) {
                DialogOpen scheduleOpen(*this);
                RunScheduleDialog(this, schedule, clock_.Now(), prompts_);
            },
            iconsDir_,
            [this](const std::string& dir) {
                DialogOpen pickOpen(*this);
                return ToAnsi(QFileDialog::getOpenFileName(this, QStringLiteral("Load in Icon"),
                                                           FromAnsi(dir),
                                                           QStringLiteral("Icons (*.ico *.ICO)")));
            }};
}

bool MainWin::RunDirectEditor(const EditorState& state, MacroRecord& rec) {
    DialogOpen open(*this);
    DirectEditorParts parts{EditorPartsFor(), [this](DirectCommand command) {
                                DialogOpen commandOpen(*this);
                                const QtPathChecks paths;
                                const auto done = RunCommandDialog(
                                    command, {prompts_, paths, settings_, clock_.Now()}, this);
                                return done ? done->tag : std::string();
                            }};
    TModHotKeys editor(parts, state, &rec, rec.text, this);
    return editor.exec() == QDialog::Accepted;
}

bool MainWin::RunScriptingEditor(const EditorState& state, MacroRecord& rec) {
    DialogOpen open(*this);
    ScriptingParts parts{
        EditorPartsFor(),
        [this](Command command, const ScriptLine* existing) -> std::optional<ScriptLine> {
            DialogOpen lineOpen(*this);
            if (command == Command::Text) {
                // A "Text" line is written in the text editor.
                const std::string text =
                    existing ? RecordAs<TTextRec>(command, existing->record).text : std::string();
                TModHotKeys editor(DirectEditorParts{EditorPartsFor(), {}}, {}, nullptr, text,
                                   this);
                if (editor.exec() != QDialog::Accepted)
                    return std::nullopt;
                return MakeScriptLine(Command::Text, TTextRec{editor.Result()});
            }
            const QtPathChecks paths;
            const auto done = RunLineDialog(command, existing ? &existing->record : nullptr,
                                            {prompts_, paths, settings_, clock_.Now()}, this);
            return done ? std::optional<ScriptLine>(done->Line()) : std::nullopt;
        },
        callbacks_.tryMacro};
    TDoScripting editor(parts, state, rec, this);
    return editor.exec() == QDialog::Accepted;
}

std::vector<std::string> MainWin::Running(bool programs) {
    std::vector<std::string> names;
    if (!windows_)
        return names;
    for (WindowId w : windows_->TopLevelWindows()) {
        const std::string name =
            programs ? windows_->ProgramOf(windows_->ProcessOf(w)) : windows_->Title(w);
        if (!name.empty() && std::find(names.begin(), names.end(), name) == names.end())
            names.push_back(name);
    }
    return names;
}

void MainWin::SecondaryWindow(bool on) {
    block_.SetSecWind(WindowHandle(), on);
    RefreshHotKeys();
}

// --- macro files ---

bool MainWin::DoOpen(const std::string& path) {
    if (!kv::DoOpen({file_, settings_, block_, prompts_}, path))
        return false;
    AfterFileChange(true);
    return true;
}

bool MainWin::DoNew(const std::string& path) {
    if (!kv::DoNew({file_, settings_, block_, prompts_}, path))
        return false;
    AfterFileChange(false);
    return true;
}

bool MainWin::OpenSaveFile(int k) {
    if (k < 1 || k > 5)
        return false;
    // A copy: the list changes while the file opens.
    const std::string path = settings_.lastFiles[static_cast<std::size_t>(k - 1)];
    if (path.empty() || !kv::OpenSaveFile({file_, settings_, block_, prompts_}, path))
        return false;
    AfterFileChange(true);
    return true;
}

bool MainWin::SwapMacroFile(const std::string& path) {
    if (!kv::SwapMacroFile({file_, settings_, block_, prompts_}, path))
        return false;
    AfterFileChange(true);
    return true;
}

// New File clears the tray menu of macros and leaves the screen saver alone.
void MainWin::AfterFileChange(bool screenSaverAndTray) {
    tray_->ClearMenuTaskIcon();
    RefreshHotKeys();
    if (screenSaverAndTray && settings_.disableScreenSaver && callbacks_.checkForScreenSaver)
        callbacks_.checkForScreenSaver(true);
    DoCaption();
    FillList();
    if (callbacks_.checkAndSetTime)
        callbacks_.checkAndSetTime();
    if (screenSaverAndTray)
        RebuildTrayMenu();
    SetMenuLastFiles();
}

void MainWin::SetMenuLastFiles() {
    const LastFilesMenu menu = kv::SetMenuLastFiles(settings_);
    lastFilesSeparator_->setVisible(menu.separatorVisible);
    for (std::size_t k = 0; k < lastFileItems_.size(); ++k) {
        const std::string& caption = menu.captions[k];
        QAction* item = lastFileItems_[k];
        item->setVisible(!caption.empty());
        // "&1   " and the path, whose own ampersands are not mnemonics.
        QString text = FromAnsi(caption);
        item->setText(text.left(2) + text.mid(2).replace(QLatin1Char('&'), QLatin1String("&&")));
    }
}

// --- caption, showing and hiding ---

void MainWin::DoCaption() {
    const QDateTime now = ToQDateTime(clock_.Now());
    const std::string date = ToAnsi(QLocale::system().toString(now.date(), QLocale::ShortFormat));
    const std::string time = ToAnsi(LongTime(now.time()));
    setWindowTitle(FromAnsi(kv::DoCaption(settings_, mode_, date, time)));
}

void MainWin::PlaceWindow() {
    resize(std::max(settings_.mainWidth, 200), std::max(settings_.mainHeight, 150));
    move(settings_.mainLeft, settings_.mainTop);
}

void MainWin::SaveStretchDim() {
    settings_.mainWidth = width();
    settings_.mainHeight = height();
    settings_.mainLeft = pos().x();
    settings_.mainTop = pos().y();
}

void MainWin::ShowMainWindow() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
    if (rememberedRow_ != kNoRow) {
        SelectRow(rememberedRow_);
        view_->SetCurrentEngineRow(list_.CurrentRow());
        rememberedRow_ = kNoRow;
    }
}

void MainWin::SysTrayOpen() {
    if (!settings_.useTray) {
        ShowMainWindow();
        return;
    }
    CloseDialogs();
    if (callbacks_.activateMe)
        callbacks_.activateMe();
    else
        ShowMainWindow();
}

// Every dialog of the window closes as if cancelled; their loops end once this returns.
void MainWin::CloseDialogs() {
    for (QDialog* d : findChildren<QDialog*>())
        if (d->isVisible())
            d->reject();
}

void MainWin::AppDeactivate() {
    if (skipDeactivate_) {
        skipDeactivate_ = false;
        return;
    }
    if (terminating_ || closing_ || !settings_.useTray || dialogsOpen_ > 0 ||
        QApplication::activeModalWidget() || (callbacks_.playbackHeld && callbacks_.playbackHeld()))
        return;
    rememberedRow_ = list_.CurrentRow();
    if (isMinimized())
        showNormal();
    hide();
}

void MainWin::SetRecording(bool on) {
    tray_->SetRecording(on);
}

void MainWin::closeEvent(QCloseEvent* event) {
    closing_ = true;
    event->accept();
    if (callbacks_.closed)
        callbacks_.closed();
}

void MainWin::paintEvent(QPaintEvent* event) {
    QMainWindow::paintEvent(event);
    if (hideAtFirstPaint_) {
        hideAtFirstPaint_ = false;
        QTimer::singleShot(0, this, &QWidget::hide);
    }
}

} // namespace kv::ui
