#pragma once
// The Pause box, the repeat prompt and the on-top message as stay-on-top Qt dialogs. They
// float above the window the macro types into and hand the focus back to it.

#include "engine/ports/PlayDialogs.h"
#include "engine/ports/Prompts.h"

#include <QPointer>

class QDialog;

namespace kv::ui {

class PlayDialogsQt : public PlayDialogs {
public:
    // The repeat prompt's refusal goes to `prompts` when given, else to a message box over
    // the prompt, where a stay-on-top prompt cannot hide it.
    explicit PlayDialogsQt(Windows& windows, Prompts* prompts = nullptr)
        : windows_(windows), prompts_(prompts) {}

    bool RunPauseBox(const PauseBoxLayout& layout, WindowId target) override;
    void ResumePauseBox() override;
    std::uint16_t RunRepeatPrompt() override;
    void RunOnTopMessage(std::string_view caption, std::string_view text) override;

private:
    Windows& windows_;
    Prompts* prompts_;
    QPointer<QDialog> pauseBox_;
    bool resumed_ = false;
};

} // namespace kv::ui
