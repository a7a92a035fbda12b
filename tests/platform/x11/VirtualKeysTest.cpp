#include "platform/x11/VirtualKeys.h"

#include <gtest/gtest.h>

namespace kv::x11 {
namespace {

std::pair<int, int> Control(char c) {
    auto s = ControlCharScan(c);
    return s ? std::pair<int, int>{s->vk, s->shiftState} : std::pair<int, int>{-1, -1};
}

TEST(ControlCharacters, ScanAsVkKeyScanA) {
    EXPECT_EQ(Control('\r'), (std::pair{0x0D, 0}));
    EXPECT_EQ(Control('\n'), (std::pair{0x0D, 2})); // Ctrl+Enter
    EXPECT_EQ(Control('\t'), (std::pair{0x09, 0}));
    EXPECT_EQ(Control('\b'), (std::pair{0x08, 0}));
    EXPECT_EQ(Control('\x1B'), (std::pair{0x1B, 0}));
    EXPECT_EQ(Control('\x01'), (std::pair{int{'A'}, 2}));
    EXPECT_EQ(Control('\x1A'), (std::pair{int{'Z'}, 2}));
    EXPECT_EQ(Control('\x7F'), (std::pair{0x08, 2}));
    EXPECT_FALSE(ControlCharScan('a'));
    EXPECT_FALSE(ControlCharScan(' '));
}

TEST(CodePages, AnsiAndOemBytes) {
    EXPECT_EQ(Cp1252ToUnicode(0x80), U'€');
    EXPECT_EQ(Cp1252ToUnicode(0x99), U'™');
    EXPECT_EQ(Cp1252ToUnicode(0xE9), U'é');
    EXPECT_EQ(Cp1252ToUnicode(0x81), 0x81u); // undefined bytes keep their value
    EXPECT_EQ(Cp437ToUnicode(130), U'é');
    EXPECT_EQ(Cp437ToUnicode(225), U'ß');
    EXPECT_EQ(Cp437ToUnicode(65), U'A');
}

TEST(VirtualKeys, KeysymsOfKeysOutsideTheTypingBlock) {
    EXPECT_EQ(KeysymForVk(0x70), XKB_KEY_F1);
    EXPECT_EQ(KeysymForVk(0x87), XKB_KEY_F24);
    EXPECT_EQ(KeysymForVk(0x2B), XKB_KEY_Execute);
    EXPECT_EQ(KeysymForVk(0x60), XKB_KEY_KP_0);
    EXPECT_EQ(KeysymForVk(0x5B), XKB_KEY_Super_L);
    EXPECT_EQ(KeysymForVk(0x02), 0u); // a mouse button has no key
    EXPECT_EQ(VkForKeysym(XKB_KEY_Return), 0x0D);
    EXPECT_EQ(VkForKeysym(XKB_KEY_F13), 0x7C);
    EXPECT_EQ(FallbackKeysymForVk('Q'), XKB_KEY_q);
    EXPECT_EQ(FallbackKeysymForVk('7'), XKB_KEY_7);
    EXPECT_EQ(FallbackKeysymForVk(0xBA), XKB_KEY_semicolon);
    EXPECT_EQ(FallbackKeysymForVk(0x0D), XKB_KEY_Return);
}

} // namespace
} // namespace kv::x11
