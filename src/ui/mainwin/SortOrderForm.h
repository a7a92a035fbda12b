#pragma once
// `TSortOrder` ("Sort Order"): the three order lists of the macro list, each with an up and
// a down arrow. The engine's SortOrderDialog holds the lists and says which arrows show.

#include "engine/core/Settings.h"
#include "engine/mainwin/SortOrder.h"
#include "ui/common/DialogButtons.h"

#include <QDialog>

#include <array>
#include <functional>

class QListWidget;
class QToolButton;

namespace kv::ui {

class SortOrderForm : public QDialog {
    Q_OBJECT
public:
    using List = SortOrderDialog::List;

    SortOrderForm(Settings& settings, std::function<void()> saveSettings,
                  QWidget* parent = nullptr);

    QListWidget* ListBox(List list) const { return At(list).box; }
    QToolButton* UpArrow(List list) const { return At(list).up; }
    QToolButton* DownArrow(List list) const { return At(list).down; }
    QPushButton* OkButton() const { return buttons_.ok; }
    QPushButton* CancelButton() const { return buttons_.cancel; }

private:
    struct Column {
        QListWidget* box = nullptr;
        QToolButton* up = nullptr;
        QToolButton* down = nullptr;
    };
    const Column& At(List list) const { return columns_[static_cast<std::size_t>(list)]; }

    QWidget* MakeColumn(List list, const QString& title);
    void Refill(List list);
    void Move(List list, bool up);
    void EnableDisable(List list);
    void OkButtonClick();

    Settings& settings_;
    std::function<void()> saveSettings_;
    SortOrderDialog dialog_;
    std::array<Column, 3> columns_;
    OkCancelButtons buttons_;
};

} // namespace kv::ui
