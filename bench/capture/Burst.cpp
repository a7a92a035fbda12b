#include "bench/capture/Burst.h"

#include "engine/macrotext/MacroTextReader.h"

#include <xcb/xcb.h>
#include <xcb/xtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <random>
#include <sstream>

namespace kv::bench {
namespace {

// Qt takes two presses within 10 pixels for a double click, Keyvane two at one place.
constexpr int kClickSpacing = 60;
constexpr std::size_t kLineLength = 80; // Enter after so many keystrokes
constexpr std::uint8_t kVkShift = 0x10;
constexpr std::uint8_t kVkReturn = 0x0D;
constexpr std::uint8_t kLeftButton = 1;

std::vector<std::string> Fields(const std::string& line, char separator) {
    std::vector<std::string> fields;
    std::stringstream in(line);
    for (std::string f; std::getline(in, f, separator);)
        fields.push_back(f);
    return fields;
}

int Number(const std::string& s) {
    return static_cast<int>(std::strtol(s.c_str(), nullptr, 10));
}

std::string Describe(const std::vector<Token>& tokens, std::size_t from, std::size_t count) {
    std::string s = "\"";
    for (std::size_t i = from; i < tokens.size() && i < from + count; ++i) {
        const Token& t = tokens[i];
        if (t.click)
            s += "[click " + std::to_string(t.x) + "," + std::to_string(t.y) + "]";
        else if (t.c == '\r')
            s += "|";
        else
            s += t.c;
    }
    return s + "\"";
}

} // namespace

Burst MakeBurst(x11::X11Platform& p, std::size_t keystrokes, std::size_t clicks, const Area& area) {
    auto& layout = p.X11InputPort().Keyboard().Layout();
    const std::string letters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ";
    const std::string digits = "0123456789";
    const std::string punctuation = "!\"#$%&'()*+,-./:;<=>?@[\\]^_`{|}~";
    std::mt19937 random(20240611);
    auto pick = [&](const std::string& from) { return from[random() % from.size()]; };

    Burst b;
    b.shiftKeycode = static_cast<std::uint8_t>(layout.KeycodeForVk(kVkShift));
    auto keyOf = [&](char c) {
        if (b.keys.count(c))
            return true;
        if (c == '\r') {
            b.keys[c] = {static_cast<std::uint8_t>(layout.KeycodeForVk(kVkReturn)), false};
            return b.keys[c].keycode != 0;
        }
        const std::optional<x11::LayoutKey> k = layout.FindChar(static_cast<unsigned char>(c));
        if (!k || k->shiftState > 1 || k->keycode > 255)
            return false;
        b.keys[c] = {static_cast<std::uint8_t>(k->keycode), k->shiftState == 1};
        return true;
    };
    // The clicks fall between keystrokes, so that the burst ends with a few of them.
    const std::size_t every = clicks > 0 ? std::max<std::size_t>(1, keystrokes / clicks) : 0;
    int lastX = -kClickSpacing, lastY = -kClickSpacing;
    for (std::size_t i = 0; i < keystrokes; ++i) {
        char c = 0;
        const auto roll = random() % 100;
        if (i % kLineLength == kLineLength - 1)
            c = '\r';
        else if (roll < 60)
            c = pick(letters);
        else if (roll < 72)
            c = pick(digits);
        else if (roll < 88)
            c = pick(punctuation);
        else
            c = ' ';
        if (!b.shiftKeycode || !keyOf(c))
            return {};
        const bool shift = b.keys[c].shift;
        b.tokens.push_back({false, c, 0, 0});
        ++b.keystrokes;
        b.shifted += shift ? 1 : 0;
        b.enters += c == '\r' ? 1 : 0;
        b.xEvents += shift ? 4 : 2;
        if (every > 0 && i % every == every / 2 && b.clicks < clicks) {
            int x = 0, y = 0;
            do {
                x = area.x + static_cast<int>(random() % static_cast<unsigned>(area.width));
                y = area.y + static_cast<int>(random() % static_cast<unsigned>(area.height));
            } while (std::abs(x - lastX) < kClickSpacing && std::abs(y - lastY) < kClickSpacing);
            lastX = x;
            lastY = y;
            b.tokens.push_back({true, 0, x, y});
            ++b.clicks;
            b.xEvents += 3; // the move, the press and the release
        }
    }
    return b;
}

void SendBurst(x11::X11Platform& p, const Burst& burst, bool paced) {
    xcb_connection_t* c = p.Connection().Raw();
    const xcb_window_t root = p.Connection().Root();
    auto fake = [&](std::uint8_t type, std::uint8_t detail) {
        xcb_test_fake_input(c, type, detail, XCB_CURRENT_TIME, XCB_NONE, 0, 0, 0);
    };
    // The server answers in order: by the reply it has processed every event before it.
    auto sync = [&] { std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr)); };
    for (const Token& t : burst.tokens) {
        if (t.click) {
            xcb_test_fake_input(c, XCB_MOTION_NOTIFY, 0, XCB_CURRENT_TIME, root,
                                static_cast<std::int16_t>(t.x), static_cast<std::int16_t>(t.y), 0);
            fake(XCB_BUTTON_PRESS, kLeftButton);
            fake(XCB_BUTTON_RELEASE, kLeftButton);
        } else {
            const BurstKey& k = burst.keys.at(t.c);
            if (k.shift)
                fake(XCB_KEY_PRESS, burst.shiftKeycode);
            fake(XCB_KEY_PRESS, k.keycode);
            fake(XCB_KEY_RELEASE, k.keycode);
            if (k.shift)
                fake(XCB_KEY_RELEASE, burst.shiftKeycode);
        }
        if (paced)
            sync();
    }
    sync();
}

std::vector<Token> TokensOfMacroText(std::string_view text, std::map<std::string, int>& others) {
    std::vector<Token> tokens;
    int x = 0, y = 0;
    for (const Element& e : SplitElements(text)) {
        if (e.kind == ElementKind::Char) {
            tokens.push_back({false, e.ch, 0, 0});
            continue;
        }
        if (!e.tag) {
            ++others[std::string(text.substr(e.start, e.length))]; // a date or time stamp
            continue;
        }
        switch (e.tag->id) {
        case TagId::Key:
            if (e.tag->vk == kVkReturn)
                tokens.push_back({false, '\r', 0, 0});
            else
                ++others[std::string(e.tag->spelling)];
            break;
        case TagId::MoveScreen:
            x = static_cast<int>(e.Real(0).value_or(-1));
            y = static_cast<int>(e.Real(2).value_or(-1));
            break;
        case TagId::LeftDoubleClick:
            tokens.push_back({true, 0, x, y});
            [[fallthrough]];
        case TagId::LeftClick:
            tokens.push_back({true, 0, x, y});
            break;
        case TagId::Test: // keeps a typed "<" a character
        case TagId::Msd:
        case TagId::Delay:
        case TagId::Speed:
            break;
        default:
            ++others[std::string(e.tag->spelling)];
        }
    }
    return tokens;
}

std::vector<Token> TokensOfProbe(const std::vector<std::string>& lines, std::size_t from) {
    std::vector<Token> tokens;
    for (std::size_t i = from; i < lines.size(); ++i) {
        const std::vector<std::string> f = Fields(lines[i], ' ');
        if (f.size() == 2 && f[0] == "char") {
            const int code = Number(f[1]);
            tokens.push_back({false, code < 128 ? static_cast<char>(code) : '?', 0, 0});
        } else if (f.size() == 5 && f[0] == "button" && f[1] == "down" && f[2] == "left") {
            tokens.push_back({true, 0, Number(f[3]), Number(f[4])});
        }
    }
    return tokens;
}

std::vector<DeviceEvent> CneeEvents(const std::vector<std::string>& lines, bool xtestDevice) {
    std::vector<DeviceEvent> events;
    for (const std::string& line : lines) {
        const std::vector<std::string> f = Fields(line, ',');
        if (line.empty() || line[0] < '0' || line[0] > '9' || f.size() < 6)
            continue;
        const bool xtest = f.size() >= 10 && f[9].find("XTEST") != std::string::npos;
        if (xtest != xtestDevice)
            continue;
        const int type = Number(f[1]);
        const bool button = type == XCB_BUTTON_PRESS || type == XCB_BUTTON_RELEASE;
        events.push_back({type, button ? Number(f[4]) : Number(f[5]), Number(f[2]), Number(f[3])});
    }
    return events;
}

std::vector<DeviceEvent> ReferenceEvents(const std::vector<std::string>& lines) {
    std::vector<DeviceEvent> events;
    for (const std::string& line : lines) {
        const std::vector<std::string> f = Fields(line, ' ');
        if (f.size() == 4)
            events.push_back({Number(f[0]), Number(f[1]), Number(f[2]), Number(f[3])});
    }
    return events;
}

std::vector<Token> TokensOfDeviceEvents(const std::vector<DeviceEvent>& events, const Burst& burst,
                                        std::map<std::string, int>& others) {
    std::map<std::pair<int, bool>, char> chars;
    for (const auto& [c, key] : burst.keys)
        chars[{key.keycode, key.shift}] = c;
    std::vector<Token> tokens;
    bool shift = false;
    int x = 0, y = 0;
    for (const DeviceEvent& e : events) {
        const bool key = e.type == XCB_KEY_PRESS || e.type == XCB_KEY_RELEASE;
        if (key && e.detail == burst.shiftKeycode) {
            shift = e.type == XCB_KEY_PRESS;
        } else if (e.type == XCB_KEY_PRESS) {
            const auto c = chars.find({e.detail, shift});
            if (c != chars.end())
                tokens.push_back({false, c->second, 0, 0});
            else
                ++others["key " + std::to_string(e.detail) + (shift ? " with Shift" : "")];
        } else if (e.type == XCB_MOTION_NOTIFY) {
            x = e.x;
            y = e.y;
        } else if (e.type == XCB_BUTTON_PRESS) {
            if (e.detail == kLeftButton)
                tokens.push_back({true, 0, x, y});
            else
                ++others["button " + std::to_string(e.detail)];
        }
    }
    return tokens;
}

Comparison Compare(const std::vector<Token>& want, const std::vector<Token>& got, bool positions) {
    const auto same = [positions](const Token& a, const Token& b) {
        return positions || !a.click ? a == b : b.click;
    };
    Comparison r;
    const std::size_t n = want.size(), m = got.size();
    // Suffix table of the longest common subsequence; it never exceeds the burst's length.
    std::vector<std::uint16_t> lcs((n + 1) * (m + 1), 0);
    auto at = [&](std::size_t i, std::size_t j) -> std::uint16_t& { return lcs[i * (m + 1) + j]; };
    for (std::size_t i = n; i-- > 0;) {
        for (std::size_t j = m; j-- > 0;) {
            at(i, j) = same(want[i], got[j]) ? static_cast<std::uint16_t>(at(i + 1, j + 1) + 1)
                                             : std::max(at(i + 1, j), at(i, j + 1));
        }
    }
    std::size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && same(want[i], got[j])) {
            (want[i].click ? r.clicks : r.keys) += 1;
            ++i;
            ++j;
        } else if (j == m || (i < n && at(i + 1, j) >= at(i, j + 1))) {
            (want[i].click ? r.lostClicks : r.lostKeys) += 1;
            ++i;
        } else {
            ++r.extra;
            ++j;
        }
    }
    r.exact = n == m && std::equal(want.begin(), want.end(), got.begin(), same);
    if (!r.exact) {
        std::size_t k = 0;
        while (k < n && k < m && same(want[k], got[k]))
            ++k;
        const std::size_t from = k < 6 ? 0 : k - 6;
        r.firstDifference = "at token " + std::to_string(k) + " of " + std::to_string(n) +
                            ": got " + Describe(got, from, 12) + ", expected " +
                            Describe(want, from, 12);
    }
    return r;
}

Comparison CompareApart(const std::vector<Token>& want, const std::vector<Token>& got) {
    auto only = [](const std::vector<Token>& tokens, bool clicks) {
        std::vector<Token> kept;
        std::copy_if(tokens.begin(), tokens.end(), std::back_inserter(kept),
                     [clicks](const Token& t) { return t.click == clicks; });
        return kept;
    };
    const Comparison keys = Compare(only(want, false), only(got, false));
    const Comparison clicks = Compare(only(want, true), only(got, true));
    Comparison r;
    r.keys = keys.keys;
    r.lostKeys = keys.lostKeys;
    r.clicks = clicks.clicks;
    r.lostClicks = clicks.lostClicks;
    r.extra = keys.extra + clicks.extra;
    r.exact = keys.exact && clicks.exact;
    if (!keys.exact)
        r.firstDifference = "in the keys " + keys.firstDifference;
    else if (!clicks.exact)
        r.firstDifference = "in the clicks " + clicks.firstDifference;
    return r;
}

} // namespace kv::bench
