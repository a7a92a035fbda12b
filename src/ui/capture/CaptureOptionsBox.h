#pragma once
// The capture option controls that "Capture Defaults" and "Capture Macro" share: what is
// recorded, where mouse positions count from, the speed of a timed capture and the scope
// of the macro. The controls are enabled as the engine's rules say, after every click.

#include "engine/capture/CaptureDialogs.h"

#include <QWidget>

#include <array>

class QCheckBox;
class QRadioButton;

namespace kv::ui {

class CaptureOptionsBox : public QWidget {
public:
    // Without `withPrompt` there is no "P&rompt on Capture" (it only concerns a quick
    // capture), and Choices() keeps the prompt it was given.
    explicit CaptureOptionsBox(bool withPrompt, QWidget* parent = nullptr);

    void SetChoices(const CaptureChoices& c);
    CaptureChoices Choices() const;
    // "&Program" chosen and "&Global" disabled, whatever the choices say.
    void LockGlobal();

    QCheckBox* DoubleAlt() const { return doubleAlt_; }
    QCheckBox* Keys() const { return keys_; }
    QCheckBox* Mouse() const { return mouse_; }
    QRadioButton* Screen() const { return screen_; }
    QRadioButton* Window() const { return window_; }
    QCheckBox* Time() const { return time_; }
    QRadioButton* Speed(CaptureSpeed s) const { return speeds_[Index(s)]; }
    QCheckBox* Prompt() const { return prompt_; }
    QCheckBox* WindowSize() const { return windowSize_; }
    QRadioButton* Global() const { return global_; }
    QRadioButton* Program() const { return program_; }

private:
    static std::size_t Index(CaptureSpeed s) { return static_cast<std::size_t>(s) - 1; }
    void Enable();

    bool promptGiven_ = true;
    QCheckBox* doubleAlt_;
    QCheckBox* keys_;
    QCheckBox* mouse_;
    QRadioButton* screen_;
    QRadioButton* window_;
    QCheckBox* time_;
    std::array<QRadioButton*, 4> speeds_{};
    QCheckBox* prompt_ = nullptr;
    QCheckBox* windowSize_;
    QRadioButton* global_;
    QRadioButton* program_;
};

} // namespace kv::ui
