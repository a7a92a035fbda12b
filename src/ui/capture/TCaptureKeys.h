#pragma once
// `TCaptureKeys` ("Capture Macro"): the options of the capture of one macro, starting from
// the defaults; the keys that will end it; the macro's nickname. "Start Cap&ture" closes it
// with the choice, and the caller starts the capture.

#include "engine/capture/CaptureDialogs.h"
#include "ui/capture/CaptureDialogs.h"
#include "ui/capture/CaptureOptionsBox.h"
#include "ui/common/DialogButtons.h"

#include <QDialog>

class QLabel;
class QLineEdit;

namespace kv::ui {

class TCaptureKeys : public QDialog {
public:
    explicit TCaptureKeys(const CaptureDialogParts& parts, QWidget* parent = nullptr);

    // Gives the record its nickname and the scope it is captured with, then closes.
    void StartButtonClick();
    // What was chosen; meaningful after StartButtonClick.
    const CaptureKeysChoice& Choice() const { return choice_; }

    CaptureOptionsBox* Options() const { return options_; }
    QLabel* ActivationLabel() const { return activation_; }
    QLabel* StopKeyLabel() const { return stopKey_; }
    QLabel* SecondStopKeyLabel() const { return secondStopKey_; }
    QLineEdit* Nickname() const { return nickname_; }
    QPushButton* StartButton() const { return buttons_.ok; }
    QPushButton* CancelButton() const { return buttons_.cancel; }

private:
    MacroRecord& rec_;
    CaptureKeysChoice choice_;
    CaptureOptionsBox* options_;
    QLabel* activation_;
    QLabel* stopKey_;
    QLabel* secondStopKey_;
    QLineEdit* nickname_;
    OkCancelButtons buttons_;
};

} // namespace kv::ui
