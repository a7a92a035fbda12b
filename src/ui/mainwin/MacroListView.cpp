#include "ui/mainwin/MacroListView.h"

#include "ui/common/Fonts.h"
#include "ui/mainwin/MacroListModel.h"

#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyledItemDelegate>

#include <cmath>

namespace kv::ui {
namespace {

// A switched-off macro stays greyed on a selected row too: its text is mixed halfway into
// the highlight, still readable.
class MacroListDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
        QStyledItemDelegate::initStyleOption(option, index);
        // Whole characters only: what does not fit is dropped, never cut through a letter.
        const QWidget* w = option->widget;
        const QStyle* style = w ? w->style() : QApplication::style();
        const int margin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w) + 1;
        option->text =
            FitCellText(option->text, option->fontMetrics, option->rect.width() - 2 * margin);
        if (!index.data(MacroListModel::kSwitchedOffRole).toBool())
            return;
        const QColor text = option->palette.color(QPalette::HighlightedText);
        const QColor back = option->palette.color(QPalette::Highlight);
        option->palette.setColor(QPalette::HighlightedText,
                                 QColor((text.red() * 3 + back.red() * 2) / 5,
                                        (text.green() * 3 + back.green() * 2) / 5,
                                        (text.blue() * 3 + back.blue() * 2) / 5));
    }
};

} // namespace

QString FitCellText(QString text, const QFontMetrics& metrics, int width) {
    while (!text.isEmpty() && metrics.horizontalAdvance(text) > width)
        text.chop(1);
    return text;
}

MacroListView::MacroListView(MacroListModel& model, Settings& settings, QWidget* parent)
    : QTableView(parent), settings_(settings) {
    setObjectName(QStringLiteral("MacroList"));
    setModel(&model);
    setItemDelegate(new MacroListDelegate(this));
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setTextElideMode(Qt::ElideNone);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide(); // column 0 numbers the rows
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setSectionsMovable(false);
    horizontalHeader()->setStretchLastSection(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    horizontalHeader()->setSectionResizeMode(MacroListModel::kNumber, QHeaderView::Fixed);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this,
            [this](int column, int, int size) {
                if (applying_ || size <= 0)
                    return;
                if (column == MacroListModel::kActivation)
                    settings_.col1Width = size;
                else if (column == MacroListModel::kNickname)
                    settings_.col2Width = size;
                else if (column == MacroListModel::kScope)
                    settings_.col3Width = size;
            });
    AdjustGridSpacing();
}

void MacroListView::AdjustGridSpacing() {
    applying_ = true;
    const QFontMetrics cell(ToQFont(settings_.gridFont));
    const QFontMetrics title(ToQFont(settings_.gridTitleFont));
    const int rowHeight =
        static_cast<int>(std::lround(cell.boundingRect(QStringLiteral("ZZYyjkla")).height() * 1.1));
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(std::max(rowHeight, 1));
    horizontalHeader()->setFont(ToQFont(settings_.gridTitleFont));
    horizontalHeader()->setFixedHeight(
        std::max(title.boundingRect(QStringLiteral("ZZYyjkla")).height() + 6, 1));
    // A few pixels more than the digits: the cell's own margins.
    setColumnWidth(MacroListModel::kNumber, cell.horizontalAdvance(QStringLiteral("9999")) + 8);
    setColumnWidth(MacroListModel::kActivation, settings_.col1Width);
    setColumnWidth(MacroListModel::kNickname, settings_.col2Width);
    setColumnWidth(MacroListModel::kScope, settings_.col3Width);
    applying_ = false;
    viewport()->update();
}

int MacroListView::CurrentEngineRow() const {
    const QModelIndex i = currentIndex();
    return i.isValid() ? MacroListModel::EngineRow(i.row()) : -1;
}

void MacroListView::SetCurrentEngineRow(int row) {
    quiet_ = true;
    const int r = MacroListModel::ModelRow(row);
    if (row < 1 || r >= model()->rowCount()) {
        clearSelection();
        setCurrentIndex(QModelIndex());
    } else {
        // Column 0 keeps the list scrolled to its left edge.
        const QModelIndex i = model()->index(r, MacroListModel::kNumber);
        setCurrentIndex(i);
        selectRow(r);
        scrollTo(i);
    }
    quiet_ = false;
}

int MacroListView::RowAt(const QPoint& pos) const {
    const int r = rowAt(pos.y());
    return r < 0 ? -1 : MacroListModel::EngineRow(r);
}

void MacroListView::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        rightPressRow_ = RowAt(event->position().toPoint());
        event->accept();
        return;
    }
    QTableView::mousePressEvent(event);
}

void MacroListView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        const int press = rightPressRow_;
        rightPressRow_ = -1;
        const int release = RowAt(event->position().toPoint());
        if (press >= 1 && press == release)
            emit QuickInfoRequested(press);
        event->accept();
        return;
    }
    QTableView::mouseReleaseEvent(event);
}

void MacroListView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const int row = RowAt(event->position().toPoint());
        if (row >= 1)
            emit RowOpened(row);
        event->accept();
        return;
    }
    QTableView::mouseDoubleClickEvent(event);
}

void MacroListView::keyPressEvent(QKeyEvent* event) {
    const int row = CurrentEngineRow();
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (row >= 1)
            emit RowOpened(row);
        event->accept();
        return;
    case Qt::Key_Space:
    case Qt::Key_Menu:
        if (row >= 1)
            emit QuickInfoRequested(row);
        event->accept();
        return;
    default:
        QTableView::keyPressEvent(event);
    }
}

void MacroListView::currentChanged(const QModelIndex& current, const QModelIndex& previous) {
    QTableView::currentChanged(current, previous);
    if (!quiet_ && current.row() != previous.row())
        emit RowSelected(current.isValid() ? MacroListModel::EngineRow(current.row()) : -1);
}

} // namespace kv::ui
