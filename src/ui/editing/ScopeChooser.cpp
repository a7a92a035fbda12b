#include "ui/editing/ScopeChooser.h"

#include "engine/editing/WindowDialogs.h"
#include "ui/QtPrompts.h"
#include "ui/common/DialogButtons.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kv::ui {

TDoSpecWind::TDoSpecWind(bool programMode, const std::string& name, bool topMostOnly,
                         const std::vector<std::string>& running, Prompts& prompts, QWidget* parent)
    : QDialog(parent), programMode_(programMode), prompts_(prompts) {
    setWindowTitle(programMode ? QStringLiteral("Set Program") : QStringLiteral("Set Title"));
    setModal(true);
    title_ = new QLineEdit(FromAnsi(name));
    title_->setObjectName(QStringLiteral("TheTitle"));
    title_->setMaxLength(static_cast<int>(TDoSpecWindFields::kTitleLength));
    auto* titleLabel =
        new QLabel(programMode ? QStringLiteral("&Program Name (may be partial name)")
                               : QStringLiteral("&Window Title (may be partial title)"));
    titleLabel->setBuddy(title_);
    list_ = new QListWidget;
    list_->setObjectName(QStringLiteral("ProgList"));
    for (const std::string& r : running)
        list_->addItem(FromAnsi(r));
    auto* listLabel =
        new QLabel(programMode ? QStringLiteral("&List of Programs currently running")
                               : QStringLiteral("&List of Windows currently running"));
    listLabel->setBuddy(list_);
    // A double-click copies the entry's start into the name.
    connect(list_, &QListWidget::itemDoubleClicked, this, [this](QListWidgetItem* item) {
        title_->setText(item->text().left(static_cast<int>(TDoSpecWindFields::kTitleLength)));
    });
    onTop_ = new QRadioButton(programMode ? QStringLiteral("Run Macro If Program On &Top")
                                          : QStringLiteral("Run Macro If Window On &Top"));
    running_ = new QRadioButton(programMode ? QStringLiteral("Run Macro If Program &Running")
                                            : QStringLiteral("Run Macro If Window &Running"));
    onTop_->setObjectName(QStringLiteral("OnTop"));
    running_->setObjectName(QStringLiteral("Running"));
    (topMostOnly ? onTop_ : running_)->setChecked(true);

    const OkCancelButtons buttons = MakeOkCancel(this, &TDoSpecWind::OkButtonClick);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(titleLabel);
    layout->addWidget(title_);
    layout->addWidget(listLabel);
    layout->addWidget(list_);
    layout->addWidget(onTop_);
    layout->addWidget(running_);
    layout->addLayout(buttons.row);
}

void TDoSpecWind::OkButtonClick() {
    TDoSpecWindFields f;
    f.programMode = programMode_;
    f.theTitle = ToAnsi(title_->text());
    if (list_->currentItem() && list_->currentItem()->isSelected())
        f.highlighted = ToAnsi(list_->currentItem()->text());
    f.onTop = onTop_->isChecked();
    auto outcome = kv::OkButtonClick(f);
    if (auto* refusal = std::get_if<DialogRefusal>(&outcome)) {
        if (!refusal->question) {
            prompts_.ShowMessage(refusal->message.text, refusal->message.caption);
            title_->setFocus();
            return;
        }
        if (!prompts_.AskYesNo(refusal->message.text, refusal->message.caption)) {
            title_->setFocus();
            return;
        }
        f.useHighlighted = true;
        outcome = kv::OkButtonClick(f);
    }
    if (const auto* result = std::get_if<SpecWindResult>(&outcome)) {
        name_ = result->name;
        topMostOnly_ = result->topMostOnly;
        accept();
    }
}

bool RunSpecWindDialog(QWidget* parent, bool programMode, std::string& name,
                       std::uint8_t& topMostOnly, const std::vector<std::string>& running,
                       Prompts& prompts) {
    TDoSpecWind dialog(programMode, name, topMostOnly != 0, running, prompts, parent);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    name = dialog.Name();
    topMostOnly = dialog.TopMostOnly() ? 1 : 0;
    return true;
}

} // namespace kv::ui
