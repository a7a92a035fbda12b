// What a capture writes for what the user did: characters, shortcuts, modifiers alone,
// clicks, drags, the wheel, positions, window sizes and waits, under each option.

#include "engine/capture/CaptureText.h"

#include "platform/fake/FakeInput.h"
#include "platform/fake/TraceCapture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdio>

using namespace kv;

namespace {

using Inputs = std::vector<CapturedInput>;

// Input events in kvn's trace lines, ";" between lines.
Inputs T(std::string trace, std::optional<WindowRect> window = {}) {
    std::replace(trace.begin(), trace.end(), ';', '\n');
    return fake::CapturedFromTrace(trace, window);
}

// The trace of typing `text` on the US layout, Shift pressed for each character that needs it.
std::string Typed(std::string_view text) {
    std::string trace;
    for (char c : text) {
        const KeyScan k = fake::UsVkKeyScan(c).value();
        char key[16];
        std::snprintf(key, sizeof key, "%02X", k.vk);
        const std::string press = std::string("down ") + key + ";up " + key + ";";
        trace += k.shiftState == 1 ? "down 10;" + press + "up 10;" : press;
    }
    return trace;
}

CapturedInput Key(bool up, std::uint8_t vk, char character = 0) {
    CapturedInput in;
    in.kind = up ? CapturedInput::Kind::KeyUp : CapturedInput::Kind::KeyDown;
    in.vk = vk;
    in.character = character;
    return in;
}

Inputs Join(std::initializer_list<Inputs> parts) {
    Inputs all;
    for (const Inputs& p : parts)
        all.insert(all.end(), p.begin(), p.end());
    return all;
}

// Options from letters: t timing, k no keys, m no mouse, a no double Alt, w window
// positions, s window size.
CaptureOptions Options(std::string_view f) {
    const auto has = [f](char c) { return f.find(c) != std::string_view::npos; };
    CaptureOptions o;
    o.time = has('t');
    o.keys = !has('k');
    o.mouse = !has('m');
    o.doubleAlt = !has('a');
    o.relativeToScreen = !has('w');
    o.windowSize = has('s');
    return o;
}

const WindowRect kFront{100, 50, 740, 530};
const WindowRect kSmaller{100, 50, 400, 250};
const std::string kClick = "button left down;button left up;";
const std::string kMixed = "down 41;up 41;wait 100;move 5 5;" + kClick + "wait 50;down 42;up 42";

struct Row {
    const char* name;
    Inputs inputs;
    std::string expected;
    const char* options = "";
};

void PrintTo(const Row& row, std::ostream* os) {
    *os << row.name;
}

const Row kRows[] = {
    // characters
    {"letters, digits, space and shifted characters", T(Typed("Hi 42!")), "Hi 42!"},
    {"a typed < that begins no tag", T(Typed("a<b>")), "a<b>"},
    {"a typed tag spelling keeps its <", T(Typed("<TAB>")), "<<TEST>TAB>"},
    {"a < a key could close as a tag", T(Typed("<MSD:1") + "down 70;up 70"), "<<TEST>MSD:1<F1>"},
    {"a < at the end", T(Typed("x<")), "x<<TEST>"},
    {"a < before a key tag", T(Typed("<") + "down 0D;up 0D"), "<<ENTER>"},
    {"AltGr gives a character",
     {Key(false, 0x11), Key(false, 0x12), Key(false, 0x51, '@'), Key(true, 0x51), Key(true, 0x12),
      Key(true, 0x11)},
     "@"},
    {"AltGr gives a character past 127",
     {Key(false, 0x11), Key(false, 0x12), Key(false, 0x45, '\x80')},
     "\x80"},
    {"a character Windows-1252 lacks falls back to its key tag",
     {Key(false, 0x51), Key(true, 0x51), Key(false, 0x6E), Key(true, 0x6E)},
     "<KEYP.>"},
    {"a character typed by its code", T("altcode 0233;altcode 065"),
     "\xE9"
     "A"},
    // shortcuts
    {"Ctrl+letter", T("down 11;down 41;up 41;up 11"), "<CTRL>a"},
    {"Ctrl let go before the key", T("down 11;down 41;up 11;up 41"), "<CTRL>a"},
    {"Ctrl held over two keys", T("down 11;down 41;up 41;down 43;up 43;up 11"), "<CTLD>ac<CTLU>"},
    {"modifiers in the order pressed", T("down 10;down 11;down BA;up BA;up 11;up 10"),
     "<SHIFT><CTRL>;"},
    {"Ctrl+Alt+Delete", T("down 11;down 12;down 2E;up 2E;up 12;up 11"), "<CTRL><ALT><DELETE>"},
    {"Ctrl+Alt+letter is no AltGr character", T("down 11;down 12;down 41;up 41;up 12;up 11"),
     "<CTRL><ALT>a"},
    {"Alt+Tab+Tab", T("down 12;down 09;up 09;down 09;up 09;up 12"), "<ALTD><TAB><TAB><ALTU>"},
    {"Alt held for one key and a mix", T("down 11;down 12;down 2E;up 2E;up 12;down 41;up 41;up 11"),
     "<CTLD><ALT><DELETE>a<CTLU>"},
    {"the Windows key", T("down 5B;down 45;up 45;down 52;up 52;up 5B"), "<WIND>er<WINU>"},
    {"Ctrl with punctuation", T("down 11;down BD;up BD;up 11"), "<CTRL>-"},
    {"Ctrl with a key that has nothing to write", T("down 11;down 14;up 14;up 11"), ""},
    {"Shift with a key without a character", T("down 10;down 74;up 74;down 20;up 20;up 10"),
     "<SHIFT><F5><SHIFT><SPACE>"},
    {"function and keypad keys",
     T("down 74;up 74;down 87;up 87;down 60;up 60;down 6B;up 6B;down 0D;up 0D;down 2C;up 2C"),
     "<F5><F24><KEYP0><KEYP+><ENTER><PRTSCR>"},
    {"a keypad key that gives a character", {Key(false, 0x65, '5'), Key(true, 0x65)}, "<KEYP5>"},
    // modifiers alone
    {"the stop key's modifiers", T("down 41;up 41;down 11;down 10"), "a"},
    {"Shift or Ctrl alone", T("down 10;up 10;down 11;up 11"), ""},
    {"releases of keys pressed before", T("up 11;up 12;up 5B;up 41;down 42;up 42"), "b"},
    {"Alt alone twice", T("down 12;up 12;down 12;up 12"), "<ALT><ALT><ALT><ALT>"},
    {"Alt alone without double Alt", T("down 12;up 12"), "", "a"},
    {"Alt with a key without double Alt", T("down 12;down 46;up 46;up 12"), "<ALT>f", "a"},
    {"the Windows key alone", T("down 5B;up 5B"), "<LEFTWIN>"},
    // held at the stop
    {"Ctrl+letter, Ctrl held", T("down 11;down 41;up 41"), "<CTRL>a"},
    {"Alt+Tab+Tab, Alt held", T("down 12;down 09;up 09;down 09;up 09"), "<ALTD><TAB><TAB><ALTU>"},
    {"a button held", T("move 5 5;button left down;move 9 9"), "<MMS:00005,00005><LDN><LUP>"},
    // repeats
    {"a held key repeats", T("down 41;down 41;down 41;up 41"), "aaa"},
    {"a held modifier's repeats", T("down 10;down 10;down 41;down 10;up 41;up 10"), "A"},
    {"a shortcut repeating", T("down 11;down 41;down 41;up 41;up 11"), "<CTLD>aa<CTLU>"},
    // buttons and wheel
    {"a click", T("move 10 20;" + kClick), "<MMS:00010,00020><LCLK>"},
    {"the moves before a click",
     T("move 1 1;move 2 2;move 10 20;button right down;button right up"),
     "<MMS:00010,00020><RCLK>"},
    {"a double click", T("move 10 20;" + kClick + "wait 400;" + kClick),
     "<MMS:00010,00020><LDCLK>"},
    {"two slow clicks", T("move 10 20;" + kClick + "wait 600;" + kClick),
     "<MMS:00010,00020><LCLK><LCLK>"},
    {"two clicks at two places", T("move 10 20;" + kClick + "move 11 20;" + kClick),
     "<MMS:00010,00020><LCLK><MMS:00011,00020><LCLK>"},
    {"a triple click", T("move 1 2;" + kClick + kClick + kClick), "<MMS:00001,00002><LDCLK><LCLK>"},
    {"a drag", T("move 1 2;button middle down;move 5 5;move 50 60;button middle up"),
     "<MMS:00001,00002><MDN><MMS:00050,00060><MUP>"},
    {"the wheel", T("move 3 4;wheel 2;wheel -1;wheel 1500"),
     "<MMS:00003,00004><WFW:002><WBW:001><WFW:999><WFW:501>"},
    {"no move to where the pointer is",
     T("move 3 4;" + kClick + "button right down;button right up"),
     "<MMS:00003,00004><LCLK><RCLK>"},
    {"Ctrl held with a click", T("down 11;move 5 5;" + kClick + "up 11"),
     "<CTLD><MMS:00005,00005><LCLK><CTLU>"},
    {"Shift held with a double click", T("down 10;move 5 5;" + kClick + kClick + "up 10"),
     "<SHFD><MMS:00005,00005><LDCLK><SHFU>"},
    {"a button pressed before", T("button left up;move 1 1;button middle down;button middle up"),
     "<MMS:00001,00001><MCLK>"},
    // positions
    {"from the window in front", T("move 110 70;" + kClick, kFront), "<MMW:00010,00020><LCLK>",
     "w"},
    {"left of the window in front", T("move 90 40;" + kClick, kFront), "<MMW:-0010,-0010><LCLK>",
     "w"},
    {"the window size first and when it changes",
     Join({T("move 110 70;" + kClick + "move 120 70;" + kClick, kFront),
           T("move 120 70;" + kClick, kSmaller)}),
     "<WSIZE:0640,0480\"CURRENT\"><MMW:00010,00020><LCLK><MMW:00020,00020><LCLK>"
     "<WSIZE:0300,0200\"CURRENT\"><LCLK>",
     "ws"},
    {"no window size on the screen", T("move 110 70;" + kClick, kFront), "<MMS:00110,00070><LCLK>",
     "s"},
    {"no window in front", T("move 110 70;" + kClick), "<MMS:00110,00070><LCLK>", "ws"},
    {"positions beyond the fields", T("move -20000 5;" + kClick + "move 123456 -5;" + kClick),
     "<MMS:-9999,00005><LCLK><MMS:99999,-0005><LCLK>"},
    // timing
    {"MSD up to 9999, then DELAY",
     T("down 41;up 41;wait 9999;down 42;up 42;wait 10000;down 43;up 43;wait 10001;down 44;up 44"),
     "a<MSD:9999>b<DELAY:00010>c<DELAY:00010><MSD:0001>d", "t"},
    {"more seconds than DELAY holds", T("down 41;up 41;wait 100000000;down 42;up 42"),
     "a<DELAY:99999><MSD:1000>b", "t"},
    {"no wait first, last, or of 0 ms",
     T("wait 500;down 41;up 41;down 42;up 42;wait 5;down 43;up 43;wait 70"), "ab<MSD:0005>c", "t"},
    {"a key held adds to the next wait", T("down 41;wait 80;up 41;wait 20;down 42;up 42"),
     "a<MSD:0100>b", "t"},
    {"the move when the pointer got there",
     T("move 1 1;wait 300;button left down;wait 90;" +
       std::string("button left up;wait 10;down 41;up 41")),
     "<MMS:00001,00001><MSD:0300><LCLK><MSD:0100>a", "t"},
    {"a modifier's press has its own moment", T("down 11;wait 50;down 41;up 41;wait 30;up 11"),
     "<CTRL><MSD:0050>a", "t"},
    {"a drag's moments",
     T("move 1 1;wait 10;button left down;wait 20;move 9 9;wait 30;" +
       std::string("button left up")),
     "<MMS:00001,00001><MSD:0010><LDN><MSD:0020><MMS:00009,00009><MSD:0030><LUP>", "t"},
    // what is recorded
    {"keys off", T(kMixed), "<MMS:00005,00005><LCLK>", "kt"},
    {"mouse off", T(kMixed), "a<MSD:0150>b", "mt"},
    {"everything", T(kMixed), "a<MSD:0100><MMS:00005,00005><LCLK><MSD:0050>b", "t"},
};

class CaptureText : public ::testing::TestWithParam<Row> {};

TEST_P(CaptureText, WritesTheTagChosenForIt) {
    const Row& row = GetParam();
    EXPECT_EQ(CaptureToText(row.inputs, Options(row.options)), row.expected) << row.name;
}

INSTANTIATE_TEST_SUITE_P(Choices, CaptureText, ::testing::ValuesIn(kRows),
                         [](const ::testing::TestParamInfo<Row>& param) {
                             std::string name;
                             for (const char* p = param.param.name; *p; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });

TEST(CaptureWriter, GivesTextAsItBecomesFinal) {
    CaptureWriter w(Options(""));
    const Inputs in = T("down 11;down 41;up 41;up 11;move 5 5;" + kClick + "down 42");
    std::vector<std::string> out;
    for (const CapturedInput& i : in)
        out.push_back(w.Add(i));
    out.push_back(w.Finish());
    // The shortcut waits for Ctrl's release, the click for what follows it.
    const std::vector<std::string> expected = {
        "", "", "", "<CTRL>a", "", "<MMS:00005,00005>", "", "<LCLK>b", ""};
    EXPECT_EQ(out, expected);
}

TEST(CaptureWriter, SpeedTags) {
    EXPECT_EQ(SpeedTag(1), "<SPEED:00001>");
    EXPECT_EQ(SpeedTag(2), "<SPEED:00002>");
    EXPECT_EQ(SpeedTag(3), "<SPEED:00.50>");
    EXPECT_EQ(SpeedTag(4), "<SPEED:00.25>");
    EXPECT_EQ(SpeedTag(9), "<SPEED:00001>");
}

} // namespace
