#include "ui/player/PlayDialogsQt.h"

#include "engine/player/PlayTimeDialogs.h"
#include "ui/QtPrompts.h"
#include "ui/common/DialogButtons.h"

#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
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

QLabel* NamedLabel(const QString& text, const char* name) {
    auto* label = new QLabel(text);
    label->setObjectName(QString::fromLatin1(name));
    return label;
}

// `TRepeatPrompt`. Only a number closes it: "&Ok" and the close box both check the entry,
// and Escape does nothing, as there is no way to cancel.
class RepeatPromptForm : public QDialog {
public:
    explicit RepeatPromptForm(Prompts& prompts) : QDialog(nullptr, kOnTop), prompts_(prompts) {
        setWindowTitle(QStringLiteral("Macro Repeat"));
        numReps_ = new QLineEdit;
        numReps_->setObjectName(QStringLiteral("NumReps"));
        numReps_->setMaxLength(4);
        QPushButton* ok = MakeOkButton();
        ok->setObjectName(QStringLiteral("OkButton"));
        connect(ok, &QPushButton::clicked, this, &RepeatPromptForm::OkButtonClick);
        auto* layout = new QHBoxLayout(this);
        layout->addWidget(NamedLabel(QStringLiteral("Times To Repeat"), "TheMessage"));
        layout->addWidget(numReps_);
        layout->addWidget(ok);
        Centre(*this, 167, 56);
        numReps_->setFocus();
    }

    std::uint16_t Count() const { return count_; }

    // The close box comes here too.
    void reject() override { OkButtonClick(); }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (e->key() == Qt::Key_Escape)
            return;
        QDialog::keyPressEvent(e);
    }

private:
    void OkButtonClick() {
        if (const auto n = ParseRepeatCount(ToAnsi(numReps_->text()))) {
            count_ = *n;
            accept();
            return;
        }
        prompts_.ShowMessage(kInvalidRepeatCount, "Error");
        numReps_->setFocus();
    }

    Prompts& prompts_;
    QLineEdit* numReps_;
    std::uint16_t count_ = 0;
};

} // namespace

bool PlayDialogsQt::RunPauseBox(const PauseBoxLayout& b, WindowId target) {
    QDialog box(nullptr, kOnTop);
    box.setWindowTitle(FromAnsi(b.caption));
    auto* layout = new QVBoxLayout(&box);
    layout->addWidget(NamedLabel(QStringLiteral("Keyvane Pause"), "Label1"));
    QLabel* title = NamedLabel(FromAnsi(b.title), "MacroTitleLabel");
    title->setStyleSheet(QStringLiteral("color: red"));
    title->setAlignment(Qt::AlignCenter);
    title->setWordWrap(true);
    layout->addWidget(title);
    if (!b.message.empty()) {
        QLabel* message = NamedLabel(FromAnsi(b.message), "MessageLabel");
        message->setWordWrap(true);
        message->setFixedHeight(b.messageHeight);
        layout->addWidget(message);
    }
    auto* buttons = new QHBoxLayout;
    auto* resume = new QPushButton(QStringLiteral("&Resume"));
    auto* abort = new QPushButton(QStringLiteral("&Abort"));
    resume->setObjectName(QStringLiteral("ResumeButton"));
    abort->setObjectName(QStringLiteral("AbortButton"));
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
    QTimer::singleShot(0, &box, [this, target, &box] {
        if (target && box.isVisible())
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
    QtPrompts overPrompt;
    RepeatPromptForm prompt(prompts_ ? *prompts_ : overPrompt);
    overPrompt.SetParent(&prompt);
    prompt.exec();
    return prompt.Count();
}

void PlayDialogsQt::RunOnTopMessage(std::string_view caption, std::string_view text) {
    QDialog box(nullptr, kOnTop);
    box.setWindowTitle(FromAnsi(caption));
    auto* layout = new QVBoxLayout(&box);
    QLabel* label = NamedLabel(FromAnsi(text), "TheMessage");
    label->setWordWrap(true);
    layout->addWidget(label);
    QPushButton* ok = MakeOkButton();
    ok->setObjectName(QStringLiteral("OkButton"));
    layout->addWidget(ok, 0, Qt::AlignCenter);
    QObject::connect(ok, &QPushButton::clicked, &box, &QDialog::accept);
    Centre(box, 235, 130);
    box.exec();
}

} // namespace kv::ui
