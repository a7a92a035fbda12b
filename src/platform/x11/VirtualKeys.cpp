#include "platform/x11/VirtualKeys.h"

#include "engine/core/Ansi.h"

#include <string>

namespace kv::x11 {

namespace {

struct VkSym {
    std::uint8_t vk;
    xkb_keysym_t sym;
};

// Keys whose virtual key names one X keysym. Left and right variants share the generic
// keys' keysyms where X has only one.
constexpr VkSym kVkSyms[] = {
    {0x03, XKB_KEY_Cancel},
    {0x08, XKB_KEY_BackSpace},
    {0x09, XKB_KEY_Tab},
    {0x0C, XKB_KEY_Clear},
    {0x0D, XKB_KEY_Return},
    {0x10, XKB_KEY_Shift_L},
    {0x11, XKB_KEY_Control_L},
    {0x12, XKB_KEY_Alt_L},
    {0x13, XKB_KEY_Pause},
    {0x14, XKB_KEY_Caps_Lock},
    {0x1B, XKB_KEY_Escape},
    {0x1C, XKB_KEY_Henkan},
    {0x1D, XKB_KEY_Muhenkan},
    {0x20, XKB_KEY_space},
    {0x21, XKB_KEY_Prior},
    {0x22, XKB_KEY_Next},
    {0x23, XKB_KEY_End},
    {0x24, XKB_KEY_Home},
    {0x25, XKB_KEY_Left},
    {0x26, XKB_KEY_Up},
    {0x27, XKB_KEY_Right},
    {0x28, XKB_KEY_Down},
    {0x29, XKB_KEY_Select},
    {0x2A, XKB_KEY_Print},
    {0x2B, XKB_KEY_Execute},
    {0x2C, XKB_KEY_Print},
    {0x2D, XKB_KEY_Insert},
    {0x2E, XKB_KEY_Delete},
    {0x2F, XKB_KEY_Help},
    {0x5B, XKB_KEY_Super_L},
    {0x5C, XKB_KEY_Super_R},
    {0x5D, XKB_KEY_Menu},
    {0x5F, XKB_KEY_XF86Sleep},
    {0x60, XKB_KEY_KP_0},
    {0x61, XKB_KEY_KP_1},
    {0x62, XKB_KEY_KP_2},
    {0x63, XKB_KEY_KP_3},
    {0x64, XKB_KEY_KP_4},
    {0x65, XKB_KEY_KP_5},
    {0x66, XKB_KEY_KP_6},
    {0x67, XKB_KEY_KP_7},
    {0x68, XKB_KEY_KP_8},
    {0x69, XKB_KEY_KP_9},
    {0x6A, XKB_KEY_KP_Multiply},
    {0x6B, XKB_KEY_KP_Add},
    {0x6C, XKB_KEY_KP_Separator},
    {0x6D, XKB_KEY_KP_Subtract},
    {0x6E, XKB_KEY_KP_Decimal},
    {0x6F, XKB_KEY_KP_Divide},
    {0x90, XKB_KEY_Num_Lock},
    {0x91, XKB_KEY_Scroll_Lock},
    {0xA0, XKB_KEY_Shift_L},
    {0xA1, XKB_KEY_Shift_R},
    {0xA2, XKB_KEY_Control_L},
    {0xA3, XKB_KEY_Control_R},
    {0xA4, XKB_KEY_Alt_L},
    {0xA5, XKB_KEY_Alt_R},
    {0xA6, XKB_KEY_XF86Back},
    {0xA7, XKB_KEY_XF86Forward},
    {0xA8, XKB_KEY_XF86Reload},
    {0xA9, XKB_KEY_XF86Stop},
    {0xAA, XKB_KEY_XF86Search},
    {0xAB, XKB_KEY_XF86Favorites},
    {0xAC, XKB_KEY_XF86HomePage},
    {0xAD, XKB_KEY_XF86AudioMute},
    {0xAE, XKB_KEY_XF86AudioLowerVolume},
    {0xAF, XKB_KEY_XF86AudioRaiseVolume},
    {0xB0, XKB_KEY_XF86AudioNext},
    {0xB1, XKB_KEY_XF86AudioPrev},
    {0xB2, XKB_KEY_XF86AudioStop},
    {0xB3, XKB_KEY_XF86AudioPlay},
    {0xB4, XKB_KEY_XF86Mail},
    {0xB5, XKB_KEY_XF86AudioMedia},
    {0xB6, XKB_KEY_XF86Launch0},
    {0xB7, XKB_KEY_XF86Launch1},
    {0xF6, XKB_KEY_3270_Attn},
    {0xF7, XKB_KEY_3270_CursorSelect},
    {0xF8, XKB_KEY_3270_ExSelect},
    {0xF9, XKB_KEY_3270_EraseEOF},
    {0xFA, XKB_KEY_3270_Play},
    {0xFB, XKB_KEY_XF86ZoomIn},
    {0xFD, XKB_KEY_3270_PA1},
    {0xFE, XKB_KEY_Clear},
};

constexpr PositionVk kPositions[] = {
    {"TLDE", 0xC0}, {"AE01", '1'},  {"AE02", '2'}, {"AE03", '3'},  {"AE04", '4'},  {"AE05", '5'},
    {"AE06", '6'},  {"AE07", '7'},  {"AE08", '8'}, {"AE09", '9'},  {"AE10", '0'},  {"AE11", 0xBD},
    {"AE12", 0xBB}, {"AD01", 'Q'},  {"AD02", 'W'}, {"AD03", 'E'},  {"AD04", 'R'},  {"AD05", 'T'},
    {"AD06", 'Y'},  {"AD07", 'U'},  {"AD08", 'I'}, {"AD09", 'O'},  {"AD10", 'P'},  {"AD11", 0xDB},
    {"AD12", 0xDD}, {"BKSL", 0xDC}, {"AC01", 'A'}, {"AC02", 'S'},  {"AC03", 'D'},  {"AC04", 'F'},
    {"AC05", 'G'},  {"AC06", 'H'},  {"AC07", 'J'}, {"AC08", 'K'},  {"AC09", 'L'},  {"AC10", 0xBA},
    {"AC11", 0xDE}, {"LSGT", 0xE2}, {"AB01", 'Z'}, {"AB02", 'X'},  {"AB03", 'C'},  {"AB04", 'V'},
    {"AB05", 'B'},  {"AB06", 'N'},  {"AB07", 'M'}, {"AB08", 0xBC}, {"AB09", 0xBE}, {"AB10", 0xBF},
};

constexpr std::uint8_t kOemVks[] = {0xBA, 0xBB, 0xBC, 0xBD, 0xBE, 0xBF, 0xC0,
                                    0xDB, 0xDC, 0xDD, 0xDE, 0xDF, 0xE1, 0xE2};

struct OemChar {
    std::uint8_t vk;
    char c;
};
constexpr OemChar kUsOemChars[] = {
    {0xBA, ';'}, {0xBB, '='}, {0xBC, ','},  {0xBD, '-'}, {0xBE, '.'},  {0xBF, '/'},
    {0xC0, '`'}, {0xDB, '['}, {0xDC, '\\'}, {0xDD, ']'}, {0xDE, '\''}, {0xE2, '\\'},
};

// Code page 437 above 127, as Alt with keypad digits without a leading zero types it.
constexpr char16_t kCp437High[128] = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00A2, 0x00A3, 0x00A5, 0x20A7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x2310, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2556, 0x2555, 0x2563, 0x2551, 0x2557,
    0x255D, 0x255C, 0x255B, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x255E, 0x255F,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x2567, 0x2568, 0x2564, 0x2565, 0x2559,
    0x2558, 0x2552, 0x2553, 0x256B, 0x256A, 0x2518, 0x250C, 0x2588, 0x2584, 0x258C, 0x2590, 0x2580,
    0x03B1, 0x00DF, 0x0393, 0x03C0, 0x03A3, 0x03C3, 0x00B5, 0x03C4, 0x03A6, 0x0398, 0x03A9, 0x03B4,
    0x221E, 0x03C6, 0x03B5, 0x2229, 0x2261, 0x00B1, 0x2265, 0x2264, 0x2320, 0x2321, 0x00F7, 0x2248,
    0x00B0, 0x2219, 0x00B7, 0x221A, 0x207F, 0x00B2, 0x25A0, 0x00A0,
};

} // namespace

xkb_keysym_t KeysymForVk(std::uint8_t v) {
    for (const VkSym& e : kVkSyms) {
        if (e.vk == v)
            return e.sym;
    }
    if (v >= 0x70 && v <= 0x87) // F1..F24
        return XKB_KEY_F1 + (v - 0x70u);
    return 0;
}

xkb_keysym_t FallbackKeysymForVk(std::uint8_t v) {
    if (IsLetterVk(v))
        return XKB_KEY_a + (v - 'A');
    if (IsDigitVk(v))
        return XKB_KEY_0 + (v - '0');
    for (const OemChar& e : kUsOemChars) {
        if (e.vk == v)
            return static_cast<xkb_keysym_t>(e.c);
    }
    return KeysymForVk(v);
}

std::uint8_t VkForKeysym(xkb_keysym_t sym) {
    for (const VkSym& e : kVkSyms) {
        if (e.sym == sym)
            return e.vk;
    }
    if (sym >= XKB_KEY_F1 && sym <= XKB_KEY_F24)
        return static_cast<std::uint8_t>(0x70 + (sym - XKB_KEY_F1));
    return 0;
}

std::span<const PositionVk> UsPositions() {
    return kPositions;
}

std::span<const std::uint8_t> OemVks() {
    return kOemVks;
}

std::optional<VkAndShift> ControlCharScan(char c) {
    auto code = static_cast<unsigned char>(c);
    switch (code) {
    case 8:
        return VkAndShift{vk::kBack, 0};
    case 9:
        return VkAndShift{vk::kTab, 0};
    case 10:
        return VkAndShift{vk::kReturn, 2};
    case 13:
        return VkAndShift{vk::kReturn, 0};
    case 27:
        return VkAndShift{vk::kEscape, 0};
    case 127:
        return VkAndShift{vk::kBack, 2};
    case 0:
        return VkAndShift{'2', 3};
    case 28:
        return VkAndShift{0xDC, 2};
    case 29:
        return VkAndShift{0xDD, 2};
    case 30:
        return VkAndShift{'6', 3};
    case 31:
        return VkAndShift{vk::kOemMinus, 3};
    default:
        break;
    }
    if (code >= 1 && code <= 26)
        return VkAndShift{static_cast<std::uint8_t>('A' + code - 1), 2};
    return std::nullopt;
}

char32_t Cp1252ToUnicode(std::uint8_t b) {
    // One table for Windows-1252: the engine's.
    std::string utf8 = AnsiToUtf8(std::string(1, static_cast<char>(b)));
    auto u = [&](std::size_t i) {
        return static_cast<char32_t>(static_cast<unsigned char>(utf8[i]));
    };
    if (utf8.size() == 1)
        return u(0);
    if (utf8.size() == 2)
        return ((u(0) & 0x1F) << 6) | (u(1) & 0x3F);
    return ((u(0) & 0x0F) << 12) | ((u(1) & 0x3F) << 6) | (u(2) & 0x3F);
}

char32_t Cp437ToUnicode(std::uint8_t b) {
    return b < 0x80 ? char32_t{b} : char32_t{kCp437High[b - 0x80]};
}

} // namespace kv::x11
