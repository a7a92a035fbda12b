#pragma once
// The grid of the main window: a row-selecting table over MacroListModel. Column 0 holds
// the row number and is as wide as "9999" in the Grid Font; columns 1 to 3 take Col 1/2/3
// Width, and a border the user drags stores its column's new width in the settings. Text
// that does not fit is cut, without an ellipsis.

#include "engine/core/Settings.h"

#include <QFontMetrics>
#include <QTableView>

namespace kv::ui {

class MacroListModel;

// A cell's text cut, a character at a time from its end, until it fits `width` pixels.
QString FitCellText(QString text, const QFontMetrics& metrics, int width);

class MacroListView : public QTableView {
    Q_OBJECT
public:
    MacroListView(MacroListModel& model, Settings& settings, QWidget* parent = nullptr);

    // `AdjustGridSpacing` and the column widths, from the settings' fonts and widths.
    void AdjustGridSpacing();

    // The current row as the engine counts it (1..), or -1 for none.
    int CurrentEngineRow() const;
    // Selects the engine's row (-1: none) without telling anyone.
    void SetCurrentEngineRow(int row);

signals:
    // The user moved the selection to another row (engine row, -1 for none).
    void RowSelected(int row);
    // Double click or Enter on a row.
    void RowOpened(int row);
    // A right-button press and release on the same row, or the Space key: Quick Info.
    void QuickInfoRequested(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;

private:
    int RowAt(const QPoint& pos) const;

    Settings& settings_;
    bool applying_ = false; // widths set by the program are not the user's
    bool quiet_ = false;    // selection set by the program is not the user's
    int rightPressRow_ = -1;
};

} // namespace kv::ui
