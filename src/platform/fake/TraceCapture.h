#pragma once
// A trace of input events, as `kvn play --dry-run` prints it, read back as the input a
// capture's hook would have seen: the user typing and clicking exactly that. Key presses get
// the characters the fake (US) layout gives them with the Shift, Ctrl and Alt held then.

#include "engine/capture/CapturedInput.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <vector>

namespace kv::fake {

// The printable character the US layout types with this key and VkKeyScan shift state
// (1 Shift, 2 Ctrl, 4 Alt), or 0: the inverse of UsVkKeyScan.
char UsCharacter(std::uint8_t vk, std::uint8_t shiftState);

// A line that names an input event but does not read as one.
struct TraceLineError : std::runtime_error {
    TraceLineError(int lineNumber, const std::string& what)
        : std::runtime_error(what), line(lineNumber) {}
    int line;
};

// The input of `trace`, one event per line: "down XX" / "up XX" (hex virtual key),
// "altcode DIGITS" (a character by its code: with a leading 0 the Windows-1252 code, without
// it only codes below 128 are known), "button left|right|middle down|up", "wheel N",
// "move X Y", "wait MS" (the time between events). Other lines are not input and are skipped.
// The pointer starts at 0, 0; `window` is the window in front at every pointer event.
std::vector<CapturedInput> CapturedFromTrace(std::string_view trace,
                                             const std::optional<WindowRect>& window = {});

} // namespace kv::fake
