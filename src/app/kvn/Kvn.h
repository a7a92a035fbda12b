#pragma once
// Shared pieces of the kvn command line: each verb lives in its own file and registers
// itself on the application.

#include "engine/core/Paths.h"
#include "engine/ports/Prompts.h"

#include <CLI/CLI.hpp>

#include <stdexcept>
#include <string>

namespace kvn {

// A failure to report as one line on standard error, exit status 1.
struct KvnError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Ends kvn with exit status 1 after the reason was already shown (by the prompts).
struct KvnFailed {};

kv::KeyvanePaths Paths();

// UTF-8 from the command line to Keyvane's Windows-1252; refuses characters that have none.
std::string ToAnsi(const std::string& utf8, const std::string& what);
// Keyvane's text for the terminal: UTF-8, with tabs and line breaks shown as blanks so that
// one record stays on one line.
std::string ForLine(const std::string& ansi);

// Messages go to standard error as "Caption: text" in UTF-8; questions are answered No,
// since kvn never waits for a person.
class ConsolePrompts : public kv::Prompts {
public:
    void ShowMessage(std::string_view text, std::string_view caption) override;
    bool AskYesNo(std::string_view text, std::string_view caption) override;
    // True once a message captioned "Error" was shown.
    bool SawError() const { return sawError_; }

private:
    bool sawError_ = false;
};

void AddFileVerbs(CLI::App& app);    // new, list, show, add
void AddTokensVerb(CLI::App& app);   // tokens
void AddSettingsVerb(CLI::App& app); // settings
void AddHotKeysVerb(CLI::App& app);  // hotkeys
void AddScriptVerbs(CLI::App& app);  // script, unscript
void AddPlayVerb(CLI::App& app);     // play
void AddCaptureVerb(CLI::App& app);  // capture

} // namespace kvn
