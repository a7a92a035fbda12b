#pragma once
// The capture benchmark's burst: typed characters and left clicks at screen positions,
// sent by XTest as fast as the server takes them; and the same burst read back from what
// a recorder stored (Keyvane's macro text, cnee's session file) or from what the probe
// client reports, as one sequence of tokens that can be set against the burst.

#include "platform/x11/X11Platform.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace kv::bench {

// A character typed (Enter as '\r') or a left click at a screen position.
struct Token {
    bool click = false;
    char c = 0;
    int x = 0;
    int y = 0;
    bool operator==(const Token&) const = default;
};

// The part of the screen the clicks go to.
struct Area {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;
};

struct BurstKey {
    std::uint8_t keycode = 0;
    bool shift = false;
};

struct Burst {
    std::vector<Token> tokens;
    std::map<char, BurstKey> keys; // the key of every character the burst types
    std::uint8_t shiftKeycode = 0;
    std::size_t keystrokes = 0;
    std::size_t shifted = 0;
    std::size_t enters = 0;
    std::size_t clicks = 0;
    std::size_t xEvents = 0; // XTest requests: presses, releases and moves
};

// `keystrokes` characters (letters, digits, punctuation with and without Shift, blanks and
// Enter) with a click after every `keystrokes / clicks`-th, the clicks inside `area` and
// each far enough from the one before that no client takes two for a double click. The
// same every run. Empty when the layout lacks a key for one of the characters.
Burst MakeBurst(x11::X11Platform& p, std::size_t keystrokes, std::size_t clicks, const Area& area);

// Sends the whole burst, then waits for a reply of the server: every event has been
// processed when this returns. Flooding, the requests go out as fast as the connection takes
// them; paced, each keystroke and click waits for a reply of the server before the next.
void SendBurst(x11::X11Platform& p, const Burst& burst, bool paced);

// Keyvane's macro text (Windows-1252) read as the player reads it. Tags other than Enter,
// screen moves, left clicks and timing are counted by spelling in `others`.
std::vector<Token> TokensOfMacroText(std::string_view text, std::map<std::string, int>& others);

// The probe's report lines from `from` on: characters and left button presses.
std::vector<Token> TokensOfProbe(const std::vector<std::string>& lines, std::size_t from);

// A device event as a recorder wrote it down.
struct DeviceEvent {
    int type = 0;   // KeyPress 2, KeyRelease 3, ButtonPress 4, ButtonRelease 5, MotionNotify 6
    int detail = 0; // keycode or button
    int x = 0;      // motions: the screen position
    int y = 0;
};

// The events of a cnee session file ("kind,type,x,y,button,keycode,...,time,device id,device
// name") that came from the XTest device, or from the master devices it drives: the server
// reports each event from both.
std::vector<DeviceEvent> CneeEvents(const std::vector<std::string>& lines, bool xtestDevice);

// The events the reference recorder printed ("type detail x y").
std::vector<DeviceEvent> ReferenceEvents(const std::vector<std::string>& lines);

// Key presses mapped back to the burst's characters, button 1 presses at the last pointer
// position. Presses of other keys and buttons are counted in `others`.
std::vector<Token> TokensOfDeviceEvents(const std::vector<DeviceEvent>& events, const Burst& burst,
                                        std::map<std::string, int>& others);

// How `got` stands against `want`: tokens missing (lost) and tokens not asked for (extra),
// after the longest common subsequence; a changed token counts as one of each.
struct Comparison {
    std::size_t keys = 0;     // keystrokes of `want` found in `got`
    std::size_t clicks = 0;   // clicks of `want` found in `got`
    std::size_t lostKeys = 0; // keystrokes of `want` missing from `got`
    std::size_t lostClicks = 0;
    std::size_t extra = 0;
    bool exact = false;
    std::string firstDifference; // where they part, for a look
};
// Without `positions`, a click matches a click wherever it was.
Comparison Compare(const std::vector<Token>& want, const std::vector<Token>& got,
                   bool positions = true);
// The keystrokes and the clicks each in their own order, for what a client receives: a
// window manager's grab of a press holds the click back while keys go on arriving.
Comparison CompareApart(const std::vector<Token>& want, const std::vector<Token>& got);

} // namespace kv::bench
