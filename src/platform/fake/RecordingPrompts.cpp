#include "platform/fake/RecordingPrompts.h"

namespace kv::fake {

void RecordingPrompts::ShowMessage(std::string_view text, std::string_view caption) {
    records_.push_back({"message", std::string(text), std::string(caption)});
}

bool RecordingPrompts::AskYesNo(std::string_view text, std::string_view caption) {
    records_.push_back({"question", std::string(text), std::string(caption)});
    if (answers_.empty())
        return false;
    const bool yes = answers_.front();
    answers_.pop_front();
    return yes;
}

} // namespace kv::fake
