#pragma once
// `TCapComplete` ("Capture Complete"): a quickly captured macro is given its hot key or
// Typeword, its nickname and its scope.

#include "engine/capture/CaptureDialogs.h"
#include "ui/activation/HotKeyBox.h"
#include "ui/capture/CaptureDialogs.h"

#include <QDialog>

class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace kv::ui {

class TCapComplete : public QDialog {
public:
    explicit TCapComplete(const CaptureDialogParts& parts, QWidget* parent = nullptr);
    ~TCapComplete() override;

    // A hot key reported while the box waits, or a row clicked: codes outside the list (the
    // mouse buttons) are ignored.
    void SelectHotKey(int code);
    // The checks, the question about a hot key the system may use, then the record.
    void OkButtonClick();

    QListWidget* KeyList() const { return keyList_; }
    HotKeyBox* HotKeyEntry() const { return hotKeyEntry_; }
    QLineEdit* TypewordName() const { return typewordName_; }
    QLineEdit* Nickname() const { return nickname_; }
    QRadioButton* UseHotKey() const { return useHotKey_; }
    QRadioButton* UseTypewords() const { return useTypewords_; }
    QRadioButton* Global() const { return global_; }
    QRadioButton* Program() const { return program_; }
    QPushButton* OkButton() const { return ok_; }

    void done(int result) override;

private:
    void ModeChanged();
    CapCompleteChoice Choice() const;

    CaptureDialogParts parts_; // a copy: it holds only references, callbacks and values
    HotKeyWait wait_;
    int hotKey_ = -1;
    QRadioButton* useHotKey_;
    QRadioButton* useTypewords_;
    QWidget* hotKeyPanel_;
    QListWidget* keyList_;
    HotKeyBox* hotKeyEntry_;
    QWidget* typewordPanel_;
    QLineEdit* typewordName_;
    QLineEdit* nickname_;
    QRadioButton* global_;
    QRadioButton* program_;
    QPushButton* ok_;
};

} // namespace kv::ui
