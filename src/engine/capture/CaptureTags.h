#pragma once
// The tags a capture writes, spelt from the tag table with their fields padded to its widths.

#include "engine/macrotext/TagTable.h"
#include "engine/ports/Input.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace kv {

// The modifier keys a capture follows, in this order.
enum CaptureModifier : std::size_t { kShiftKey, kCtrlKey, kAltKey, kWinKey, kModifierCount };

// "<SHIFT>", "<CTRL>", "<ALT>" (Latch; Alt's is its toggle), "<SHFD>" ... "<WIND>" (Down),
// "<SHFU>" ... "<WINU>" (Up).
std::string ModifierTag(CaptureModifier m, ModifierAction action);

std::size_t ButtonIndex(PointerButton b);
// "<LDN>", "<RCLK>", "<MDCLK>", ...
std::string ButtonTag(PointerButton b, MouseAction action);

// "<MMS:xxxxx,yyyyy>" or "<MMW:xxxxx,yyyyy>", each number clamped to -9999..99999.
std::string MoveTag(bool windowRelative, int x, int y);
// "<WSIZE:wwww,hhhh"CURRENT">", each number clamped to 0..9999.
std::string WindowSizeTag(int width, int height);
// "<WFW:nnn>" for notches forward, "<WBW:nnn>" backward, as many as 999 notches need.
std::string WheelTags(int notches);

} // namespace kv
