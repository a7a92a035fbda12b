#pragma once
// `TCaptureDefaults` ("Capture Defaults"): the options every quick capture uses and every
// "Capture Macro" starts from.

#include "ui/capture/CaptureDialogs.h"
#include "ui/capture/CaptureOptionsBox.h"
#include "ui/common/DialogButtons.h"

#include <QDialog>

namespace kv::ui {

class TCaptureDefaults : public QDialog {
public:
    explicit TCaptureDefaults(const CaptureDialogParts& parts, QWidget* parent = nullptr);

    CaptureOptionsBox* Options() const { return options_; }
    QPushButton* OkButton() const { return buttons_.ok; }
    QPushButton* CancelButton() const { return buttons_.cancel; }

    // Stores the options in the settings and closes.
    void OkButtonClick();

private:
    Settings& settings_;
    CaptureOptionsBox* options_;
    OkCancelButtons buttons_;
};

} // namespace kv::ui
