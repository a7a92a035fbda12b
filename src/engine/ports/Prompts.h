#pragma once
// How the engine talks to the user: message boxes and questions, with Keyvane's exact
// texts and captions (Windows-1252). The GUI shows real dialogs; kvn prints; tests record.

#include <string_view>

namespace kv {

class Prompts {
public:
    virtual ~Prompts() = default;

    // A modal message box with an OK button.
    virtual void ShowMessage(std::string_view text, std::string_view caption) = 0;

    // A modal Yes/No question; true for Yes.
    virtual bool AskYesNo(std::string_view text, std::string_view caption) = 0;
};

} // namespace kv
