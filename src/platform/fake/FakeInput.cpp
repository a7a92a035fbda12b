#include "platform/fake/FakeInput.h"

#include <cstdio>
#include <cstring>

namespace kv::fake {
namespace {

KeyScan Scan(int vk, int shift) {
    return KeyScan{static_cast<std::uint8_t>(vk), static_cast<std::uint8_t>(shift)};
}

// The US layout's punctuation: unshifted and shifted character of each OEM key.
struct OemKey {
    char plain;
    char shifted;
    int vk;
};
constexpr OemKey kOem[] = {
    {';', ':', 0xBA},  {'=', '+', 0xBB}, {',', '<', 0xBC},  {'-', '_', 0xBD},
    {'.', '>', 0xBE},  {'/', '?', 0xBF}, {'`', '~', 0xC0},  {'[', '{', 0xDB},
    {'\\', '|', 0xDC}, {']', '}', 0xDD}, {'\'', '"', 0xDE},
};
constexpr const char* kShiftedDigits = ")!@#$%^&*(";

} // namespace

std::optional<KeyScan> UsVkKeyScan(char c) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 'a' && b <= 'z')
        return Scan(b - 'a' + 'A', 0);
    if (b >= 'A' && b <= 'Z')
        return Scan(b, 1);
    if (b >= '0' && b <= '9')
        return Scan(b, 0);
    if (const char* d = b ? std::strchr(kShiftedDigits, b) : nullptr)
        return Scan('0' + static_cast<int>(d - kShiftedDigits), 1);
    for (const OemKey& k : kOem) {
        if (k.plain == c)
            return Scan(k.vk, 0);
        if (k.shifted == c)
            return Scan(k.vk, 1);
    }
    switch (b) {
    case ' ':
        return Scan(0x20, 0);
    case '\b':
        return Scan(0x08, 0);
    case '\t':
        return Scan(0x09, 0);
    case '\n':
        return Scan(0x0D, 2); // Ctrl+Enter
    case '\r':
        return Scan(0x0D, 0);
    case 0x1B:
        return Scan(0x1B, 0);
    case 0x1C:
        return Scan(0xDC, 2);
    case 0x1D:
        return Scan(0xDD, 2);
    case 0x1E:
        return Scan('6', 3);
    case 0x1F:
        return Scan(0xBD, 3);
    case 0x7F:
        return Scan(0x08, 2);
    default:
        break;
    }
    if (b >= 1 && b <= 26)
        return Scan('A' + b - 1, 2); // Ctrl and the letter
    return std::nullopt;
}

void FakeInput::Key(std::uint8_t vk, bool up) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%s %02X", up ? "up" : "down", vk);
    trace_.Add(buf);
}

void FakeInput::AltCode(std::string_view digits) {
    trace_.Add("altcode " + std::string(digits));
}

void FakeInput::Button(PointerButton button, bool up) {
    const char* name = button == PointerButton::Left    ? "left"
                       : button == PointerButton::Right ? "right"
                                                        : "middle";
    trace_.Add(std::string("button ") + name + (up ? " up" : " down"));
}

void FakeInput::Wheel(int notches) {
    trace_.Add("wheel " + std::to_string(notches));
}

void FakeInput::MoveTo(int x, int y) {
    trace_.Add("move " + std::to_string(x) + " " + std::to_string(y));
}

} // namespace kv::fake
