#pragma once
// The macro list as a table: one row per macro in the order of the engine's row map, the
// row number and the columns "Activation", "Nickname" and "Scope". A switched-off macro
// reads grey and italic, except for its row number.

#include "engine/core/Settings.h"
#include "engine/core/SharedBlock.h"
#include "engine/mainwin/MacroList.h"

#include <QAbstractTableModel>

namespace kv::ui {

class MacroListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { kNumber = 0, kActivation = 1, kNickname = 2, kScope = 3, kColumns = 4 };
    // A macro that is switched off (columns 1 to 3 only): true for the grey italic cells.
    static constexpr int kSwitchedOffRole = Qt::UserRole + 1;

    MacroListModel(const MacroList& list, const SharedBlock& block, const Settings& settings,
                   QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

    // The row map was rebuilt (a fill): rows may have come, gone or moved.
    void Refill();
    // Same rows, new contents (a macro switched on or off, new fonts).
    void Repaint();

    // The engine's rows count from 1; the model's from 0.
    static int EngineRow(int modelRow) { return modelRow + 1; }
    static int ModelRow(int engineRow) { return engineRow - 1; }

private:
    const MacroList& list_;
    const SharedBlock& block_;
    const Settings& settings_;
};

} // namespace kv::ui
