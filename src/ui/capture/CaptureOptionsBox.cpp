#include "ui/capture/CaptureOptionsBox.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kv::ui {
namespace {

constexpr int kIndent = 24;

QCheckBox* Check(const char* caption, const char* name) {
    auto* box = new QCheckBox(QString::fromLatin1(caption));
    box->setObjectName(QString::fromLatin1(name));
    return box;
}

QRadioButton* Radio(const char* caption, const char* name) {
    auto* button = new QRadioButton(QString::fromLatin1(caption));
    button->setObjectName(QString::fromLatin1(name));
    return button;
}

// A row of controls below the one they depend on, moved in a little.
QHBoxLayout* Indented() {
    auto* row = new QHBoxLayout;
    row->setContentsMargins(kIndent, 0, 0, 0);
    return row;
}

} // namespace

CaptureOptionsBox::CaptureOptionsBox(bool withPrompt, QWidget* parent) : QWidget(parent) {
    keys_ = Check("Capture &Keystrokes", "CaptureKeys");
    doubleAlt_ = Check("Capture &Double <ALT> for Menus", "DoubleAlt");
    auto* keysGroup = new QGroupBox(QStringLiteral("Keyboard"));
    auto* keysLayout = new QVBoxLayout(keysGroup);
    keysLayout->addWidget(keys_);
    QHBoxLayout* altRow = Indented();
    altRow->addWidget(doubleAlt_);
    keysLayout->addLayout(altRow);

    mouse_ = Check("Capture &Mouse", "CaptureMouse");
    screen_ = Radio("&Screen", "RelScreen");
    window_ = Radio("&Window", "RelWindow");
    windowSize_ = Check("Capture Window Si&ze", "WindowSize");
    auto* mouseGroup = new QGroupBox(QStringLiteral("Mouse"));
    auto* mouseLayout = new QVBoxLayout(mouseGroup);
    mouseLayout->addWidget(mouse_);
    // Its own widget keeps the two positions apart from the other radio buttons.
    auto* relative = new QWidget;
    auto* relativeLayout = new QGridLayout(relative);
    relativeLayout->setContentsMargins(kIndent, 0, 0, 0);
    relativeLayout->addWidget(new QLabel(QStringLiteral("Positions relative to")), 0, 0, 1, 2);
    relativeLayout->addWidget(screen_, 1, 0);
    relativeLayout->addWidget(window_, 1, 1);
    relativeLayout->addWidget(windowSize_, 2, 1);
    mouseLayout->addWidget(relative);

    time_ = Check("Captur&e At", "CaptureTime");
    speeds_ = {Radio("&Actual Speed", "ActualSpeed"), Radio("&Half Speed", "HalfSpeed"),
               Radio("Do&uble Speed", "DoubleSpeed"), Radio("&Quadruple Speed", "QuadSpeed")};
    auto* timeGroup = new QGroupBox(QStringLiteral("Timing"));
    auto* timeLayout = new QVBoxLayout(timeGroup);
    timeLayout->addWidget(time_);
    auto* speedBox = new QWidget;
    auto* speedLayout = new QGridLayout(speedBox);
    speedLayout->setContentsMargins(kIndent, 0, 0, 0);
    for (std::size_t i = 0; i < speeds_.size(); ++i)
        speedLayout->addWidget(speeds_[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
    timeLayout->addWidget(speedBox);

    global_ = Radio("&Global", "Global");
    program_ = Radio("&Program", "Program");
    auto* scopeGroup = new QGroupBox(QStringLiteral("Scope of the Macro"));
    auto* scopeLayout = new QHBoxLayout(scopeGroup);
    scopeLayout->addWidget(global_);
    scopeLayout->addWidget(program_);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(keysGroup);
    layout->addWidget(mouseGroup);
    layout->addWidget(timeGroup);
    if (withPrompt) {
        prompt_ = Check("P&rompt on Capture", "Prompt");
        layout->addWidget(prompt_);
    }
    layout->addWidget(scopeGroup);

    for (QCheckBox* box : {keys_, mouse_, time_})
        connect(box, &QCheckBox::toggled, this, &CaptureOptionsBox::Enable);
    connect(screen_, &QRadioButton::toggled, this, &CaptureOptionsBox::Enable);
    SetChoices(CaptureChoices{});
}

void CaptureOptionsBox::SetChoices(const CaptureChoices& c) {
    doubleAlt_->setChecked(c.doubleAlt);
    keys_->setChecked(c.keys);
    mouse_->setChecked(c.mouse);
    (c.relativeToScreen ? screen_ : window_)->setChecked(true);
    time_->setChecked(c.time);
    speeds_[Index(c.speed)]->setChecked(true);
    promptGiven_ = c.prompt;
    if (prompt_)
        prompt_->setChecked(c.prompt);
    windowSize_->setChecked(c.windowSize);
    (c.global ? global_ : program_)->setChecked(true);
    Enable();
}

CaptureChoices CaptureOptionsBox::Choices() const {
    CaptureChoices c;
    c.doubleAlt = doubleAlt_->isChecked();
    c.keys = keys_->isChecked();
    c.mouse = mouse_->isChecked();
    c.relativeToScreen = screen_->isChecked();
    c.time = time_->isChecked();
    for (std::size_t i = 0; i < speeds_.size(); ++i) {
        if (speeds_[i]->isChecked())
            c.speed = static_cast<CaptureSpeed>(i + 1);
    }
    c.prompt = prompt_ ? prompt_->isChecked() : promptGiven_;
    c.windowSize = windowSize_->isChecked();
    c.global = global_->isChecked();
    return c;
}

void CaptureOptionsBox::LockGlobal() {
    program_->setChecked(true);
    global_->setEnabled(false);
}

void CaptureOptionsBox::Enable() {
    const CaptureEnabling e = CaptureEnablingOf(Choices());
    screen_->setEnabled(e.screenOrWindow);
    window_->setEnabled(e.screenOrWindow);
    windowSize_->setEnabled(e.windowSize);
    doubleAlt_->setEnabled(e.doubleAlt);
    for (QRadioButton* speed : speeds_)
        speed->setEnabled(e.speed);
}

} // namespace kv::ui
