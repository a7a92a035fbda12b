#include "ui/mainwin/CopyOrMoveForm.h"

#include "engine/activation/HotKeys.h"
#include "engine/core/Limits.h"
#include "engine/mainwin/CopyOrMove.h"
#include "ui/QtPrompts.h"
#include "ui/activation/HotKeyBox.h"
#include "ui/common/DialogButtons.h"

#include <QBrush>
#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kv::ui {

CopyOrMoveForm::CopyOrMoveForm(const CopyOrMoveDialog& dialog, MacroRecord& rec, Prompts& prompts,
                               const DateTime& today, RunSchedule runSchedule, QWidget* parent)
    : QDialog(parent), dialog_(dialog), rec_(rec), prompts_(prompts), today_(today),
      runSchedule_(std::move(runSchedule)) {
    setWindowTitle(FromAnsi(dialog.Caption()));
    setModal(true);

    label_ = new QLabel(FromAnsi(dialog.Label()));
    QFont strong = label_->font();
    strong.setBold(true);
    label_->setFont(strong);

    hotKeyChoice_ = new QRadioButton(QStringLiteral("&Hot Key"));
    keyList_ = new QListWidget;
    keyList_->setSelectionMode(QAbstractItemView::SingleSelection);
    keyList_->setUniformItemSizes(true);
    keyList_->setAccessibleName(QStringLiteral("Hot Key"));
    // Keys that a GLOBAL, Popup Menu or SYSTEM macro holds stand out from the rest.
    QFont markedFont = keyList_->font();
    markedFont.setBold(true);
    const QBrush markedColour(Qt::darkRed);
    int code = 0;
    for (const std::string& entry : dialog.KeyList()) {
        auto* item = new QListWidgetItem(FromAnsi(entry), keyList_);
        if (dialog.Marked(code)) {
            item->setFont(markedFont);
            item->setForeground(markedColour);
        }
        ++code;
    }

    // Pressing a combination in this box picks its entry in the list.
    pressBox_ = new HotKeyBox;
    pressBox_->setPlaceholderText(QStringLiteral("(Press the Hot Key)"));
    pressBox_->setAccessibleName(QStringLiteral("Press the Hot Key"));
    connect(pressBox_, &HotKeyBox::entered, this, [this] { wait_.Set(true); });
    connect(pressBox_, &HotKeyBox::left, this, [this] { wait_.Set(false); });
    connect(pressBox_, &HotKeyBox::hotKeyPressed, this, [this](int pressed) {
        // Mouse-button combinations have no entry in the list.
        if (QListWidgetItem* item = keyList_->item(pressed)) {
            keyList_->setCurrentItem(item);
            keyList_->scrollToItem(item);
            pressBox_->setText(FromAnsi(HotKeyName(pressed)));
        }
    });

    typewordChoice_ = new QRadioButton(QStringLiteral("&Typeword"));
    typewordName_ = new QLineEdit;
    typewordName_->setMaxLength(static_cast<int>(kTypewordMax));
    typewordName_->setAccessibleName(QStringLiteral("Typeword"));
    // A Popup Menu macro keeps its menu options where a Typeword would go.
    typewordChoice_->setEnabled(dialog.TypewordOffered());
    typewordName_->setEnabled(dialog.TypewordOffered());

    timedChoice_ = new QRadioButton(QStringLiteral("&Timed Macro"));
    hotKeyChoice_->setChecked(true);

    // Using a control chooses it.
    connect(keyList_, &QListWidget::itemSelectionChanged, this, [this] {
        if (!keyList_->selectedItems().isEmpty())
            hotKeyChoice_->setChecked(true);
    });
    connect(typewordName_, &QLineEdit::textEdited, this,
            [this] { typewordChoice_->setChecked(true); });

    buttons_ = MakeOkCancel(this, &CopyOrMoveForm::OkButtonClick);

    auto* typeword = new QHBoxLayout;
    typeword->addWidget(typewordChoice_);
    typeword->addWidget(typewordName_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_, 0, Qt::AlignCenter);
    layout->addWidget(hotKeyChoice_);
    layout->addWidget(keyList_);
    layout->addWidget(pressBox_);
    layout->addLayout(typeword);
    layout->addWidget(timedChoice_);
    layout->addLayout(buttons_.row);
    resize(320, 420);
    keyList_->setFocus();
}

CopyOrMoveChoice CopyOrMoveForm::Choice() const {
    CopyOrMoveChoice choice;
    if (typewordChoice_->isChecked()) {
        choice.kind = CopyOrMoveChoice::Kind::Typeword;
        choice.typeword = ToAnsi(typewordName_->text());
    } else if (timedChoice_->isChecked()) {
        choice.kind = CopyOrMoveChoice::Kind::Timed;
    } else {
        choice.kind = CopyOrMoveChoice::Kind::HotKey;
        const QList<QListWidgetItem*> selected = keyList_->selectedItems();
        choice.hotKey = selected.isEmpty() ? -1 : keyList_->row(selected.front());
    }
    return choice;
}

void CopyOrMoveForm::OkButtonClick() {
    // The engine changes the record only when it accepts the choice.
    switch (dialog_.OkButtonClick(Choice(), rec_, prompts_, today_)) {
    case CopyOrMoveOutcome::StayOnHotKey:
        keyList_->setFocus();
        return;
    case CopyOrMoveOutcome::StayOnTypeword:
        typewordName_->setFocus();
        return;
    case CopyOrMoveOutcome::AcceptedSchedule:
        // The macro is timed now whatever the schedule dialog answers.
        if (runSchedule_)
            runSchedule_(rec_.schedule);
        break;
    case CopyOrMoveOutcome::Accepted:
        break;
    }
    accept();
}

CopyOrMoveForm::~CopyOrMoveForm() {
    // The press box goes after this part of the form and loses its focus on the way: it
    // must not call into it any more. A form destroyed while the box waited lets go.
    pressBox_->disconnect(this);
    wait_.Set(false);
}

void CopyOrMoveForm::done(int result) {
    wait_.Set(false);
    QDialog::done(result);
}

} // namespace kv::ui
