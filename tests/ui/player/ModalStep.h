#pragma once
// The play-time dialogs block in their own modal loop, so a test hands over what to do while
// one is up before it calls the blocking Run* function.

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace kv::test {

// Runs `step` on the modal dialog once the next modal loop has shown it and has run what the
// dialog queued as it was shown.
inline void OnModal(std::function<void(QDialog&)> step) {
    QTimer::singleShot(0, [step = std::move(step)]() mutable {
        QTimer::singleShot(0, [step = std::move(step)] {
            auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!d) {
                ADD_FAILURE() << "no dialog is up";
                return;
            }
            step(*d);
        });
    });
}

// Closes a dialog that a test left open, so that a broken test fails instead of hanging.
class ModalDialogTest : public ::testing::Test {
protected:
    ModalDialogTest() {
        watchdog_.setInterval(5000);
        QObject::connect(&watchdog_, &QTimer::timeout, [] {
            if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
                ADD_FAILURE() << "left open: " << d->windowTitle().toStdString();
                d->done(QDialog::Rejected);
            }
        });
        watchdog_.start();
    }

private:
    QTimer watchdog_;
};

} // namespace kv::test
