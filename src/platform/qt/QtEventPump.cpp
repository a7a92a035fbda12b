#include "platform/qt/QtEventPump.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace kv::qt {

void RunLoopFor(QEventLoop& loop, std::chrono::milliseconds limit) {
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, &loop, &QEventLoop::quit);
    timer.start(limit);
    loop.exec();
}

QtEventPump::QtEventPump(std::function<void()> beforeEvents)
    : beforeEvents_(std::move(beforeEvents)) {}

void QtEventPump::ProcessPending() {
    if (beforeEvents_)
        beforeEvents_();
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtEventPump::WaitFor(std::chrono::milliseconds timeout) {
    if (beforeEvents_)
        beforeEvents_();
    if (timeout.count() <= 0) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        return;
    }
    QEventLoop loop;
    RunLoopFor(loop, timeout);
}

} // namespace kv::qt
