#include "ui/player/PlayDialogsQt.h"

#include "engine/player/PlayTimeDialogs.h"
#include "ui/QtPrompts.h"

#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace kv::ui {
namespace {

constexpr Qt::WindowFlags kOnTop = Qt::Dialog | Qt::WindowStaysOnTopHint;

void Centre(QDialog& d, int width, int height) {
    d.resize(width, height);
    if (const QScreen* s = QGuiApplication::primaryScreen()) {
        const QRect r = s->geometry();
        d.move((r.width() - width) / 2, (r.height() - height) / 2);
    }
}

} // namespace

bool PlayDialogsQt::RunPauseBox(const PauseBoxLayout& b, WindowId target) {
    QDialog box(nullptr, kOnTop);
    box.setWindowTitle(FromAnsi(b.caption));
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(new QLabel(QStringLiteral("Keyvane Pause")));
    auto* title = new QLabel(FromAnsi(b.title));
    title->setStyleSheet(QStringLiteral("color: red"));
    title->setAlignment(Qt::AlignCenter);
    title->setWordWrap(true);
    layout->addWidget(title);
    if (!b.message.empty()) {
        auto* message = new QLabel(FromAnsi(b.message));
        message->setWordWrap(true);
        message->setFixedHeight(b.messageHeight);
        layout->addWidget(message);
    }
    auto* buttons = new QHBoxLayout;
    auto* resume = new QPushButton(QStringLiteral("&Resume"));
    auto* abort = new QPushButton(QStringLiteral("&Abort"));
    buttons->addWidget(resume);
    buttons->addWidget(abort);
    layout->addLayout(buttons);
    resumed_ = false;
    QObject::connect(resume, &QPushButton::clicked, &box, [&] {
        resumed_ = true;
        box.accept();
    });
    QObject::connect(abort, &QPushButton::clicked, &box, &QDialog::reject);
    box.setFixedSize(b.width, b.height);
    box.move(b.left, b.top);
    box.setAttribute(Qt::WA_ShowWithoutActivating);
    pauseBox_ = &box;
    // Once the box is up, the user goes on typing where the macro types.
    QTimer::singleShot(0, &box, [this, target] {
        if (target)
            windows_.Activate(target);
    });
    box.exec();
    pauseBox_ = nullptr;
    return resumed_;
}

void PlayDialogsQt::ResumePauseBox() {
    if (pauseBox_) {
        resumed_ = true;
        pauseBox_->accept();
    }
}

std::uint16_t PlayDialogsQt::RunRepeatPrompt() {
    QDialog prompt(nullptr, kOnTop | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    prompt.setWindowTitle(QStringLiteral("Macro Repeat"));
    auto* layout = new QHBoxLayout(&prompt);
    layout->addWidget(new QLabel(QStringLiteral("Times To Repeat")));
    auto* edit = new QLineEdit;
    edit->setMaxLength(4);
    layout->addWidget(edit);
    auto* ok = new QPushButton(QStringLiteral("&Ok"));
    ok->setDefault(true);
    layout->addWidget(ok);
    std::uint16_t count = 0;
    QObject::connect(ok, &QPushButton::clicked, &prompt, [&] {
        if (const auto n = ParseRepeatCount(ToAnsi(edit->text()))) {
            count = *n;
            prompt.accept();
            return;
        }
        QMessageBox::critical(&prompt, QStringLiteral("Error"), FromAnsi(kInvalidRepeatCount));
        edit->setFocus();
    });
    Centre(prompt, 167, 56);
    edit->setFocus();
    // There is no way to cancel: only a number closes the prompt.
    while (prompt.exec() != QDialog::Accepted) {
    }
    return count;
}

void PlayDialogsQt::RunOnTopMessage(std::string_view caption, std::string_view text) {
    QDialog box(nullptr, kOnTop);
    box.setWindowTitle(FromAnsi(caption));
    auto* layout = new QVBoxLayout(&box);
    auto* label = new QLabel(FromAnsi(text));
    label->setWordWrap(true);
    layout->addWidget(label);
    auto* ok = new QPushButton(QStringLiteral("&Ok"));
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignCenter);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    Centre(box, 235, 130);
    box.exec();
}

} // namespace kv::ui
