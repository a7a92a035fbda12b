// Typing recorded on real layouts: what the hook reads from the keyboard's state for every
// press, turned into macro text, gives back the very text that was typed, whatever Shift and
// AltGr it took. Random texts over each layout's characters.

#include "platform/x11/CaptureKeys.h"

#include "engine/capture/CaptureText.h"
#include "engine/core/Ansi.h"
#include "platform/x11/KeyboardLayout.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace kv;
using namespace kv::x11;

namespace {

struct Keymap {
    xkb_context* context = xkb_context_new(XKB_CONTEXT_NO_FLAGS);
    xkb_keymap* keymap = nullptr;
    explicit Keymap(const char* layout) {
        xkb_rule_names names{"evdev", "pc105", layout, "", nullptr};
        keymap = xkb_keymap_new_from_names(context, &names, XKB_KEYMAP_COMPILE_NO_FLAGS);
    }
    ~Keymap() {
        xkb_keymap_unref(keymap);
        xkb_context_unref(context);
    }
};

// The code point of a Windows-1252 character.
char32_t CodePoint(char c) {
    const std::string utf8 = AnsiToUtf8(std::string(1, c));
    const auto b = [&](std::size_t i) { return static_cast<char32_t>(utf8[i] & 0xFF); };
    if (utf8.size() == 1)
        return b(0);
    if (utf8.size() == 2)
        return ((b(0) & 0x1F) << 6) | (b(1) & 0x3F);
    return ((b(0) & 0x0F) << 12) | ((b(1) & 0x3F) << 6) | (b(2) & 0x3F);
}

// Presses and releases a key as the user does, telling the capture what the hook would.
class Typist {
public:
    Typist(xkb_keymap* keymap, KeyboardLayout& layout)
        : state_(xkb_state_new(keymap)), layout_(layout) {}
    ~Typist() { xkb_state_unref(state_); }

    void Press(xkb_keycode_t keycode, bool down) {
        const CapturedKey key = ReadCapturedKey(state_, keycode);
        if (!key.level3) {
            CapturedInput in;
            in.kind = down ? CapturedInput::Kind::KeyDown : CapturedInput::Kind::KeyUp;
            in.vk = layout_.VkForKeycode(keycode);
            if (in.vk == 0xA0 || in.vk == 0xA1)
                in.vk = 0x10;
            if (down) {
                in.character = key.character;
                in.plainCharacter = key.plainCharacter;
            }
            in.ms = ms_++;
            events.push_back(in);
        }
        xkb_state_update_key(state_, keycode, down ? XKB_KEY_DOWN : XKB_KEY_UP);
    }
    void Type(const LayoutKey& k) {
        const bool shift = k.shiftState & 1;
        const bool altGr = (k.shiftState & 6) == 6;
        const xkb_keycode_t shiftKey = layout_.KeycodeForVk(0x10);
        if (shift)
            Press(shiftKey, true);
        if (altGr)
            Press(layout_.Level3Key(), true);
        Press(k.keycode, true);
        Press(k.keycode, false);
        if (altGr)
            Press(layout_.Level3Key(), false);
        if (shift)
            Press(shiftKey, false);
    }

    std::vector<CapturedInput> events;

private:
    xkb_state* state_;
    KeyboardLayout& layout_;
    std::int64_t ms_ = 0;
};

class CapturedTyping : public ::testing::TestWithParam<const char*> {};

TEST_P(CapturedTyping, GivesBackTheTextTyped) {
    Keymap km(GetParam());
    ASSERT_NE(km.keymap, nullptr);
    KeyboardLayout layout(km.keymap);
    // Every Windows-1252 character the layout types with its keys alone ("<" stands apart:
    // the text keeps it a character with a marker after it).
    std::vector<std::pair<char, LayoutKey>> typable;
    for (int c = 0x21; c <= 0xFF; ++c) {
        if (c == '<' || c == 0x7F)
            continue;
        if (auto k = layout.FindChar(CodePoint(static_cast<char>(c))))
            typable.emplace_back(static_cast<char>(c), *k);
    }
    ASSERT_GT(typable.size(), 80u);
    CaptureOptions options;
    options.time = false;
    options.mouse = false;
    std::mt19937 random(1234);
    for (int round = 0; round < 200; ++round) {
        Typist typist(km.keymap, layout);
        std::string typed;
        const int length = 1 + static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) {
            const auto& [c, key] = typable[random() % typable.size()];
            typed += c;
            typist.Type(key);
        }
        ASSERT_EQ(CaptureToText(typist.events, options), typed) << AnsiToUtf8(typed);
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, CapturedTyping, ::testing::Values("us", "de", "fr"));

} // namespace
