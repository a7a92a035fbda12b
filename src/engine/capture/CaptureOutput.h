#pragma once
// The text a capture writes, piece by piece: each piece is a tag or a typed character with
// the moment its action happened, and with timing on the wait since the previous piece goes
// before it. A typed "<" must stay a character: it is held back until what is typed after it
// shows whether the player would read a tag there, and if it would (or still might when a
// tag follows), an inert "<TEST>" goes right after the "<".

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kv {

class CaptureOutput {
public:
    explicit CaptureOutput(bool timed) : timed_(timed) {}

    // Tags whose action happens at `ms` (milliseconds on the capture's clock).
    void Tag(std::int64_t ms, std::string_view tags);
    // Tags that follow the previous piece without a wait (what the stop releases).
    void TagNow(std::string_view tags);
    // A character typed at `ms`.
    void Character(std::int64_t ms, char c);
    // Nothing more will be written.
    void Finish();
    // The text that became final since the last call.
    std::string Take();

private:
    enum class Next { Character, Tag, End };
    void WaitUntil(std::int64_t ms);
    void Settle(Next next);

    bool timed_;
    std::optional<std::int64_t> last_; // when the previous piece happened
    std::string text_;                 // final
    std::string held_;                 // from a "<" whose reading is still open
};

// A wait of `ms` milliseconds: "<MSD:nnnn>" up to 9999, beyond that the whole seconds as
// "<DELAY:sssss>" followed by the milliseconds left over. Empty for 0 or less.
std::string WaitTags(std::int64_t ms);

// Whether characters added after `text` (which starts with "<") could still make the player
// read a tag at its start.
bool CouldBecomeTag(std::string_view text);

} // namespace kv
