#include "ui/capture/TCaptureKeys.h"

#include "engine/core/Limits.h"
#include "ui/QtPrompts.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace kv::ui {
namespace {

QLabel* Line(const std::string& text, const char* name) {
    auto* label = new QLabel(FromAnsi(text));
    label->setObjectName(QString::fromLatin1(name));
    label->setVisible(!text.empty());
    return label;
}

} // namespace

TCaptureKeys::TCaptureKeys(const CaptureDialogParts& parts, QWidget* parent)
    : QDialog(parent), rec_(parts.rec) {
    setWindowTitle(QStringLiteral("Capture Macro"));
    setModal(true);

    const CaptureKeysLabels labels = CaptureKeysLabelsOf(rec_, parts.block);
    activation_ = Line(labels.activation, "ActivationLabel");
    QFont bold = activation_->font();
    bold.setBold(true);
    activation_->setFont(bold);
    stopKey_ = Line(labels.stopKey, "StopKeyLabel");
    secondStopKey_ = Line(labels.secondStopKey, "SecondStopKeyLabel");

    nickname_ = new QLineEdit(FromAnsi(rec_.nickname));
    nickname_->setObjectName(QStringLiteral("Nickname"));
    nickname_->setMaxLength(static_cast<int>(kNicknameMax));
    nickname_->setMinimumWidth(300);
    auto* nicknameLabel = new QLabel(QStringLiteral("&Nickname"));
    nicknameLabel->setBuddy(nickname_);
    auto* nicknameRow = new QFormLayout;
    nicknameRow->addRow(nicknameLabel, nickname_);

    options_ = new CaptureOptionsBox(false);
    options_->setObjectName(QStringLiteral("Options"));
    options_->SetChoices(CaptureChoices::From(parts.settings));
    if (CaptureGlobalLocked(rec_, parts.block, parts.windowScopeForced))
        options_->LockGlobal();

    // "&Start" would take the mnemonic of "&Screen".
    buttons_ =
        MakeOkCancel(this, &TCaptureKeys::StartButtonClick, QStringLiteral("Start Cap&ture"));
    buttons_.ok->setObjectName(QStringLiteral("StartButton"));
    buttons_.cancel->setObjectName(QStringLiteral("CancelButton"));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(activation_);
    layout->addWidget(stopKey_);
    layout->addWidget(secondStopKey_);
    layout->addLayout(nicknameRow);
    layout->addWidget(options_);
    layout->addLayout(buttons_.row);
}

void TCaptureKeys::StartButtonClick() {
    const CaptureChoices options = options_->Choices();
    choice_ = {options, ToAnsi(nickname_->text()), !options.global};
    StartCaptureRecord(rec_, choice_);
    accept();
}

} // namespace kv::ui
