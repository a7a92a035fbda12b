#pragma once
// `TTypewordOptions` ("Typeword Options"): prefix keys or suffix mode, case, solitary usage.

#include "engine/core/Settings.h"
#include "engine/ports/Prompts.h"
#include "ui/common/DialogButtons.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QLineEdit;

namespace kv::ui {

class TTypewordOptions : public QDialog {
public:
    TTypewordOptions(Settings& settings, Prompts& prompts, std::function<void()> saveSettings,
                     QWidget* parent = nullptr);

    QCheckBox* UsePrefix() const { return usePrefix_; }
    QCheckBox* CaseSense() const { return caseSense_; }
    QCheckBox* Solitary() const { return solitary_; }
    QLineEdit* PrefixKeys() const { return prefixKeys_; }
    QPushButton* OkButton() const { return buttons_.ok; }
    QPushButton* CancelButton() const { return buttons_.cancel; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The prefix keys check; false after its message, with the focus back in the edit.
    bool CheckPrefixKeys();
    void OkButtonClick();

    Settings& settings_;
    Prompts& prompts_;
    std::function<void()> saveSettings_;
    QCheckBox* usePrefix_;
    QCheckBox* caseSense_;
    QCheckBox* solitary_;
    QLineEdit* prefixKeys_;
    OkCancelButtons buttons_;
    bool checking_ = false; // a message of the check is up
};

} // namespace kv::ui
