#include "ui/capture/TCapComplete.h"

#include "engine/core/Limits.h"
#include "engine/editing/AddMacro.h"
#include "ui/QtPrompts.h"
#include "ui/common/DialogButtons.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kv::ui {

TCapComplete::TCapComplete(const CaptureDialogParts& parts, QWidget* parent)
    : QDialog(parent), parts_(parts), wait_(parts.secondaryWindow) {
    setWindowTitle(QStringLiteral("Capture Complete"));
    setModal(true);

    auto* title = new QLabel(QStringLiteral("Macro Capture Complete"));
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    auto* prompt = new QLabel(QStringLiteral("Please assign this macro to a hot key or typeword."));

    auto* modes = new QGroupBox(QStringLiteral("Macro Type"));
    auto* modeRow = new QHBoxLayout(modes);
    useHotKey_ = new QRadioButton(QStringLiteral("&Hot Keys"));
    useTypewords_ = new QRadioButton(QStringLiteral("&Typewords"));
    useHotKey_->setObjectName(QStringLiteral("UseHotKey"));
    useTypewords_->setObjectName(QStringLiteral("UseTypewords"));
    for (QRadioButton* r : {useHotKey_, useTypewords_}) {
        modeRow->addWidget(r);
        connect(r, &QRadioButton::toggled, this, [this](bool on) {
            if (on)
                ModeChanged();
        });
    }

    hotKeyPanel_ = new QWidget;
    auto* hotKeyLayout = new QVBoxLayout(hotKeyPanel_);
    hotKeyLayout->setContentsMargins(0, 0, 0, 0);
    hotKeyEntry_ = new HotKeyBox;
    hotKeyEntry_->setObjectName(QStringLiteral("HotKeyEntry"));
    hotKeyEntry_->setPlaceholderText(QStringLiteral("(Press the Hot Key)"));
    connect(hotKeyEntry_, &HotKeyBox::entered, this, [this] { wait_.Set(true); });
    connect(hotKeyEntry_, &HotKeyBox::left, this, [this] { wait_.Set(false); });
    connect(hotKeyEntry_, &HotKeyBox::hotKeyPressed, this, &TCapComplete::SelectHotKey);
    keyList_ = new QListWidget;
    keyList_->setObjectName(QStringLiteral("KeyList"));
    for (const std::string& entry : HotKeyListEntries(parts_.block))
        keyList_->addItem(FromAnsi(entry));
    keyList_->setMinimumSize(300, 240);
    connect(keyList_, &QListWidget::currentRowChanged, this, [this](int row) {
        if (row >= 0 && row != hotKey_)
            SelectHotKey(row);
    });
    auto* entryLabel = new QLabel(QStringLiteral("Press the hot &key"));
    entryLabel->setBuddy(hotKeyEntry_);
    auto* listLabel = new QLabel(QStringLiteral("or choose it from the &list"));
    listLabel->setBuddy(keyList_);
    hotKeyLayout->addWidget(entryLabel);
    hotKeyLayout->addWidget(hotKeyEntry_);
    hotKeyLayout->addWidget(listLabel);
    hotKeyLayout->addWidget(keyList_);

    typewordPanel_ = new QWidget;
    auto* typewordLayout = new QFormLayout(typewordPanel_);
    typewordLayout->setContentsMargins(0, 0, 0, 0);
    typewordName_ = new QLineEdit;
    typewordName_->setObjectName(QStringLiteral("TypewordName"));
    typewordName_->setMaxLength(static_cast<int>(kTypewordMax));
    auto* typewordLabel = new QLabel(QStringLiteral("Typeword Na&me"));
    typewordLabel->setBuddy(typewordName_);
    typewordLayout->addRow(typewordLabel, typewordName_);

    nickname_ = new QLineEdit;
    nickname_->setObjectName(QStringLiteral("Nickname"));
    nickname_->setMaxLength(static_cast<int>(kNicknameMax));
    auto* nicknameLabel = new QLabel(QStringLiteral("&Nickname"));
    nicknameLabel->setBuddy(nickname_);
    auto* nicknameRow = new QFormLayout;
    nicknameRow->addRow(nicknameLabel, nickname_);

    auto* scopes = new QGroupBox(QStringLiteral("Scope of the Macro"));
    auto* scopeRow = new QHBoxLayout(scopes);
    global_ = new QRadioButton(QStringLiteral("&Global"));
    program_ = new QRadioButton(QStringLiteral("&Program"));
    global_->setObjectName(QStringLiteral("Global"));
    program_->setObjectName(QStringLiteral("Program"));
    scopeRow->addWidget(global_);
    scopeRow->addWidget(program_);
    (parts_.settings.captureGlobal ? global_ : program_)->setChecked(true);

    ok_ = MakeOkButton();
    ok_->setObjectName(QStringLiteral("OkButton"));
    connect(ok_, &QPushButton::clicked, this, &TCapComplete::OkButtonClick);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok_);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    // The dialog takes the height of the mode's controls.
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(title);
    layout->addWidget(prompt);
    layout->addWidget(modes);
    layout->addWidget(hotKeyPanel_);
    layout->addWidget(typewordPanel_);
    layout->addLayout(nicknameRow);
    layout->addWidget(scopes);
    layout->addLayout(buttons);
    useHotKey_->setChecked(true);
    ModeChanged();
}

TCapComplete::~TCapComplete() {
    // The box goes after this part of the dialog and loses its focus on the way.
    hotKeyEntry_->disconnect(this);
    wait_.Set(false);
}

void TCapComplete::done(int result) {
    wait_.Set(false);
    QDialog::done(result);
}

void TCapComplete::ModeChanged() {
    const bool hotKeys = useHotKey_->isChecked();
    keyList_->setEnabled(hotKeys);
    hotKeyEntry_->setEnabled(hotKeys);
    hotKeyPanel_->setVisible(hotKeys);
    typewordPanel_->setVisible(!hotKeys);
}

void TCapComplete::SelectHotKey(int code) {
    if (code < 0 || code >= kKeyHotKeyCodes)
        return;
    hotKey_ = code;
    keyList_->setCurrentRow(code);
    keyList_->scrollToItem(keyList_->item(code));
    hotKeyEntry_->setText(FromAnsi(HotKeyName(code)));
}

CapCompleteChoice TCapComplete::Choice() const {
    return {useTypewords_->isChecked(), hotKey_, ToAnsi(typewordName_->text()),
            program_->isChecked(), ToAnsi(nickname_->text())};
}

void TCapComplete::OkButtonClick() {
    const CapCompleteChoice choice = Choice();
    const CapCompleteCheck check = CheckCapComplete(choice, parts_.block);
    if (check.refusal) {
        parts_.prompts.ShowMessage(check.refusal->text, check.refusal->caption);
        if (check.focusTypewordName)
            typewordName_->setFocus();
        return;
    }
    if (check.question && !parts_.prompts.AskYesNo(check.question->text, check.question->caption))
        return;
    StoreCapComplete(choice, parts_.program, parts_.rec);
    accept();
}

} // namespace kv::ui
