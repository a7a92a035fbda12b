#include "engine/editing/DirectEditor.h"

#include "engine/core/Limits.h"

#include <array>

namespace kv {
namespace {

constexpr std::array<InsertEntry, 30> kKeys = {{
    {"S&hift", "<SHIFT>"},
    {"C&trl", "<CTRL>"},
    {"Alt", "<ALT>"},
    {"Space", "<SPACE>"},
    {"Ta&b", "<TAB>"},
    {"Backspace", "<BACKSPACE>"},
    {"E&nter", "<ENTER>"},
    {"E&sc", "<ESC>"},
    {"&Insert", "<INSERT>"},
    {"&Delete", "<DELETE>"},
    {"Ho&me", "<HOME>"},
    {"End", "<END>"},
    {"U&p Arrow", "<UP ARROW>"},
    {"D&own Arrow", "<DOWN ARROW>"},
    {"&Left Arrow", "<LEFT ARROW>"},
    {"&Right Arrow", "<RIGHT ARROW>"},
    {"Pa&ge Up", "<PAGE UP>"},
    {"Page Do&wn", "<PAGE DOWN>"},
    {"F1", "<F1>"},
    {"F2", "<F2>"},
    {"F3", "<F3>"},
    {"F4", "<F4>"},
    {"F5", "<F5>"},
    {"F6", "<F6>"},
    {"F7", "<F7>"},
    {"F8", "<F8>"},
    {"F9", "<F9>"},
    {"F10", "<F10>"},
    {"F11", "<F11>"},
    {"F12", "<F12>"},
}};

constexpr std::array<InsertEntry, 38> kMiscellaneous = {{
    {"Left Window", "<LEFTWIN>"},
    {"Right Window", "<RIGHTWIN>"},
    {"Application", "<APP>"},
    {"F13", "<F13>"},
    {"F14", "<F14>"},
    {"F15", "<F15>"},
    {"F16", "<F16>"},
    {"F17", "<F17>"},
    {"F18", "<F18>"},
    {"F19", "<F19>"},
    {"F20", "<F20>"},
    {"F21", "<F21>"},
    {"F22", "<F22>"},
    {"F23", "<F23>"},
    {"F24", "<F24>"},
    {"Attn", "<ATTN>"},
    {"CrSel", "<CRSEL>"},
    {"ExSel", "<EXSEL>"},
    {"Erase EOF", "<EREOF>"},
    {"Play", "<PLAY>"},
    {"Zoom", "<ZOOM>"},
    {"PA1", "<PA1>"},
    {"Keypad 0", "<KEYP0>"},
    {"Keypad 1", "<KEYP1>"},
    {"Keypad 2", "<KEYP2>"},
    {"Keypad 3", "<KEYP3>"},
    {"Keypad 4", "<KEYP4>"},
    {"Keypad 5", "<KEYP5>"},
    {"Keypad 6", "<KEYP6>"},
    {"Keypad 7", "<KEYP7>"},
    {"Keypad 8", "<KEYP8>"},
    {"Keypad 9", "<KEYP9>"},
    {"Keypad .", "<KEYP.>"},
    {"Keypad /", "<KEYP/>"},
    {"Keypad *", "<KEYP*>"},
    {"Keypad -", "<KEYP->"},
    {"Keypad +", "<KEYP+>"},
    {"Print Screen", "<PRTSCR>"},
}};

std::string TabsToTags(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        if (c == '\t')
            out += "<TAB>";
        else
            out += c;
    }
    return out;
}

} // namespace

std::span<const InsertEntry> DirectEditorKeys() {
    return kKeys;
}

std::span<const InsertEntry> MiscellaneousEntries() {
    return kMiscellaneous;
}

bool CheckSize(std::size_t length, std::size_t n) {
    return length + n <= kMaxMacroText;
}

EditorMessage TextTooLongMessage() {
    return {"Text exceeds maximum length.  Text not added.", std::string(kErrorCaption)};
}

EditorMessage TruncatedMacroMessage() {
    const std::string limit = std::to_string(kMaxMacroText);
    return {"The size of the macro exceeds the " + limit + " character limit.  The macro " +
                "will be truncated to " + limit + " characters.",
            std::string(kErrorCaption)};
}

UpdatedText UpdateTextUncut(std::string_view text) {
    UpdatedText out{TabsToTags(text), std::nullopt};
    if (out.text.size() > kMaxMacroText)
        out.truncated = TruncatedMacroMessage();
    return out;
}

UpdatedText UpdateText(std::string_view text) {
    UpdatedText out = UpdateTextUncut(text);
    if (out.truncated)
        out.text.resize(kMaxMacroText);
    return out;
}

} // namespace kv
