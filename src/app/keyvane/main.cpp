// keyvane: the program that sits in the background and plays macros on hot keys,
// Typewords and schedules.

#include "app/keyvane/KeyvaneApp.h"
#include "engine/core/Ansi.h"
#include "engine/core/SettingsFile.h"
#include "platform/posix/InstanceLock.h"
#include "platform/posix/SharedMemory.h"
#include "platform/x11/X11Hook.h"
#include "platform/x11/X11ScreenSaver.h"

#include <QApplication>
#include <QMessageBox>
#include <QSocketNotifier>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <iostream>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int signalPipe[2] = {-1, -1};

void OnSignal(int) {
    const char c = 1;
    [[maybe_unused]] const auto n = ::write(signalPipe[1], &c, 1);
}

int Fail(const QString& text, const QString& caption) {
    QMessageBox::critical(nullptr, caption, text);
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (!std::getenv("DISPLAY")) {
        std::cerr << "keyvane: no X display (DISPLAY is not set)\n";
        return 1;
    }
    // Keyvane works on the X display: the xcb platform, whatever the session prefers.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Keyvane"));
    QApplication::setQuitOnLastWindowClosed(false);

    const kv::KeyvanePaths paths =
        kv::ResolvePaths([](const char* name) { return std::getenv(name); });
    std::error_code ec;
    for (const std::string& d : {paths.dataDir, paths.configDir, paths.runtimeDir})
        std::filesystem::create_directories(d, ec);

    kv::Settings settings;
    kv::ReadSettingsFile(paths.ProfileFile(), paths.DefaultMacroFile(), settings);

    // The check comes before the shared block is touched, so a second copy never disturbs
    // the block the running one shares with its hook.
    kv::posix::InstanceLock lock(paths.runtimeDir + "/keyvane.lock");
    if (!lock.Held()) {
        if (!lock.HeldElsewhere())
            return Fail(QString::fromStdString(lock.Error()), QStringLiteral("System Error"));
        QMessageBox::information(
            nullptr, QString(),
            settings.useTray
                ? QStringLiteral("Keyvane is already running.  Right Click on the Keyvane Icon in "
                                 "the system tray in the bottom right corner to active.")
                : QStringLiteral("Keyvane is already running."));
        return 1;
    }

    // A Keyvane of its own (KEYVANE_HOME, as every test runs it) gets blocks of its own.
    std::string blockSuffix;
    if (const char* home = std::getenv("KEYVANE_HOME"); home && *home)
        blockSuffix = "." + std::to_string(std::hash<std::string>{}(home) % 1000000007U);
    kv::posix::SharedMemory mainBlock(kv::posix::UserBlockName("KVBA1KGR") + blockSuffix,
                                      kv::kSharedBlockSize);
    if (!mainBlock.Data())
        return Fail(QStringLiteral("Memory Mapped File could not be created.  Keyvane will "
                                   "terminate."),
                    QStringLiteral("System Error"));
    kv::posix::SharedMemory swapBlock(kv::posix::UserBlockName("KVTT1KGR") + blockSuffix,
                                      kv::kSharedBlockSize);
    if (!swapBlock.Data())
        return Fail(QStringLiteral("Memory Mapped File could not be created.  Keyvane will "
                                   "terminate."),
                    QStringLiteral("System Error"));
    kv::SharedBlock block(mainBlock.Data());

    std::string error;
    auto platform = kv::x11::OpenPlatform(&error);
    if (!platform)
        return Fail(QString::fromStdString(error), QStringLiteral("System Error"));
    kv::x11::X11Hook hook(platform->Connection(), platform->X11InputPort(),
                          platform->X11WindowsPort(), block);
    kv::x11::X11ScreenSaver screenSaver(platform->Connection());

    // SIGTERM and SIGINT end Keyvane the same way as its own Terminate.
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, signalPipe) != 0)
        return Fail(QStringLiteral("Signals cannot be handled."), QStringLiteral("System Error"));
    QSocketNotifier notifier(signalPipe[0], QSocketNotifier::Read);
    struct sigaction sa {};
    sa.sa_handler = OnSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &sa, nullptr);
    ::sigaction(SIGINT, &sa, nullptr);

    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(kv::Utf8ToAnsi(argv[i]));

    kv::KeyvaneApp keyvane(paths, settings, block, *platform, &hook, screenSaver);
    QObject::connect(&notifier, &QSocketNotifier::activated, &app, [&] {
        char c;
        [[maybe_unused]] const auto n = ::read(signalPipe[0], &c, 1);
        QApplication::quit();
    });
    keyvane.Start(kv::ParseCommandLine(args));
    const int rc = QApplication::exec();
    keyvane.Shutdown();
    return rc;
}
