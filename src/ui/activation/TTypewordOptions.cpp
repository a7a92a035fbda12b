#include "ui/activation/TTypewordOptions.h"

#include "engine/activation/TypewordOptions.h"
#include "engine/activation/Typewords.h"
#include "ui/QtPrompts.h"
#include "ui/common/DialogButtons.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv::ui {

TTypewordOptions::TTypewordOptions(Settings& settings, Prompts& prompts,
                                   std::function<void()> saveSettings, QWidget* parent)
    : QDialog(parent), settings_(settings), prompts_(prompts),
      saveSettings_(std::move(saveSettings)) {
    setWindowTitle(QStringLiteral("Typeword Options"));
    setModal(true);
    const TTypewordOptionsFields f = TTypewordOptionsFields::From(settings);

    usePrefix_ = new QCheckBox(QStringLiteral("Use &Prefix Keys"));
    caseSense_ = new QCheckBox(QStringLiteral("Case &Sensitive"));
    solitary_ = new QCheckBox(QStringLiteral("Solitary &Usage"));
    prefixKeys_ = new QLineEdit;
    usePrefix_->setObjectName(QStringLiteral("UsePrefix"));
    caseSense_->setObjectName(QStringLiteral("CaseSense"));
    solitary_->setObjectName(QStringLiteral("Solitary"));
    prefixKeys_->setObjectName(QStringLiteral("PrefixKeys"));
    prefixKeys_->setMaxLength(static_cast<int>(TTypewordOptionsFields::kPrefixKeysLength));
    prefixKeys_->setMaximumWidth(60);

    usePrefix_->setChecked(f.usePrefix);
    caseSense_->setChecked(f.caseSense);
    solitary_->setChecked(f.solitary);
    prefixKeys_->setText(FromAnsi(f.prefixKeys));
    prefixKeys_->setEnabled(f.usePrefix);

    auto* prefixRow = new QFormLayout;
    auto* prefixLabel = new QLabel(QStringLiteral("Prefix &Keys"));
    prefixLabel->setBuddy(prefixKeys_);
    prefixRow->addRow(prefixLabel, prefixKeys_);
    prefixRow->setContentsMargins(24, 0, 0, 0);

    buttons_ = MakeOkCancel(this, &TTypewordOptions::OkButtonClick);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(usePrefix_);
    layout->addLayout(prefixRow);
    layout->addWidget(caseSense_);
    layout->addWidget(solitary_);
    layout->addLayout(buttons_.row);
    setTabOrder(usePrefix_, prefixKeys_);
    setTabOrder(prefixKeys_, caseSense_);
    setTabOrder(caseSense_, solitary_);
    setTabOrder(solitary_, buttons_.ok);
    setTabOrder(buttons_.ok, buttons_.cancel);

    connect(usePrefix_, &QCheckBox::toggled, prefixKeys_, &QLineEdit::setEnabled);
    connect(prefixKeys_, &QLineEdit::textEdited, this, [this] { CheckPrefixKeys(); });
    prefixKeys_->installEventFilter(this);
}

bool TTypewordOptions::CheckPrefixKeys() {
    if (checking_)
        return false;
    const auto bad = kv::CheckPrefixKeys(ToAnsi(prefixKeys_->text()));
    if (!bad)
        return true;
    checking_ = true;
    prompts_.ShowMessage(*bad, "Error");
    checking_ = false;
    prefixKeys_->setFocus();
    return false;
}

bool TTypewordOptions::eventFilter(QObject* watched, QEvent* event) {
    if (watched == prefixKeys_ && event->type() == QEvent::FocusOut) {
        // Leaving the edit for another control checks it. The window losing the focus (to
        // the message itself) does not, nor do Cancel and OK, which checks on its own.
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const QWidget* next = QApplication::focusWidget();
        const bool toControl = reason != Qt::ActiveWindowFocusReason &&
                               reason != Qt::PopupFocusReason && next != buttons_.cancel &&
                               next != buttons_.ok;
        if (toControl && prefixKeys_->isEnabled())
            CheckPrefixKeys();
    }
    return QDialog::eventFilter(watched, event);
}

void TTypewordOptions::OkButtonClick() {
    const TTypewordOptionsFields f{usePrefix_->isChecked(), caseSense_->isChecked(),
                                   solitary_->isChecked(), ToAnsi(prefixKeys_->text())};
    if (auto bad = TypewordOptionsOk(f, settings_)) {
        prompts_.ShowMessage(*bad, "Error");
        prefixKeys_->setFocus();
        return;
    }
    SaveAndAccept(*this, saveSettings_);
}

} // namespace kv::ui
