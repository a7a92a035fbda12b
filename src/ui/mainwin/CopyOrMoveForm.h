#pragma once
// `TCopyOrMove` ("Copy Hot Key" / "Move Hot Key"): the new activation of a copied or moved
// macro. The engine's CopyOrMoveDialog gives the texts and judges the choice; this form
// shows them and puts the focus where a refusal points.

#include "ui/activation/HotKeyBox.h"
#include "ui/common/DialogButtons.h"

#include <QDialog>

#include <functional>

class QLabel;
class QLineEdit;
class QListWidget;
class QRadioButton;

// Declared only: moc reads this header and cannot parse what the engine's date header
// pulls in from the standard library.
namespace kv {
class CopyOrMoveDialog;
class Prompts;
struct CopyOrMoveChoice;
struct DateTime;
struct MacroRecord;
struct ScheduleBlock;
} // namespace kv

namespace kv::ui {

class CopyOrMoveForm : public QDialog {
    Q_OBJECT
public:
    using RunSchedule = std::function<bool(ScheduleBlock&)>;

    // rec changes only when the dialog closes with OK. Everything given by reference must
    // outlive the form.
    CopyOrMoveForm(const CopyOrMoveDialog& dialog, MacroRecord& rec, Prompts& prompts,
                   const DateTime& today, RunSchedule runSchedule, QWidget* parent = nullptr);
    ~CopyOrMoveForm() override;

    // Told true while the "(Press the Hot Key)" box has the focus and false when it loses
    // it, so the running program can let every key through to the box.
    void SetSecondaryWindow(std::function<void(bool)> secondaryWindow) {
        wait_.SetTell(std::move(secondaryWindow));
    }

    QLabel* Label() const { return label_; }
    QRadioButton* HotKeyChoice() const { return hotKeyChoice_; }
    QRadioButton* TypewordChoice() const { return typewordChoice_; }
    QRadioButton* TimedChoice() const { return timedChoice_; }
    QListWidget* KeyList() const { return keyList_; }
    HotKeyBox* PressBox() const { return pressBox_; }
    QLineEdit* TypewordName() const { return typewordName_; }
    QPushButton* OkButton() const { return buttons_.ok; }
    QPushButton* CancelButton() const { return buttons_.cancel; }

    void done(int result) override;

private:
    CopyOrMoveChoice Choice() const;
    void OkButtonClick();

    const CopyOrMoveDialog& dialog_;
    MacroRecord& rec_;
    Prompts& prompts_;
    const DateTime& today_;
    RunSchedule runSchedule_;
    HotKeyWait wait_; // the press box waits for a hot key

    QLabel* label_ = nullptr;
    QRadioButton* hotKeyChoice_ = nullptr;
    QRadioButton* typewordChoice_ = nullptr;
    QRadioButton* timedChoice_ = nullptr;
    QListWidget* keyList_ = nullptr;
    HotKeyBox* pressBox_ = nullptr;
    QLineEdit* typewordName_ = nullptr;
    OkCancelButtons buttons_;
};

} // namespace kv::ui
