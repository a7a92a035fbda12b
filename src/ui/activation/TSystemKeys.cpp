#include "ui/activation/TSystemKeys.h"

#include "ui/QtPrompts.h"
#include "ui/activation/HotKeyBox.h"
#include "ui/common/DialogButtons.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kv::ui {
namespace {

// The boxes' labels, in command order; the nicknames of the SYSTEM macros.
constexpr const char* kBoxLabels[kSystemCommandCount] = {"&Activate Keyvane",
                                                         "Start / Stop Ca&pture", "&Resume Pause",
                                                         "&Menu of Macros for Top Most Window"};
constexpr const char* kBoxNames[kSystemCommandCount] = {"ActProg", "StartCap", "Resume", "MenuTop"};

} // namespace

TSystemKeys::TSystemKeys(const ActivationDialogParts& parts, QWidget* parent)
    : QDialog(parent), parts_(parts), wait_(parts.secondaryWindow), keys_(parts.block) {
    setWindowTitle(QStringLiteral("System Hot Keys"));
    setModal(true);

    auto* keysGroup = new QGroupBox(QStringLiteral("System Hot Keys"));
    auto* form = new QFormLayout(keysGroup);
    for (int i = 0; i < kSystemCommandCount; ++i) {
        const auto command = static_cast<SystemCommand>(i + 1);
        auto* box = new HotKeyBox;
        box->setObjectName(QString::fromLatin1(kBoxNames[i]));
        box->setMinimumWidth(180);
        box->setText(FromAnsi(keys_.Name(command)));
        box->setEnabled(keys_.Place(command) != 0);
        auto* label = new QLabel(QString::fromLatin1(kBoxLabels[i]));
        label->setBuddy(box);
        form->addRow(label, box);
        boxes_[static_cast<std::size_t>(i)] = box;

        connect(box, &HotKeyBox::entered, this, [this] { wait_.Set(true); });
        connect(box, &HotKeyBox::left, this, [this] { wait_.Set(false); });
        connect(box, &HotKeyBox::hotKeyPressed, this,
                [this, command](int code) { OnHotKey(command, code); });
    }

    auto* showGroup = new QGroupBox(QStringLiteral("What To Show On Popup Menu"));
    auto* showLayout = new QVBoxLayout(showGroup);
    showText_ = new QRadioButton(QStringLiteral("&First Part of Macro"));
    showIcon_ = new QRadioButton(QStringLiteral("&Icons"));
    showNick_ = new QRadioButton(QStringLiteral("&Nickname and Scope"));
    showText_->setObjectName(QStringLiteral("ShowText"));
    showIcon_->setObjectName(QStringLiteral("ShowIcon"));
    showNick_->setObjectName(QStringLiteral("ShowNick"));
    for (QRadioButton* r : {showText_, showIcon_, showNick_})
        showLayout->addWidget(r);
    switch (parts.settings.systemMenu) {
    case 2:
        showIcon_->setChecked(true);
        break;
    case 3:
        showNick_->setChecked(true);
        break;
    default:
        showText_->setChecked(true);
        break;
    }

    buttons_ = MakeOkCancel(this, &TSystemKeys::OkButtonClick);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(keysGroup);
    layout->addWidget(showGroup);
    layout->addLayout(buttons_.row);

    // Until a box is chosen the keys keep their usual meaning.
    buttons_.ok->setFocus();
}

void TSystemKeys::FocusCommand(int digit) {
    if (digit < 1 || digit > kSystemCommandCount)
        return;
    HotKeyBox* box = boxes_[static_cast<std::size_t>(digit - 1)];
    if (box->isEnabled())
        box->setFocus();
}

TSystemKeys::~TSystemKeys() {
    // The boxes go after this part of the dialog and lose their focus on the way: they
    // must not call into it any more. A dialog destroyed while a box waited lets go.
    for (HotKeyBox* box : boxes_) {
        if (box)
            box->disconnect(this);
    }
    wait_.Set(false);
}

void TSystemKeys::OnHotKey(SystemCommand c, int code) {
    if (auto refused = keys_.KeyPressed(c, code)) {
        parts_.prompts.ShowMessage(refused->text, refused->caption);
        return;
    }
    Box(c)->setText(FromAnsi(keys_.Name(c)));
}

void TSystemKeys::OkButtonClick() {
    if (auto refused = keys_.CheckOk()) {
        parts_.prompts.ShowMessage(refused->text, refused->caption);
        return;
    }
    const bool written = keys_.WriteChanges(parts_.file);
    parts_.block.SetHotKeys();
    if (!written)
        return; // the file said why; the dialog stays so nothing chosen is lost
    parts_.settings.systemMenu = showIcon_->isChecked() ? 2 : showNick_->isChecked() ? 3 : 1;
    SaveAndAccept(*this, parts_.saveSettings);
}

void TSystemKeys::done(int result) {
    // The box that had the focus no longer waits for a key once the dialog is gone.
    wait_.Set(false);
    QDialog::done(result);
}

} // namespace kv::ui
