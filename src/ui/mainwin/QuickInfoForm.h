#pragma once
// `TQuickInfo` ("Quick Info"): one macro's activation, nickname, scope, state, text and
// last change, as the engine's QuickInfo words them.

#include <QDialog>

class QLabel;
class QPlainTextEdit;
class QPushButton;

// Declared only: moc reads this header and cannot parse what the engine's date header
// pulls in from the standard library.
namespace kv {
struct QuickInfo;
} // namespace kv

namespace kv::ui {

class QuickInfoForm : public QDialog {
    Q_OBJECT
public:
    explicit QuickInfoForm(const QuickInfo& info, QWidget* parent = nullptr);

    QLabel* Lab1() const { return lab1_; }
    QLabel* Line(int n) const; // 1..4: activation, Nickname, scope, active
    QLabel* MacroTextLabel() const { return macroTextLabel_; }
    QPlainTextEdit* MacroText() const { return line6_; }
    QLabel* LastMod() const { return lastMod_; }
    QLabel* IconLabel() const { return icon_; }
    QPushButton* OkButton() const { return ok_; }

private:
    QLabel* lab1_ = nullptr;
    QLabel* lines_[4] = {};
    QLabel* macroTextLabel_ = nullptr;
    QPlainTextEdit* line6_ = nullptr;
    QLabel* lastMod_ = nullptr;
    QLabel* icon_ = nullptr;
    QPushButton* ok_ = nullptr;
};

} // namespace kv::ui
