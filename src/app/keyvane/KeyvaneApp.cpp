#include "app/keyvane/KeyvaneApp.h"

#include "engine/activation/HotKeys.h"
#include "engine/core/LastFiles.h"
#include "engine/core/SettingsFile.h"
#include "engine/mainwin/MacroListText.h"

#include <QCloseEvent>
#include <filesystem>

namespace kv {

KeyvaneApp::KeyvaneApp(const KeyvanePaths& paths, Settings& settings, SharedBlock& block,
                       x11::X11Platform& platform, Hook* hook, ScreenSaver& screenSaver)
    : paths_(paths), settings_(settings), block_(block), platform_(platform), hook_(hook),
      dialogs_(platform.GetWindows()), file_(settings, block, prompts_, clock_),
      player_({platform.GetInput(), platform.GetWindows(), platform.GetDesktop(), files_,
               platform.Pump(), clock_, dialogs_, *this},
              settings, state_),
      dispatch_(settings, block, file_, player_, state_, *this, platform.GetInput(),
                platform.GetWindows()),
      typewords_(settings, block, file_, player_, dispatch_, state_, platform.GetInput(),
                 platform.GetWindows(), platform.Pump(), clock_),
      scheduler_(
          {platform.GetInput(), platform.GetWindows(), platform.GetDesktop(), screenSaver, clock_},
          settings, block, file_, player_, state_) {
    prompts_.SetParent(&window_);
    list_ = new QListWidget(&window_);
    window_.setCentralWidget(list_);
    window_.setWindowTitle(QStringLiteral("Keyvane"));
    dispatch_.beforePlay = [this] {
        if (hook_)
            hook_->WaitForRelease(std::chrono::milliseconds(1000));
    };
    QObject::connect(&myTimer_, &QTimer::timeout, this, [this] { Tick(); });
    timer2_.setSingleShot(true);
    QObject::connect(&timer2_, &QTimer::timeout, this, [this] {
        // Held back (a pause, a popup menu, a capture): try again a little later.
        if (!scheduler_.DoStartUpMacros())
            timer2_.start(Scheduler::kStartUpDelay);
        platform_.EndPlayback();
    });
}

KeyvaneApp::~KeyvaneApp() {
    Shutdown();
}

void KeyvaneApp::Start(const CommandLine& args) {
    std::filesystem::create_directories(paths_.dataDir);
    file_.LoadMacroFile(settings_.currentFile);
    block_.InitForWindow(static_cast<std::uint32_t>(window_.winId()), true);
    // A Keyvane that ended in the middle of a playback leaves the byte set in the block.
    block_.SetPlaying(false);

    if (args.networkMode)
        settings_.networkMode = true;
    if (args.autoSync)
        settings_.autoSync = true;
    if (args.syncMinutes)
        settings_.syncMinutes = *args.syncMinutes;
    if (args.file && std::filesystem::exists(*args.file)) {
        settings_.currentFile = *args.file;
        file_.LoadMacroFile(settings_.currentFile);
    }

    std::string error;
    if (hook_ && !hook_->Install(*this, &error))
        prompts_.ShowMessage("The keyboard and mouse cannot be watched: " + error +
                                 ".  Hot keys and Typewords will not work.",
                             "Error");
    Refresh();
    window_.resize(settings_.mainWidth, settings_.mainHeight);
    window_.move(settings_.mainLeft, settings_.mainTop);
    timer2_.start(Scheduler::kStartUpDelay);
    if (!settings_.useTray && !args.hide)
        window_.show();
}

void KeyvaneApp::Refresh() {
    block_.SetHotKeys();
    if (hook_)
        hook_->RefreshHotKeys();
    // No timed macro, no timer: an idle Keyvane wakes for nothing.
    if (scheduler_.CheckAndSetTime())
        myTimer_.start(scheduler_.TickInterval());
    else
        myTimer_.stop();
    if (settings_.disableScreenSaver)
        scheduler_.CheckForScreenSaver(true);
    FillList();
    window_.setWindowTitle(QStringLiteral("Keyvane (") +
                           ui::FromAnsi(FileTitle(settings_.currentFile)) + QStringLiteral(")"));
}

void KeyvaneApp::FillList() {
    list_->clear();
    for (int place = 1; place <= block_.MacroCount(); ++place) {
        const auto p = static_cast<std::size_t>(place);
        const std::string row =
            ActivationText(block_.Activation(place), settings_.names.typeword[p]) + "    " +
            settings_.names.nickname[p] + "    " +
            ScopeText(block_.Scope(place), block_.ScopeName(place));
        auto* item = new QListWidgetItem(ui::FromAnsi(row), list_);
        if (!block_.Active(place)) {
            QFont f = item->font();
            f.setItalic(true);
            item->setFont(f);
            item->setForeground(Qt::gray);
        }
    }
}

void KeyvaneApp::Tick() {
    scheduler_.CheckOutTimerMacros();
    platform_.EndPlayback();
}

void KeyvaneApp::OnHotKey(std::uint16_t wParam, WindowId window) {
    dispatch_.OnHotKey({wParam, window});
    platform_.EndPlayback();
}

void KeyvaneApp::OnTyped(int kind, char ch) {
    typewords_.OnTyped({kind, ch});
    platform_.EndPlayback();
}

void KeyvaneApp::OnAbort() {
    dispatch_.OnAbort();
}

void KeyvaneApp::OnHotKeyTaken(int code) {
    prompts_.ShowMessage("The hot key \"" + HotKeyName(code) +
                             "\" is already taken by another program.  Keyvane cannot use it "
                             "until that program lets it go.",
                         "Warning");
}

void KeyvaneApp::ShowMainWindow() {
    window_.show();
    window_.raise();
    window_.activateWindow();
}

void KeyvaneApp::SwapMacroFile(const std::string& path) {
    const std::string old = settings_.currentFile;
    settings_.currentFile = path;
    file_.LoadMacroFile(path);
    Refresh();
    DoLastFiles(settings_, old, path);
}

void KeyvaneApp::Shutdown() {
    if (closing_)
        return;
    closing_ = true;
    myTimer_.stop();
    timer2_.stop();
    if (hook_)
        hook_->Uninstall();
    scheduler_.AllowScreenSaver();
    const QRect g = window_.geometry();
    settings_.mainWidth = g.width();
    settings_.mainHeight = g.height();
    settings_.mainLeft = g.x();
    settings_.mainTop = g.y();
    WriteSettingsFile(paths_.ProfileFile(), settings_);
    platform_.EndPlayback();
}

} // namespace kv
