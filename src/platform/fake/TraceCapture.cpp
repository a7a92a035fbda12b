#include "platform/fake/TraceCapture.h"

#include "platform/fake/FakeInput.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <string>

namespace kv::fake {
namespace {

constexpr std::uint8_t kShiftBit = 1;
constexpr std::uint8_t kCtrlBit = 2;
constexpr std::uint8_t kAltBit = 4;

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t p = 0;
    while (p < line.size()) {
        const std::size_t start = line.find_first_not_of(' ', p);
        if (start == std::string_view::npos)
            break;
        const std::size_t end = std::min(line.find(' ', start), line.size());
        words.push_back(line.substr(start, end - start));
        p = end;
    }
    return words;
}

template <typename T>
std::optional<T> Number(std::string_view s, int base = 10) {
    T value{};
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value, base);
    if (ec != std::errc() || end != s.data() + s.size() || s.empty())
        return std::nullopt;
    return value;
}

// Which VkKeyScan shift bit a modifier key is, 0 for other keys.
std::uint8_t ShiftBit(std::uint8_t vk) {
    switch (vk) {
    case 0x10:
    case 0xA0:
    case 0xA1:
        return kShiftBit;
    case 0x11:
    case 0xA2:
    case 0xA3:
        return kCtrlBit;
    case 0x12:
    case 0xA4:
    case 0xA5:
        return kAltBit;
    default:
        return 0;
    }
}

class Reader {
public:
    explicit Reader(const std::optional<WindowRect>& window) : window_(window) {}

    // One line; a line that is not an input event adds nothing.
    void Line(int number, std::string_view line);
    std::vector<CapturedInput> inputs;

private:
    [[noreturn]] void Bad(std::string_view what) const {
        throw TraceLineError(number_, "\"" + std::string(line_) + "\": " + std::string(what));
    }
    void Key(const std::vector<std::string_view>& w, bool up);
    void AltCode(const std::vector<std::string_view>& w);
    void Button(const std::vector<std::string_view>& w);
    CapturedInput& Add(CapturedInput::Kind kind);

    std::optional<WindowRect> window_;
    std::int64_t ms_ = 0;
    int x_ = 0;
    int y_ = 0;
    std::array<int, 8> heldBits_{}; // presses held per shift bit
    int number_ = 0;
    std::string_view line_;
};

CapturedInput& Reader::Add(CapturedInput::Kind kind) {
    CapturedInput& in = inputs.emplace_back();
    in.kind = kind;
    in.ms = ms_;
    in.x = x_;
    in.y = y_;
    if (kind != CapturedInput::Kind::KeyDown && kind != CapturedInput::Kind::KeyUp)
        in.window = window_;
    return in;
}

void Reader::Key(const std::vector<std::string_view>& w, bool up) {
    const auto vk = w.size() == 2 && w[1].size() <= 2 ? Number<unsigned>(w[1], 16) : std::nullopt;
    if (!vk)
        Bad("wants a virtual-key code of two hex digits");
    const auto key = static_cast<std::uint8_t>(*vk);
    CapturedInput& in = Add(up ? CapturedInput::Kind::KeyUp : CapturedInput::Kind::KeyDown);
    in.vk = key;
    if (!up) {
        std::uint8_t state = 0;
        for (std::uint8_t bit : {kShiftBit, kCtrlBit, kAltBit})
            state = static_cast<std::uint8_t>(state | (heldBits_[bit] > 0 ? bit : 0));
        in.character = UsCharacter(key, state);
        in.plainCharacter = UsCharacter(key, 0);
    }
    if (const std::uint8_t bit = ShiftBit(key)) {
        int& held = heldBits_[bit];
        held = up ? std::max(held - 1, 0) : held + 1;
    }
}

void Reader::AltCode(const std::vector<std::string_view>& w) {
    const auto code = w.size() == 2 && w[1].size() <= 4 ? Number<unsigned>(w[1]) : std::nullopt;
    if (!code)
        Bad("wants the digits of a character code");
    // Without a leading 0 the code is of the DOS code page, which only agrees below 128.
    const bool ansi = w[1].front() == '0';
    const unsigned c = *code % 256;
    if (c == 0 || (!ansi && c >= 128))
        return;
    Add(CapturedInput::Kind::KeyDown).character = static_cast<char>(c);
    Add(CapturedInput::Kind::KeyUp);
}

void Reader::Button(const std::vector<std::string_view>& w) {
    constexpr std::pair<std::string_view, PointerButton> kButtons[] = {
        {"left", PointerButton::Left},
        {"right", PointerButton::Right},
        {"middle", PointerButton::Middle}};
    if (w.size() == 3 && (w[2] == "down" || w[2] == "up")) {
        for (const auto& [name, button] : kButtons) {
            if (w[1] == name) {
                Add(w[2] == "up" ? CapturedInput::Kind::ButtonUp : CapturedInput::Kind::ButtonDown)
                    .button = button;
                return;
            }
        }
    }
    Bad("wants left, right or middle, then down or up");
}

void Reader::Line(int number, std::string_view line) {
    number_ = number;
    line_ = line;
    const std::vector<std::string_view> w = Words(line);
    if (w.empty())
        return;
    const std::string_view verb = w[0];
    if (verb == "down" || verb == "up") {
        Key(w, verb == "up");
    } else if (verb == "altcode") {
        AltCode(w);
    } else if (verb == "button") {
        Button(w);
    } else if (verb == "wheel") {
        const auto n = w.size() == 2 ? Number<int>(w[1]) : std::nullopt;
        if (!n)
            Bad("wants a number of notches");
        Add(CapturedInput::Kind::Wheel).notches = *n;
    } else if (verb == "move") {
        const auto x = w.size() == 3 ? Number<int>(w[1]) : std::nullopt;
        const auto y = w.size() == 3 ? Number<int>(w[2]) : std::nullopt;
        if (!x || !y)
            Bad("wants two numbers, X and Y");
        x_ = *x;
        y_ = *y;
        Add(CapturedInput::Kind::Move);
    } else if (verb == "wait") {
        const auto ms = w.size() == 2 ? Number<std::int64_t>(w[1]) : std::nullopt;
        if (!ms || *ms < 0)
            Bad("wants milliseconds");
        ms_ += *ms;
    }
}

} // namespace

char UsCharacter(std::uint8_t vk, std::uint8_t shiftState) {
    for (int c = 0x20; c < 0x7F; ++c) {
        const std::optional<KeyScan> k = UsVkKeyScan(static_cast<char>(c));
        if (k && k->vk == vk && k->shiftState == shiftState)
            return static_cast<char>(c);
    }
    return 0;
}

std::vector<CapturedInput> CapturedFromTrace(std::string_view trace,
                                             const std::optional<WindowRect>& window) {
    Reader reader(window);
    int number = 0;
    while (!trace.empty()) {
        const std::size_t end = std::min(trace.find('\n'), trace.size());
        std::string_view line = trace.substr(0, end);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        reader.Line(++number, line);
        trace.remove_prefix(std::min(end + 1, trace.size()));
    }
    return std::move(reader.inputs);
}

} // namespace kv::fake
