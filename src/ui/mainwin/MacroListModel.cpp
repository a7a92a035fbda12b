#include "ui/mainwin/MacroListModel.h"

#include "engine/mainwin/MacroListText.h"
#include "ui/QtPrompts.h"
#include "ui/common/Fonts.h"

#include <QBrush>
#include <QFont>
#include <QPalette>

namespace kv::ui {

MacroListModel::MacroListModel(const MacroList& list, const SharedBlock& block,
                               const Settings& settings, QObject* parent)
    : QAbstractTableModel(parent), list_(list), block_(block), settings_(settings) {}

int MacroListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : list_.RowCount();
}

int MacroListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumns;
}

QVariant MacroListModel::data(const QModelIndex& index, int role) const {
    const int place = list_.Place(EngineRow(index.row()));
    if (!index.isValid() || place < 1)
        return {};
    const bool off = index.column() != kNumber && !block_.Active(place);
    switch (role) {
    case Qt::DisplayRole: {
        const auto p = static_cast<std::size_t>(place);
        switch (index.column()) {
        case kNumber:
            return EngineRow(index.row());
        case kActivation:
            return FromAnsi(ActivationText(block_.Activation(place), settings_.names.typeword[p]));
        case kNickname:
            return FromAnsi(settings_.names.nickname[p]);
        case kScope:
            return FromAnsi(ScopeText(block_.Scope(place), block_.ScopeName(place)));
        default:
            return {};
        }
    }
    case Qt::FontRole: {
        QFont f = ToQFont(settings_.gridFont);
        if (off)
            f.setItalic(true);
        return f;
    }
    case Qt::ForegroundRole:
        if (off)
            return QBrush(QPalette().color(QPalette::Disabled, QPalette::Text));
        return QBrush(FontColor(settings_.gridFont));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignTop);
    case kSwitchedOffRole:
        return off;
    default:
        return {};
    }
}

QVariant MacroListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal)
        return {};
    switch (role) {
    case Qt::DisplayRole:
        switch (section) {
        case kActivation:
            return QStringLiteral("Activation");
        case kNickname:
            return QStringLiteral("Nickname");
        case kScope:
            return QStringLiteral("Scope");
        default:
            return QString();
        }
    case Qt::FontRole:
        return ToQFont(settings_.gridTitleFont);
    case Qt::ForegroundRole:
        return QBrush(FontColor(settings_.gridTitleFont));
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(Qt::AlignLeft | Qt::AlignVCenter);
    default:
        return {};
    }
}

void MacroListModel::Refill() {
    beginResetModel();
    endResetModel();
}

void MacroListModel::Repaint() {
    if (rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, kColumns - 1));
    emit headerDataChanged(Qt::Horizontal, 0, kColumns - 1);
}

} // namespace kv::ui
