#include "ui/activation/TDoAMenu.h"

#include "engine/mainwin/PopupMenuPlaces.h"
#include "ui/QtPrompts.h"
#include "ui/common/Icons.h"

#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace kv::ui {
namespace {

constexpr int kPlaceRole = Qt::UserRole;
constexpr int kItemRole = Qt::UserRole + 1;

QString ListName(int column) {
    return column == 0 ? QStringLiteral("Script") : QStringLiteral("Script%1").arg(column + 1);
}

} // namespace

TDoAMenu::TDoAMenu(const PopupMenuParts& parts, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint), parts_(parts),
      places_(MenuPlaces(parts.menu.text)) {
    if (parts_.programIcon.isNull())
        parts_.programIcon = ProgramIcon();
    if (parts_.menuIcon.isNull())
        parts_.menuIcon = MenuIcon();
    setWindowTitle(QStringLiteral("Choose A Macro"));
    setFocusPolicy(Qt::StrongFocus);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* caption = new QLabel(QStringLiteral("Double Click or Press Number or Letter"));
    layout->addWidget(caption);

    const PopupMenuOptions options = PopupMenuOptions::Parse(parts_.menu.typeword);
    if (options.mode == '2')
        FillIcons(options.IconPixels());
    else
        FillText(options.mode);

    cancel_ = new QPushButton(QStringLiteral("&Cancel"));
    cancel_->setObjectName(QStringLiteral("AbortButton"));
    cancel_->setAutoDefault(false);
    connect(cancel_, &QPushButton::clicked, this, [this] {
        result_ = -1;
        reject();
    });
    auto* row = new QHBoxLayout;
    row->addStretch();
    row->addWidget(cancel_);
    row->addStretch();
    layout->addLayout(row);
}

void TDoAMenu::FillText(char mode) {
    const int count = ItemCount();
    const MenuGrid grid = TextMenuGrid(count);
    const QStringList headings =
        mode == '1' ? QStringList{QStringLiteral("Key"), QStringLiteral("Macro Text")}
                    : QStringList{QStringLiteral("Key"), QStringLiteral("Nickname"),
                                  QStringLiteral("Activation"), QStringLiteral("Scope")};
    auto* lists = new QHBoxLayout;
    for (int c = 0; c < grid.columns; ++c) {
        auto* list = new QTreeWidget;
        list->setObjectName(ListName(c));
        list->setRootIsDecorated(false);
        list->setColumnCount(static_cast<int>(headings.size()));
        list->setHeaderLabels(headings);
        list->setFocusPolicy(Qt::NoFocus); // typed keys go to the window
        connect(list, &QTreeWidget::itemDoubleClicked, this,
                [this](QTreeWidgetItem* row, int) { ScriptDblClick(row); });
        lists->addWidget(list);
        lists_.push_back(list);
    }
    for (int k = 0; k < count; ++k) {
        const MenuGrid cell = TextMenuCell(k);
        const QStringList line =
            FromAnsi(MenuItemText(k, parts_.record(places_[static_cast<std::size_t>(k)]), mode))
                .split(QLatin1Char('\t'));
        auto* row = new QTreeWidgetItem(line);
        row->setData(0, kPlaceRole, places_[static_cast<std::size_t>(k)]);
        row->setData(0, kItemRole, k);
        lists_[static_cast<std::size_t>(cell.columns)]->addTopLevelItem(row);
    }
    for (QTreeWidget* list : lists_) {
        for (int c = 0; c < list->columnCount(); ++c)
            list->resizeColumnToContents(c);
        // As tall as the rows of the fullest column, at least one row.
        const int rowHeight = list->sizeHintForRow(0) > 0 ? list->sizeHintForRow(0) : 18;
        const int rows = grid.rows > 0 ? grid.rows : 1;
        list->setFixedHeight(list->header()->sizeHint().height() + rowHeight * rows +
                             2 * list->frameWidth() + 4);
        int width = 2 * list->frameWidth() + 4;
        for (int c = 0; c < list->columnCount(); ++c)
            width += list->columnWidth(c);
        list->setFixedWidth(width);
    }
    static_cast<QVBoxLayout*>(layout())->addLayout(lists);
}

void TDoAMenu::FillIcons(int pixels) {
    const int count = ItemCount();
    const int cell = pixels + 4;
    auto* holder = new QWidget;
    holder->setObjectName(QStringLiteral("Icons"));
    auto* grid = new QGridLayout(holder);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    for (int k = 0; k < count; ++k) {
        const MacroRecord rec = parts_.record(places_[static_cast<std::size_t>(k)]);
        auto* button = new QToolButton;
        button->setFocusPolicy(Qt::NoFocus);
        button->setIcon(ItemIcon(rec));
        button->setIconSize(QSize(pixels, pixels));
        button->setFixedSize(cell, cell);
        button->setAutoRaise(true);
        button->setToolTip(FromAnsi(rec.nickname));
        connect(button, &QToolButton::clicked, this, [this, k] { DoIt(k); });
        grid->addWidget(button, k / kMenuIconsPerRow, k % kMenuIconsPerRow);
        iconButtons_.push_back(button);
    }
    const MenuSize size = IconMenuSize(count, pixels);
    // The caption line is part of the window's height, so the icons take the rest.
    holder->setFixedSize(size.width, size.height - 22);
    static_cast<QVBoxLayout*>(layout())->addWidget(holder);
}

QIcon TDoAMenu::ItemIcon(const MacroRecord& rec) const {
    if (rec.icon.empty() || rec.icon == "MAIN")
        return parts_.programIcon;
    if (rec.icon == "MENU")
        return parts_.menuIcon;
    const QString file = QDir(FromAnsi(parts_.iconFolder)).filePath(FromAnsi(rec.icon));
    if (!QFileInfo::exists(file))
        return parts_.menuIcon;
    QIcon icon(file);
    return icon.isNull() || icon.availableSizes().isEmpty() ? parts_.menuIcon : icon;
}

void TDoAMenu::ScriptDblClick(QTreeWidgetItem* row) {
    if (row != nullptr)
        DoIt(row->data(0, kItemRole).toInt());
}

void TDoAMenu::DoIt(int item) {
    if (item < 0 || item >= ItemCount())
        return;
    result_ = places_[static_cast<std::size_t>(item)];
    accept();
}

void TDoAMenu::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The menu opens from a hot key while another program has the focus; the user types
    // the key character straight away.
    raise();
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
}

void TDoAMenu::keyPressEvent(QKeyEvent* event) {
    const QString text = event->text();
    // Escape and keys without a character keep their dialog meaning.
    if (event->key() == Qt::Key_Escape || text.isEmpty() || text.at(0).unicode() > 0x7F) {
        QDialog::keyPressEvent(event);
        return;
    }
    const int item = MenuItemForKey(static_cast<char>(text.at(0).unicode()), ItemCount());
    if (item >= 0)
        DoIt(item);
    event->accept();
}

int RunPopupMenu(QWidget* parent, const PopupMenuParts& parts) {
    TDoAMenu menu(parts, parent);
    menu.exec();
    return menu.Chosen();
}

} // namespace kv::ui
