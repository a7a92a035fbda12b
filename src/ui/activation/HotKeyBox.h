#pragma once
// A read-only box that shows a hot key's name and takes the next hot key pressed in it.
// While it has the focus the running program lets every key through to it (see
// `entered`); combinations that are no hot key keep their usual meaning (Tab moves on,
// Enter presses the default button).

#include <QLineEdit>

#include <functional>

namespace kv::ui {

class HotKeyBox : public QLineEdit {
    Q_OBJECT
public:
    explicit HotKeyBox(QWidget* parent = nullptr);

signals:
    // The box gained or lost the focus.
    void entered();
    void left();
    // A hot key combination was pressed in the box.
    void hotKeyPressed(int code);

protected:
    bool event(QEvent* e) override;
    void focusInEvent(QFocusEvent* e) override;
    void focusOutEvent(QFocusEvent* e) override;
};

// Whether a dialog's hot key box waits for a key, told to the program once per change
// (`SetSecWind`): the hook lets every key through to the box meanwhile.
class HotKeyWait {
public:
    HotKeyWait() = default;
    explicit HotKeyWait(std::function<void(bool)> tell) : tell_(std::move(tell)) {}
    void SetTell(std::function<void(bool)> tell) { tell_ = std::move(tell); }
    void Set(bool on) {
        if (on == waiting_)
            return;
        waiting_ = on;
        if (tell_)
            tell_(on);
    }

private:
    std::function<void(bool)> tell_;
    bool waiting_ = false;
};

} // namespace kv::ui
