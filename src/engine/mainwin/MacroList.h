#pragma once
// The macro list behind the main window's grid: the row map (row r shows the macro at
// place map[r]), its sort, and the current row. Rows count from 1 as the grid's data rows
// do (row 0 is the title row); -1 means no row.

#include "engine/core/Settings.h"
#include "engine/core/SharedBlock.h"

#include <array>
#include <string>
#include <vector>

namespace kv {

inline constexpr int kNoRow = -1;

// A row's sort key: the primary, secondary and tertiary key in that order, each a byte
// string whose group prefix ("AAAA", "AAAz", "AAz" ...) puts the groups in the user's
// order. Keys compare part by part, byte by byte.
using SortKey = std::array<std::string, 3>;

// The key of the macro at place, from the per-place tables and the three sort settings.
SortKey MacroSortKey(const SharedBlock& block, const Settings& settings, int place);

class MacroList {
public:
    // Rebuilds the row map from the tables and sorts it. The current row is kept; it moves
    // to the last row when fewer rows remain, and to row 1 when there was none.
    void FillList(const SharedBlock& block, const Settings& settings);

    // The row that shows the macro at place, or kNoRow.
    int ReverseSort(int place) const;

    int RowCount() const { return static_cast<int>(map_.size()); }
    // The place shown in row, 0 outside 1..RowCount.
    int Place(int row) const;

    int CurrentRow() const { return row_; }
    // Any row outside 1..RowCount means no row.
    void SetCurrentRow(int row);
    // The place of the current row, 0 for none.
    int SelectedPlace() const { return Place(row_); }

private:
    std::vector<int> map_; // map_[r - 1] is the place of row r
    int row_ = kNoRow;
};

// A right-button press and release open Quick Info only on the same data row: that row,
// or kNoRow.
int QuickInfoRow(int pressRow, int releaseRow);

} // namespace kv
