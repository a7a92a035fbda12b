// VkKeyScan and virtual keys on real layouts, compiled from the system's XKB data as an X
// server would (no server needed).

#include "platform/x11/KeyboardLayout.h"
#include "platform/x11/VirtualKeys.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace kv::x11 {
namespace {

struct Keymap {
    xkb_context* context = nullptr;
    xkb_keymap* keymap = nullptr;
    explicit Keymap(const char* layout, const char* options = nullptr) {
        context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
        xkb_rule_names names{"evdev", "pc105", layout, "", options};
        keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    }
    ~Keymap() {
        xkb_keymap_unref(keymap);
        xkb_context_unref(context);
    }
};

std::optional<std::pair<int, int>> Scan(KeyboardLayout& layout, char32_t c) {
    auto k = layout.FindChar(c);
    if (!k)
        return std::nullopt;
    return std::pair<int, int>{k->vk, k->shiftState};
}

TEST(UsLayout, AnswersLikeWindowsForEveryPrintableCharacter) {
    Keymap us("us");
    ASSERT_NE(us.keymap, nullptr);
    KeyboardLayout layout(us.keymap);
    // VkKeyScanA on a US keyboard.
    const std::string unshifted = "`1234567890-=[]\\;',./ ";
    const int unshiftedVk[] = {0xC0, '1',  '2',  '3',  '4',  '5',  '6',  '7',  '8',  '9',  '0',
                               0xBD, 0xBB, 0xDB, 0xDD, 0xDC, 0xBA, 0xDE, 0xBC, 0xBE, 0xBF, 0x20};
    const std::string shifted = "~!@#$%^&*()_+{}|:\"<>?";
    for (std::size_t i = 0; i < unshifted.size(); ++i) {
        EXPECT_EQ(Scan(layout, static_cast<char32_t>(unshifted[i])), (std::pair{unshiftedVk[i], 0}))
            << unshifted[i];
        if (i < shifted.size()) {
            EXPECT_EQ(Scan(layout, static_cast<char32_t>(shifted[i])),
                      (std::pair{unshiftedVk[i], 1}))
                << shifted[i];
        }
    }
    for (char c = 'a'; c <= 'z'; ++c) {
        EXPECT_EQ(Scan(layout, static_cast<char32_t>(c)), (std::pair{c - 'a' + 'A', 0}));
        EXPECT_EQ(Scan(layout, static_cast<char32_t>(c - 'a' + 'A')),
                  (std::pair{c - 'a' + 'A', 1}));
    }
    EXPECT_FALSE(layout.FindChar(U'é'));
    EXPECT_FALSE(layout.HasLevel3(layout.KeycodeForVk('Q')));
}

TEST(GermanLayout, AltGrCharactersAreCtrlAltAndDeadKeysAreMissing) {
    Keymap de("de");
    KeyboardLayout layout(de.keymap);
    EXPECT_EQ(Scan(layout, U'@'), (std::pair{int{'Q'}, 6}));
    EXPECT_EQ(Scan(layout, U'€'), (std::pair{int{'E'}, 6}));
    EXPECT_EQ(Scan(layout, U'{'), (std::pair{int{'7'}, 6}));
    EXPECT_EQ(Scan(layout, U'~'), (std::pair{0xBB, 6})); // on the + key
    EXPECT_EQ(Scan(layout, U'+'), (std::pair{0xBB, 0}));
    EXPECT_EQ(Scan(layout, U'-'), (std::pair{0xBD, 0}));
    EXPECT_EQ(Scan(layout, U'z'), (std::pair{int{'Z'}, 0})); // letters follow the layout
    EXPECT_EQ(Scan(layout, U'Y'), (std::pair{int{'Y'}, 1}));
    EXPECT_EQ(Scan(layout, U'"'), (std::pair{int{'2'}, 1}));
    // ^ and ` are dead keys there: typed through them, the next letter would change.
    EXPECT_FALSE(layout.FindChar(U'^'));
    EXPECT_FALSE(layout.FindChar(U'`'));
    EXPECT_NE(layout.Level3Key(), 0u);
    EXPECT_TRUE(layout.HasLevel3(layout.KeycodeForVk('Q')));
}

TEST(FrenchLayout, DigitsNeedShiftAndLettersMove) {
    Keymap fr("fr");
    KeyboardLayout layout(fr.keymap);
    EXPECT_EQ(Scan(layout, U'1'), (std::pair{int{'1'}, 1}));
    EXPECT_EQ(Scan(layout, U'a'), (std::pair{int{'A'}, 0}));
    EXPECT_EQ(Scan(layout, U'm'), (std::pair{int{'M'}, 0}));
    EXPECT_EQ(Scan(layout, U','), (std::pair{0xBC, 0}));
    // AZERTY's A sits where QWERTY has Q.
    EXPECT_EQ(layout.KeycodeForVk('A'), xkb_keymap_key_by_name(fr.keymap, "AD01"));
}

TEST(RussianLayout, LatinLettersAreMissingButLetterKeysStayInPlace) {
    Keymap ru("ru");
    KeyboardLayout layout(ru.keymap);
    EXPECT_FALSE(layout.FindChar(U'a'));
    EXPECT_EQ(layout.KeycodeForVk('A'), xkb_keymap_key_by_name(ru.keymap, "AC01"));
    EXPECT_EQ(layout.VkForKeycode(xkb_keymap_key_by_name(ru.keymap, "AC01")), 'A');
}

TEST(GroupedLayout, TheActiveGroupDecides) {
    Keymap both("us,de");
    KeyboardLayout layout(both.keymap);
    EXPECT_EQ(Scan(layout, U'@'), (std::pair{int{'2'}, 1}));
    layout.SetState(0, 0, 0, 1); // second group locked
    EXPECT_EQ(Scan(layout, U'@'), (std::pair{int{'Q'}, 6}));
    EXPECT_EQ(Scan(layout, U'z'), (std::pair{int{'Z'}, 0}));
    EXPECT_EQ(layout.KeycodeForVk('Z'), xkb_keymap_key_by_name(both.keymap, "AD06"));
}

TEST(UsLayout, KeypadDigitsNeedNumLock) {
    Keymap us("us");
    KeyboardLayout layout(us.keymap);
    EXPECT_EQ(layout.KeycodeForVk(0x65), 0u); // KP_5 is KP_Begin without Num Lock
    xkb_mod_mask_t numLock = 1u << xkb_keymap_mod_get_index(us.keymap, XKB_MOD_NAME_NUM);
    layout.SetState(numLock, 0, 0, 0);
    EXPECT_EQ(layout.KeycodeForVk(0x65), xkb_keymap_key_by_name(us.keymap, "KP5"));
}

class EveryLayout : public ::testing::TestWithParam<const char*> {};

TEST_P(EveryLayout, EachCharacterIsTypedByTheKeyItsVirtualKeyPresses) {
    Keymap k(GetParam());
    ASSERT_NE(k.keymap, nullptr);
    KeyboardLayout layout(k.keymap);
    int found = 0;
    for (char32_t c = 32; c < 256; ++c) {
        if (auto key = layout.FindChar(c)) {
            ++found;
            EXPECT_EQ(layout.KeycodeForVk(key->vk), key->keycode) << static_cast<unsigned>(c);
            EXPECT_EQ(layout.VkForKeycode(key->keycode), key->vk);
        }
    }
    EXPECT_GT(found, 40);
}

INSTANTIATE_TEST_SUITE_P(Layouts, EveryLayout,
                         ::testing::Values("us", "de", "fr", "gb", "ch", "es", "it", "se",
                                           "us(intl)", "cz", "pl"));

TEST(SpareKeys, ReservedKeysAreNeverUsed) {
    Keymap us("us");
    xkb_keycode_t a = xkb_keymap_key_by_name(us.keymap, "AC01");
    KeyboardLayout layout(us.keymap, {a});
    EXPECT_FALSE(layout.FindChar(U'a'));
    EXPECT_NE(layout.KeycodeForVk('A'), a);
}

} // namespace
} // namespace kv::x11
