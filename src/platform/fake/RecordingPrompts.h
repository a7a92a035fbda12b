#pragma once
// Prompts that record every message and answer questions from a script.

#include "engine/ports/Prompts.h"

#include <deque>
#include <string>
#include <vector>

namespace kv::fake {

struct PromptRecord {
    std::string kind; // "message" or "question"
    std::string text;
    std::string caption;
    bool operator==(const PromptRecord&) const = default;
};

class RecordingPrompts : public Prompts {
public:
    void ShowMessage(std::string_view text, std::string_view caption) override;
    bool AskYesNo(std::string_view text, std::string_view caption) override;

    // Answers for AskYesNo in order; when they run out the answer is No.
    void QueueAnswer(bool yes) { answers_.push_back(yes); }

    const std::vector<PromptRecord>& Records() const { return records_; }
    void Clear() { records_.clear(); }

private:
    std::vector<PromptRecord> records_;
    std::deque<bool> answers_;
};

} // namespace kv::fake
