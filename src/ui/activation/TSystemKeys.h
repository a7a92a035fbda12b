#pragma once
// `TSystemKeys` ("System Hot Keys"): the hot keys of the four SYSTEM commands and what the
// menu of the front window's macros shows.

#include "engine/activation/SystemKeys.h"
#include "ui/activation/ActivationDialogs.h"
#include "ui/activation/HotKeyBox.h"
#include "ui/common/DialogButtons.h"

#include <QDialog>

#include <array>

class QRadioButton;

namespace kv::ui {

class TSystemKeys : public QDialog {
public:
    TSystemKeys(const ActivationDialogParts& parts, QWidget* parent = nullptr);
    ~TSystemKeys() override;

    // Puts the focus on command digit's box (1..4); 0 leaves the boxes alone.
    void FocusCommand(int digit);

    HotKeyBox* Box(SystemCommand c) const { return boxes_[static_cast<std::size_t>(c) - 1]; }
    QRadioButton* ShowText() const { return showText_; }
    QRadioButton* ShowIcon() const { return showIcon_; }
    QRadioButton* ShowNick() const { return showNick_; }
    QPushButton* OkButton() const { return buttons_.ok; }
    QPushButton* CancelButton() const { return buttons_.cancel; }

    void done(int result) override;

private:
    void OnHotKey(SystemCommand c, int code);
    void OkButtonClick();

    ActivationDialogParts parts_; // a copy: it holds only references and callbacks
    HotKeyWait wait_;
    SystemKeys keys_;
    std::array<HotKeyBox*, kSystemCommandCount> boxes_{};
    QRadioButton* showText_;
    QRadioButton* showIcon_;
    QRadioButton* showNick_;
    OkCancelButtons buttons_;
};

} // namespace kv::ui
