#include "engine/activation/HotKeys.h"

#include <gtest/gtest.h>

#include <cctype>
#include <set>

using namespace kv;

namespace {

HotKeyParts Key(std::uint16_t vk, bool ctrl, bool alt, bool shift, bool win = false) {
    return {vk, kButtonNone, ctrl, alt, shift, win};
}

HotKeyParts Button(std::uint16_t button, bool ctrl, bool alt, bool shift, bool win) {
    return {0, button, ctrl, alt, shift, win};
}

std::string Lower(std::string s) {
    for (char& c : s)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

TEST(HotKeys, NameTableHasDistinctNamesOfAtMost24Characters) {
    const auto& names = HotKeyNames();
    std::set<std::string> seen;
    for (int code = 0; code < kHotKeyCodes; ++code) {
        const std::string name = HotKeyName(code);
        EXPECT_FALSE(name.empty()) << code;
        EXPECT_LE(name.size(), kHotKeyNameMax) << name;
        // Distinct even without regard to case, since names are looked up that way.
        EXPECT_TRUE(seen.insert(Lower(name)).second) << name;
        if (code < kKeyHotKeyCodes) {
            EXPECT_EQ(names[static_cast<std::size_t>(code)], name);
        }
    }
}

TEST(HotKeys, EveryCodeRoundTripsThroughItsPartsAndItsName) {
    for (int code = 0; code < kHotKeyCodes; ++code) {
        EXPECT_EQ(HotKeyCode(DecipherKey(code)), code) << code;
        EXPECT_EQ(HotKeyFromName(HotKeyName(code)), code) << HotKeyName(code);
    }
}

TEST(HotKeys, NamesSpellTheModifiersOfTheirParts) {
    for (int code = 0; code < kHotKeyCodes; ++code) {
        const HotKeyParts p = DecipherKey(code);
        const std::string prefix = std::string(p.win ? "Win+" : "") + (p.ctrl ? "Ctrl+" : "") +
                                   (p.alt ? "Alt+" : "") + (p.shift ? "Shift+" : "");
        const std::string name = HotKeyName(code);
        EXPECT_EQ(name.rfind(prefix, 0), 0u) << name;
        const std::string rest = name.substr(prefix.size());
        EXPECT_TRUE(rest.find('+') == std::string::npos || rest.ends_with(" +")) << name;
        if (rest.starts_with("Key")) {
            EXPECT_EQ(rest.starts_with("Keypad "), p.ctrl) << name;
        }
        EXPECT_EQ(p.button != kButtonNone, code >= kKeyHotKeyCodes) << code;
    }
}

TEST(HotKeys, CodesFollowTheTable) {
    struct Case {
        int code;
        const char* name;
        HotKeyParts parts;
    };
    const Case cases[] = {
        {0, "Ctrl+A", Key(0x41, true, false, false)},
        {89, "Alt+F6", Key(0x75, false, true, false)},
        {185, "Ctrl+Alt+F6", Key(0x75, true, true, false)},
        {233, "Alt+Shift+F6", Key(0x75, false, true, true)},
        {262, "Ctrl+Alt+Shift+W", Key(0x57, true, true, true)},
        {265, "Ctrl+Alt+Shift+Z", Key(0x5A, true, true, true)},
        {288, "F1", Key(0x70, false, false, false)},
        {315, "Ctrl+Shift+Enter", Key(0x0D, true, false, true)},
        {323, "Ctrl+Alt+Shift+Tab", Key(0x09, true, true, true)},
        {349, "Alt+Shift+Delete", Key(0x2E, false, true, true)},
        {364, "Ctrl+.", Key(0xBE, true, false, false)},
        {383, "Alt+;", Key(0xBA, false, true, false)},
        {429, "Ctrl+Alt+Shift+`", Key(0xC0, true, true, true)},
        {430, "KeyPad /", Key(0x6F, false, false, false)},
        {431, "Ctrl+Keypad /", Key(0x6F, true, false, false)},
        {433, "Shift+KeyPad /", Key(0x6F, false, false, true)},
        {466, "Page Up", Key(0x21, false, false, false)},
        {468, "Left Arrow", Key(0x25, false, false, false)},
        {513, "Ctrl+Alt+Shift+Down Arro", Key(0x28, true, true, true)},
        {514, "KeyPad 0", Key(0x60, false, false, false)},
        {553, "Ctrl+Alt+Keypad 9", Key(0x69, true, true, false)},
        {557, "Win+D", Key(0x44, false, false, false, true)},
        {590, "Win+F1", Key(0x70, false, false, false, true)},
        {649, "Win+Ctrl+F12", Key(0x7B, true, false, false, true)},
        {698, "ESC", Key(0x1B, false, false, false)},
        {699, "Shift+Left Button", Button(kButtonLeft, false, false, true, false)},
        {704, "Win+Ctrl+Left Button", Button(kButtonLeft, true, false, false, true)},
        {725, "Win+Alt+Middle Button", Button(kButtonMiddle, false, true, false, true)},
        {726, "Middle Button", Button(kButtonMiddle, false, false, false, false)},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(HotKeyName(c.code), c.name) << c.code;
        EXPECT_EQ(DecipherKey(c.code), c.parts) << c.name;
    }
}

TEST(HotKeys, CodesOutsideTheSpaceGiveNothing) {
    for (int code : {-1, 727, 10000, 20000}) {
        EXPECT_EQ(DecipherKey(code), HotKeyParts{}) << code;
        EXPECT_EQ(HotKeyName(code), "") << code;
    }
}

TEST(HotKeys, CombinationsWithoutACodeGiveMinusOne) {
    EXPECT_EQ(HotKeyCode(Key(0x41, false, false, false)), -1);      // plain A
    EXPECT_EQ(HotKeyCode(Key(0x41, false, false, true)), -1);       // Shift+A
    EXPECT_EQ(HotKeyCode(Key(0x41, false, false, true, true)), -1); // Win+Shift+A
    EXPECT_EQ(HotKeyCode(Key(0x09, false, true, false)), -1);       // Alt+Tab stays the system's
    EXPECT_EQ(HotKeyCode(Key(0x1B, true, false, false)), -1);       // Ctrl+Esc
    EXPECT_EQ(HotKeyCode(Key(0xBE, false, false, false)), -1);      // plain period
    EXPECT_EQ(HotKeyCode(Button(kButtonLeft, false, false, false, false)), -1);
    EXPECT_EQ(HotKeyCode(Button(kButtonLeft, true, true, true, false)), -1);
    EXPECT_EQ(HotKeyCode(Button(4, false, false, false, false)), -1);
    // A key code that came along with a click does not matter.
    EXPECT_EQ(HotKeyCode({0x10, kButtonLeft, false, false, true, false}), 699);
}

TEST(HotKeys, NamesAreFoundWithoutRegardToCaseAndUncut) {
    EXPECT_EQ(HotKeyFromName("ctrl+a"), 0);
    EXPECT_EQ(HotKeyFromName("CTRL+KEYPAD /"), 431);
    EXPECT_EQ(HotKeyFromName("Ctrl+KeyPad /"), 431);
    EXPECT_EQ(HotKeyFromName("esc"), 698);
    EXPECT_EQ(HotKeyFromName("middle button"), 726);
    EXPECT_EQ(HotKeyFromName("Ctrl+Alt+Shift+Down Arrow"), 513);
    EXPECT_EQ(HotKeyFromName("Ctrl+Alt+Shift+Right Arrow"),
              HotKeyFromName("Ctrl+Alt+Shift+Right Arr"));
    EXPECT_EQ(HotKeyFromName("Alt+Ctrl+A"), std::nullopt);
    EXPECT_EQ(HotKeyFromName("Ctrl+A "), std::nullopt);
    EXPECT_EQ(HotKeyFromName("A"), std::nullopt);
    EXPECT_EQ(HotKeyFromName(""), std::nullopt);
}

} // namespace
