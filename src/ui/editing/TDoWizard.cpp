#include "ui/editing/TDoWizard.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv::ui {
namespace {

struct WizardStep {
    const char* name;
    const char* caption;
    Command command; // what the dialog opens with
};

constexpr WizardStep kSteps[] = {
    {"TextSpeed", "&Enter Text, Symbols, Keystrokes", Command::Text},
    {"MouseSpeed", "Mouse Clic&ks, Movements, Wheel", Command::MouseMove},
    {"LaunchSpeed", "&Activate / Launch Programs", Command::ActivateOrLaunch},
    {"WebSpeed", "Launch a &Web Site", Command::WebSite},
    {"DateSpeed", "Insert &Date (current, past or future)", Command::Date},
    {"TimeSpeed", "Insert &Time", Command::Time},
    {"PauseSpeed", "Macro &Pause", Command::Pause},
    {"RemarkSpeed", "E&nter a Comment or Remark", Command::Remark},
    {"SpeedSpeed", "&Set Keyboard or Mouse Speed", Command::KeystrokeSpeed},
    {"DelaySpeed", "&Insert a Delay", Command::Delay},
    {"SizeSpeed", "Set a Window Si&ze or Position", Command::ResizeWindow},
    {"MaxSpeed", "&Maximize, Minimize, etc Windows", Command::MinimizeWindow},
    {"ClipSpeed", "&Clipboard Functions (copy, paste)", Command::ClipboardFileCopy},
    {"SoundSpeed", "Pla&y a Sound", Command::SoundWaveFile},
    {"DOSFileSpeed", "Delete, Copy, Rename &Files, etc", Command::ChangeDirectory},
    {"RepeatSpeed", "Repeat &Loop", Command::RepeatStart},
};

} // namespace

TDoWizard::TDoWizard(Prompts& prompts, std::function<bool(Command)> addLine, QWidget* parent)
    : QDialog(parent), prompts_(prompts), addLine_(std::move(addLine)) {
    setWindowTitle(QStringLiteral("Scripting Wizard"));
    setModal(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(new QLabel(QStringLiteral("What would you like to do?")));
    auto* grid = new QGridLayout;
    int i = 0;
    for (const WizardStep& step : kSteps) {
        auto* b = new QPushButton(QString::fromLatin1(step.caption));
        b->setObjectName(QString::fromLatin1(step.name));
        b->setAutoDefault(false);
        const Command command = step.command;
        connect(b, &QPushButton::clicked, this, [this, command] { Step(command); });
        grid->addWidget(b, i / 2, i % 2);
        ++i;
    }
    layout->addLayout(grid);
    auto* exit = new QPushButton(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("ExitButton"));
    exit->setAutoDefault(false);
    connect(exit, &QPushButton::clicked, this, &QDialog::reject);
    layout->addWidget(exit, 0, Qt::AlignCenter);
}

void TDoWizard::Step(Command command) {
    // A cancelled dialog adds nothing and asks nothing.
    if (addLine_ && addLine_(command))
        AddMessage();
}

void TDoWizard::AddMessage() {
    if (!prompts_.AskYesNo("Macro object successfully added.  Continue with wizard?", "Added"))
        accept();
}

} // namespace kv::ui
