#include "engine/capture/CaptureTags.h"

#include "engine/editing/TagWriter.h"
#include "engine/player/PlayerTypes.h"

#include <algorithm>
#include <cstdlib>

namespace kv {
namespace {

constexpr char kClose = '>';

int Largest(int width) {
    int n = 1;
    for (int i = 0; i < width; ++i)
        n *= 10;
    return n - 1;
}

MouseButton TableButton(PointerButton b) {
    switch (b) {
    case PointerButton::Left:
        return MouseButton::Left;
    case PointerButton::Right:
        return MouseButton::Right;
    case PointerButton::Middle:
        break;
    }
    return MouseButton::Middle;
}

// Two numbers in the tag's fields 0 and 2, the table's separator between them.
std::string Pair(TagId id, int first, int second) {
    const TagInfo& t = TagFor(id);
    return std::string(t.spelling) + Pad(first, t.fields[0].width) + std::string(t.fields[1].name) +
           Pad(second, t.fields[2].width);
}

} // namespace

std::string ModifierTag(CaptureModifier m, ModifierAction action) {
    constexpr std::uint8_t kKeys[kModifierCount] = {vk::kShift, vk::kControl, vk::kMenu,
                                                    vk::kLeftWin};
    if (m == kAltKey && action == ModifierAction::Latch)
        action = ModifierAction::Toggle;
    for (const TagInfo& t : AllTags()) {
        if (t.kind == TagKind::Modifier && t.vk == kKeys[m] && t.modifier == action)
            return std::string(t.spelling);
    }
    return {}; // the Windows key has no latch
}

std::size_t ButtonIndex(PointerButton b) {
    return static_cast<std::size_t>(b);
}

std::string ButtonTag(PointerButton b, MouseAction action) {
    for (const TagInfo& t : AllTags()) {
        if (t.kind == TagKind::Mouse && t.button == TableButton(b) && t.mouse == action)
            return std::string(t.spelling);
    }
    return {};
}

std::string MoveTag(bool windowRelative, int x, int y) {
    // Pad keeps a number that does not fit at the nearest that does.
    return Pair(windowRelative ? TagId::MoveWindow : TagId::MoveScreen, x, y) + kClose;
}

std::string WindowSizeTag(int width, int height) {
    const TagInfo& t = TagFor(TagId::WSize);
    const int most = Largest(t.fields[0].width);
    return Pair(TagId::WSize, std::clamp(width, 0, most), std::clamp(height, 0, most)) +
           std::string(kCurrentTitle) + kClose;
}

std::string WheelTags(int notches) {
    const TagInfo& t = TagFor(notches > 0 ? TagId::WheelForward : TagId::WheelBackward);
    const int most = Largest(t.fields[0].width);
    std::string out;
    for (int left = std::abs(notches); left > 0;) {
        const int n = std::min(left, most);
        out += std::string(t.spelling) + Pad(n, t.fields[0].width) + kClose;
        left -= n;
    }
    return out;
}

} // namespace kv
