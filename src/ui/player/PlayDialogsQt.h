#pragma once
// The Pause box, the repeat prompt and the on-top message as stay-on-top Qt dialogs. They
// float above the window the macro types into and hand the focus back to it.

#include "engine/ports/PlayDialogs.h"

#include <QPointer>

class QDialog;

namespace kv::ui {

class PlayDialogsQt : public PlayDialogs {
public:
    explicit PlayDialogsQt(Windows& windows) : windows_(windows) {}

    bool RunPauseBox(const PauseBoxLayout& layout, WindowId target) override;
    void ResumePauseBox() override;
    std::uint16_t RunRepeatPrompt() override;
    void RunOnTopMessage(std::string_view caption, std::string_view text) override;

private:
    Windows& windows_;
    QPointer<QDialog> pauseBox_;
    bool resumed_ = false;
};

} // namespace kv::ui
