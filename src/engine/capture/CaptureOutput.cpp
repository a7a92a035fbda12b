#include "engine/capture/CaptureOutput.h"

#include "engine/editing/TagWriter.h"
#include "engine/macrotext/DateTimeFormats.h"
#include "engine/macrotext/MacroTextReader.h"
#include "engine/macrotext/TagTable.h"

#include <algorithm>

namespace kv {
namespace {

constexpr char kOpen = '<';
constexpr char kClose = '>';
constexpr std::int64_t kMsPerSecond = 1000;

std::int64_t Largest(int width) {
    std::int64_t n = 1;
    for (int i = 0; i < width; ++i)
        n *= 10;
    return n - 1;
}

std::string FixedTag(TagId id, std::int64_t value) {
    const TagInfo& t = TagFor(id);
    return std::string(t.spelling) + Pad(value, t.fields[0].width) + kClose;
}

// Could `text` grow into "<" `name` "{" ... of `length` characters in all?
bool CouldBecomeStamp(std::string_view text, std::string_view name, std::size_t length) {
    const std::string open = kOpen + std::string(name) + kStampOpen;
    if (text.size() < open.size())
        return open.starts_with(text);
    return text.starts_with(open) && text.size() < length;
}

bool IsTagAt(std::string_view text) {
    return ReadElement(text, 0).kind != ElementKind::Char;
}

} // namespace

bool CouldBecomeTag(std::string_view text) {
    for (const TagInfo& t : AllTags()) {
        if (text.size() < t.spelling.size()) {
            if (t.spelling.starts_with(text))
                return true;
        } else if (t.layout == TagLayout::Fixed && text.starts_with(t.spelling) &&
                   text.size() <= static_cast<std::size_t>(t.closeOffset)) {
            return true; // its ">" may still come
        }
    }
    for (std::string_view name : kDateFormatNames) {
        if (CouldBecomeStamp(text, name, name.size() + kLongDateExtra))
            return true;
    }
    for (std::string_view name : kTimeFormatNames) {
        if (CouldBecomeStamp(text, name, name.size() + kShortStampExtra))
            return true;
    }
    return false;
}

std::string WaitTags(std::int64_t ms) {
    const std::int64_t maxMsd = Largest(TagFor(TagId::Msd).fields[0].width);
    const std::int64_t maxSeconds = Largest(TagFor(TagId::Delay).fields[0].width);
    std::string out;
    while (ms > maxMsd) {
        const std::int64_t seconds = std::min(ms / kMsPerSecond, maxSeconds);
        out += FixedTag(TagId::Delay, seconds);
        ms -= seconds * kMsPerSecond;
    }
    if (ms > 0)
        out += FixedTag(TagId::Msd, ms);
    return out;
}

void CaptureOutput::WaitUntil(std::int64_t ms) {
    if (!timed_)
        return;
    if (!last_) { // no wait before the first piece
        last_ = ms;
        return;
    }
    ms = std::max(ms, *last_);
    const std::int64_t gap = ms - *last_;
    last_ = ms;
    if (gap > 0) {
        Settle(Next::Tag);
        text_ += WaitTags(gap);
    }
}

void CaptureOutput::Settle(Next next) {
    while (!held_.empty()) {
        // A tag always starts with "<", so a tag next means a "<" follows.
        const std::string probe = next == Next::Tag ? held_ + kOpen : held_;
        const bool tag = IsTagAt(probe);
        const bool open = CouldBecomeTag(probe);
        if (next == Next::Character && !tag && open)
            return;
        text_ += kOpen;
        if (tag || open)
            text_ += TagFor(TagId::Test).spelling;
        // What follows is typed as it is, up to the next "<", which is weighed in its turn.
        const std::size_t lt = std::min(held_.find(kOpen, 1), held_.size());
        text_.append(held_, 1, lt - 1);
        held_.erase(0, lt);
    }
}

void CaptureOutput::Tag(std::int64_t ms, std::string_view tags) {
    WaitUntil(ms);
    TagNow(tags);
}

void CaptureOutput::TagNow(std::string_view tags) {
    if (tags.empty())
        return;
    Settle(Next::Tag);
    text_ += tags;
}

void CaptureOutput::Character(std::int64_t ms, char c) {
    WaitUntil(ms);
    if (held_.empty() && c != kOpen) {
        text_ += c;
        return;
    }
    held_ += c;
    Settle(Next::Character);
}

void CaptureOutput::Finish() {
    Settle(Next::End);
}

std::string CaptureOutput::Take() {
    std::string out;
    out.swap(text_);
    return out;
}

} // namespace kv
