#include "ui/mainwin/QuickInfoForm.h"

#include "engine/mainwin/QuickInfo.h"
#include "ui/QtPrompts.h"
#include "ui/common/DialogButtons.h"
#include "ui/common/Icons.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kv::ui {
namespace {

constexpr int kIconSize = 32;

QPixmap IconPicture(const QuickInfo& info) {
    switch (info.icon) {
    case QuickInfoIcon::Menu:
        return MenuIcon().pixmap(kIconSize, kIconSize);
    case QuickInfoIcon::File: {
        const QPixmap file(QString::fromStdString(info.iconFile));
        // A file Qt cannot read shows the program icon, as a missing one does.
        if (!file.isNull())
            return file.scaled(kIconSize, kIconSize, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        break;
    }
    case QuickInfoIcon::Program:
        break;
    }
    return ProgramIcon().pixmap(kIconSize, kIconSize);
}

} // namespace

QuickInfoForm::QuickInfoForm(const QuickInfo& info, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Quick Info"));
    setModal(true);

    icon_ = new QLabel;
    icon_->setPixmap(IconPicture(info));
    icon_->setAccessibleName(QStringLiteral("Icon"));

    auto* fields = new QGridLayout;
    lab1_ = new QLabel(FromAnsi(info.lab1));
    const QString names[4] = {QString(), QStringLiteral("NickName:"), QStringLiteral("Scope:"),
                              QStringLiteral("Active:")};
    const std::string* values[4] = {&info.line1, &info.line2, &info.line3, &info.line4};
    for (int i = 0; i < 4; ++i) {
        QLabel* name = i == 0 ? lab1_ : new QLabel(names[i]);
        lines_[i] = new QLabel(FromAnsi(*values[i]));
        lines_[i]->setTextFormat(Qt::PlainText);
        lines_[i]->setTextInteractionFlags(Qt::TextSelectableByMouse);
        fields->addWidget(name, i, 0, Qt::AlignRight | Qt::AlignTop);
        fields->addWidget(lines_[i], i, 1);
    }
    fields->setColumnStretch(1, 1);

    auto* top = new QHBoxLayout;
    top->addWidget(icon_, 0, Qt::AlignTop);
    top->addLayout(fields, 1);

    macroTextLabel_ = new QLabel(FromAnsi(info.macroTextLabel));
    line6_ = new QPlainTextEdit(FromAnsi(info.line6));
    line6_->setReadOnly(true);
    line6_->setAccessibleName(QStringLiteral("Macro Text"));
    macroTextLabel_->setBuddy(line6_);
    line6_->setVisible(info.macroTextVisible);

    lastMod_ = new QLabel(FromAnsi(info.lastMod));
    lastMod_->setTextFormat(Qt::PlainText);

    ok_ = MakeOkButton();
    connect(ok_, &QPushButton::clicked, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(macroTextLabel_);
    layout->addWidget(line6_, 1);
    layout->addWidget(lastMod_);
    layout->addWidget(ok_, 0, Qt::AlignCenter);
    if (info.macroTextVisible)
        resize(420, 340);
    ok_->setFocus();
}

QLabel* QuickInfoForm::Line(int n) const {
    return n >= 1 && n <= 4 ? lines_[n - 1] : nullptr;
}

} // namespace kv::ui
