#include "ui/mainwin/SortOrderForm.h"

#include "ui/QtPrompts.h"
#include "ui/common/DialogButtons.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QToolButton>
#include <QVBoxLayout>

namespace kv::ui {

SortOrderForm::SortOrderForm(Settings& settings, std::function<void()> saveSettings,
                             QWidget* parent)
    : QDialog(parent), settings_(settings), saveSettings_(std::move(saveSettings)),
      dialog_(settings) {
    setWindowTitle(QStringLiteral("Sort Order"));
    setModal(true);

    auto* lists = new QHBoxLayout;
    lists->addWidget(MakeColumn(List::Primary, QStringLiteral("&Primary")));
    lists->addWidget(MakeColumn(List::Activation, QStringLiteral("&Activation")));
    lists->addWidget(MakeColumn(List::Scope, QStringLiteral("&Scope")));

    buttons_ = MakeOkCancel(this, &SortOrderForm::OkButtonClick);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(lists);
    layout->addLayout(buttons_.row);

    for (List list : {List::Primary, List::Activation, List::Scope})
        Refill(list);
}

QWidget* SortOrderForm::MakeColumn(List list, const QString& title) {
    Column& c = columns_[static_cast<std::size_t>(list)];
    auto* column = new QWidget;
    auto* label = new QLabel(title);
    c.box = new QListWidget;
    c.box->setSelectionMode(QAbstractItemView::SingleSelection);
    label->setBuddy(c.box);
    c.up = new QToolButton;
    c.up->setArrowType(Qt::UpArrow);
    c.up->setAccessibleName(QStringLiteral("Move Up"));
    c.up->setFocusPolicy(Qt::StrongFocus);
    c.down = new QToolButton;
    c.down->setArrowType(Qt::DownArrow);
    c.down->setAccessibleName(QStringLiteral("Move Down"));
    c.down->setFocusPolicy(Qt::StrongFocus);
    // Hidden arrows keep their place, so the lists do not jump when one disappears.
    for (QToolButton* arrow : {c.up, c.down}) {
        QSizePolicy keep = arrow->sizePolicy();
        keep.setRetainSizeWhenHidden(true);
        arrow->setSizePolicy(keep);
    }

    connect(c.box, &QListWidget::currentRowChanged, this, [this, list](int row) {
        // The list's current item is its selection, also when the keyboard made it current.
        if (QListWidgetItem* item = At(list).box->item(row))
            item->setSelected(true);
        dialog_.Select(list, row);
        EnableDisable(list);
    });
    connect(c.up, &QToolButton::clicked, this, [this, list] { Move(list, true); });
    connect(c.down, &QToolButton::clicked, this, [this, list] { Move(list, false); });

    auto* arrows = new QVBoxLayout;
    arrows->addStretch();
    arrows->addWidget(c.up);
    arrows->addWidget(c.down);
    arrows->addStretch();
    auto* row = new QHBoxLayout;
    row->addWidget(c.box);
    row->addLayout(arrows);
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label);
    layout->addLayout(row);
    return column;
}

void SortOrderForm::Refill(List list) {
    const Column& c = At(list);
    {
        const QSignalBlocker quiet(c.box);
        c.box->clear();
        for (const std::string& item : dialog_.Items(list))
            c.box->addItem(FromAnsi(item));
        c.box->setCurrentRow(dialog_.Selected(list));
    }
    EnableDisable(list);
}

void SortOrderForm::Move(List list, bool up) {
    if (up)
        dialog_.MoveUp(list);
    else
        dialog_.MoveDown(list);
    Refill(list);
    // An arrow that just disappeared cannot keep the focus; the list takes it back.
    const Column& c = At(list);
    if (!(up ? c.up : c.down)->isVisibleTo(this))
        c.box->setFocus();
}

void SortOrderForm::EnableDisable(List list) {
    const Column& c = At(list);
    const SortOrderDialog::Arrows arrows = dialog_.EnableDisable(list);
    c.up->setVisible(arrows.up);
    c.down->setVisible(arrows.down);
}

void SortOrderForm::OkButtonClick() {
    dialog_.OkButtonClick(settings_);
    SaveAndAccept(*this, saveSettings_);
}

} // namespace kv::ui
