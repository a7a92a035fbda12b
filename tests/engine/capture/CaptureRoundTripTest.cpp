// Captured input plays back as the same input: random macro texts of keys, shortcuts,
// clicks, drags, wheel turns and waits are played on the fake platform, their events
// captured into text, and that text played again gives the same events and, timed, the
// same waits to the millisecond.

#include "engine/capture/CaptureText.h"

#include "engine/player/PlayerTestSupport.h"
#include "platform/fake/TraceCapture.h"

#include <gtest/gtest.h>

#include <random>

using namespace kv;

namespace {

using Lines = std::vector<std::string>;

const WindowRect kFront{100, 50, 740, 530};

std::string Digits(int n, std::size_t width) {
    const std::string s = std::to_string(n);
    return std::string(width - s.size(), '0') + s;
}

// A macro text of random pieces, each in a form that a capture writes back as it plays.
class Generator {
public:
    explicit Generator(unsigned seed) : rng_(seed) {}

    std::string Text(int pieces) {
        std::string text;
        for (int i = 0; i < pieces; ++i) {
            if (i > 0 && Chance(3))
                text += Wait();
            // A typed "<" is followed by a tag, never by letters that might make one.
            text += Piece(text.ends_with('<'));
        }
        return text;
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng_); }
    bool Chance(int oneIn) { return Pick(oneIn) == 0; }
    std::string OneOf(std::initializer_list<const char*> all) {
        return all.begin()[Pick(int(all.size()))];
    }

    std::string Wait() {
        return Chance(6) ? "<DELAY:" + Digits(1 + Pick(30), 5) + ">"
                         : "<MSD:" + Digits(1 + Pick(9999), 4) + ">";
    }
    std::string MaybeWait() { return Chance(3) ? Wait() : ""; }
    std::string KeyTag() {
        static const std::vector<std::string> tags = [] {
            std::vector<std::string> keys;
            for (const TagInfo& t : AllTags()) // the Windows keys are modifiers
                if (t.kind == TagKind::Key && t.vk != 0x5B && t.vk != 0x5C)
                    keys.emplace_back(t.spelling);
            return keys;
        }();
        return tags[static_cast<std::size_t>(Pick(static_cast<int>(tags.size())))];
    }
    std::string ShortcutKey() {
        return Chance(2) ? KeyTag() : std::string(1, "abxz059;=,-./`[\\]'"[Pick(18)]);
    }
    std::string Move() {
        const int x0 = x_;
        const int y0 = y_;
        while (x_ == x0 && y_ == y0) {
            x_ = Pick(1024);
            y_ = Pick(768);
        }
        pointerUsed_ = true;
        return "<MMS:" + Digits(x_, 5) + "," + Digits(y_, 5) + ">";
    }

    std::string Piece(bool afterLt) {
        std::string s;
        switch (Pick(12)) {
        case 0:
        case 1:
        case 2:
            if (afterLt)
                return KeyTag();
            for (int n = 1 + Pick(6); n > 0 && !s.ends_with('<'); --n)
                s += Chance(10) ? "\xE9\xFC\xDF\x80"[Pick(4)] : static_cast<char>(0x20 + Pick(95));
            return s;
        case 3:
            return KeyTag();
        case 4:
            return "<SHIFT>" + (Chance(2) ? KeyTag() : "q");
        case 5: { // Ctrl, Alt, Shift latched, in any order
            std::vector<std::string> mods = {"<CTRL>", "<ALT>", "<SHIFT>"};
            std::shuffle(mods.begin(), mods.end(), rng_);
            mods.resize(static_cast<std::size_t>(1 + Pick(3)));
            if (mods.size() == 1 && mods[0] == "<SHIFT>")
                mods.push_back("<CTRL>");
            for (const std::string& m : mods)
                s += m + MaybeWait();
            return s + ShortcutKey();
        }
        case 6: { // held down over keys; Ctrl and Alt over at least two
            const int which = Pick(3);
            s = which == 0 ? "<CTLD>" : which == 1 ? "<ALTD>" : "<WIND>";
            for (int n = which == 2 ? 1 + Pick(2) : 2 + Pick(2); n > 0; --n)
                s += MaybeWait() + ShortcutKey();
            return s + MaybeWait() + (which == 0 ? "<CTLU>" : which == 1 ? "<ALTU>" : "<WINU>");
        }
        case 7:
            return OneOf({"<ALT><ALT>", "<LEFTWIN>", "<RIGHTWIN>"});
        case 8:
        case 9: { // a click or double click, perhaps with a modifier held
            const int held = Pick(6);
            const char* down[] = {"<SHFD>", "<CTLD>", "<ALTD>"};
            const char* up[] = {"<SHFU>", "<CTLU>", "<ALTU>"};
            if (held < 3)
                s += down[held] + MaybeWait();
            s += Move() + MaybeWait() + OneOf({"<LCLK>", "<RCLK>", "<MCLK>", "<LDCLK>", "<RDCLK>"});
            return held < 3 ? s + MaybeWait() + up[held] : s;
        }
        case 10: { // a drag
            const int b = Pick(3);
            s = Move() + MaybeWait() + (b == 0 ? "<LDN>" : b == 1 ? "<RDN>" : "<MDN>");
            s += MaybeWait() + Move() + MaybeWait();
            return s + (b == 0 ? "<LUP>" : b == 1 ? "<RUP>" : "<MUP>");
        }
        default:
            if (!pointerUsed_ || Chance(2))
                s = Move() + MaybeWait();
            return s + OneOf({"<WFW:", "<WBW:"}) + Digits(1 + Pick(999), 3) + ">";
        }
    }

    std::mt19937 rng_;
    int x_ = -1;
    int y_ = -1;
    bool pointerUsed_ = false;
};

bool IsKey(const std::string& line) {
    return line.starts_with("down ") || line.starts_with("up ") || line.starts_with("altcode ");
}

// The input lines, less what a capture leaves out: moves to where the pointer already is
// (after which the waits around them meet), waits when untimed, keys when keys are off
// (with the waits at either end).
Lines Normalised(const Lines& lines, const CaptureOptions& o) {
    Lines out;
    std::string at;
    for (const std::string& line : lines) {
        const bool wait = line.starts_with("wait ");
        if ((!o.time && wait) || (!o.keys && IsKey(line)) ||
            !(IsKey(line) || wait || line.starts_with("button ") || line.starts_with("wheel ") ||
              line.starts_with("move ")) ||
            (line.starts_with("move ") && std::exchange(at, line) == line))
            continue;
        if (wait && !out.empty() && out.back().starts_with("wait "))
            out.back() = "wait " + std::to_string(std::stoll(out.back().substr(5)) +
                                                  std::stoll(line.substr(5)));
        else
            out.push_back(line);
    }
    if (!out.empty() && out.back().starts_with("wait "))
        out.pop_back();
    if (!out.empty() && out.front().starts_with("wait "))
        out.erase(out.begin());
    return out;
}

class CaptureRoundTrip : public kv::test::PlayerTest {
protected:
    CaptureRoundTrip() {
        dispatch.target = world.windows.AddWindow("Front");
        world.windows.Find(dispatch.target)->rect = kFront;
    }

    void Check(unsigned seeds, const CaptureOptions& o) {
        for (unsigned seed = 1; seed <= seeds; ++seed) {
            const std::string text = Generator(seed).Text(12);
            const Lines first = Play(text);
            std::string trace;
            for (const std::string& l : first)
                trace += l + '\n';
            const auto front = o.relativeToScreen ? std::nullopt : std::optional(kFront);
            const std::string captured = (o.time ? SpeedTag(o.speed) : "") +
                                         CaptureToText(fake::CapturedFromTrace(trace, front), o);
            ASSERT_EQ(Normalised(first, o), Normalised(Play(captured), o))
                << "seed " << seed << "\nplayed:   " << text << "\ncaptured: " << captured;
        }
    }
};

TEST_F(CaptureRoundTrip, PlaysTheSameEventsAndWaits) {
    Check(300, CaptureOptions{});
}

TEST_F(CaptureRoundTrip, PlaysTheSameEventsFromTheWindowWithItsSize) {
    Check(300, CaptureOptions{.relativeToScreen = false, .time = false, .windowSize = true});
}

TEST_F(CaptureRoundTrip, WithoutKeysPlaysThePointerAtItsTimes) {
    Check(100, CaptureOptions{.keys = false});
}

TEST(CaptureTypedText, TagSpellingsTypedStayCharacters) {
    const std::string alphabet = "<<>>TABENTERMSDLYhm:{}/ 0123456789.,\"";
    std::mt19937 rng(7);
    for (int n = 0; n < 300; ++n) {
        std::string typed;
        std::vector<CapturedInput> inputs;
        for (int i = std::uniform_int_distribution<int>(1, 16)(rng); i > 0; --i) {
            const char c =
                alphabet[std::uniform_int_distribution<std::size_t>(0, alphabet.size() - 1)(rng)];
            typed += c;
            CapturedInput in;
            in.vk = fake::UsVkKeyScan(c)->vk;
            in.character = c;
            inputs.push_back(in);
            in.kind = CapturedInput::Kind::KeyUp;
            inputs.push_back(in);
        }
        const std::string text = CaptureToText(inputs, CaptureOptions{.time = false});
        std::string read;
        for (const Element& e : SplitElements(text)) {
            ASSERT_TRUE(e.kind == ElementKind::Char || e.tag == &TagFor(TagId::Test)) << text;
            if (e.kind == ElementKind::Char)
                read += e.ch;
        }
        ASSERT_EQ(read, typed) << text;
    }
}

} // namespace
