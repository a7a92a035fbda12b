// Qt keys as Windows virtual keys and hot key codes, as a US keyboard produces them.

#include "ui/activation/QtVirtualKeys.h"

#include <QKeyEvent>

#include <gtest/gtest.h>

using namespace kv;
using namespace kv::ui;

namespace {

constexpr Qt::KeyboardModifiers kNone = Qt::NoModifier;
constexpr Qt::KeyboardModifiers kPad = Qt::KeypadModifier;

TEST(QtVirtualKeysTest, LettersDigitsAndFunctionKeys) {
    EXPECT_EQ(VirtualKeyOf(Qt::Key_A, kNone), 0x41);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Z, Qt::ControlModifier), 0x5A);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_0, kNone), 0x30);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_9, kNone), 0x39);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_F1, kNone), 0x70);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_F12, kNone), 0x7B);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_F24, kNone), 0x87);
}

TEST(QtVirtualKeysTest, NamedKeys) {
    const std::pair<int, int> keys[] = {
        {Qt::Key_Space, 0x20},     {Qt::Key_Return, 0x0D},    {Qt::Key_Enter, 0x0D},
        {Qt::Key_Tab, 0x09},       {Qt::Key_Backtab, 0x09},   {Qt::Key_Escape, 0x1B},
        {Qt::Key_Backspace, 0x08}, {Qt::Key_Pause, 0x13},     {Qt::Key_Print, 0x2C},
        {Qt::Key_Insert, 0x2D},    {Qt::Key_Delete, 0x2E},    {Qt::Key_Home, 0x24},
        {Qt::Key_End, 0x23},       {Qt::Key_PageUp, 0x21},    {Qt::Key_PageDown, 0x22},
        {Qt::Key_Left, 0x25},      {Qt::Key_Up, 0x26},        {Qt::Key_Right, 0x27},
        {Qt::Key_Down, 0x28},      {Qt::Key_Menu, 0x5D},      {Qt::Key_CapsLock, 0x14},
        {Qt::Key_NumLock, 0x90},   {Qt::Key_ScrollLock, 0x91}};
    for (const auto& [qt, vk] : keys)
        EXPECT_EQ(VirtualKeyOf(qt, kNone), vk) << std::hex << qt;
}

TEST(QtVirtualKeysTest, PunctuationIsTheUsKeyWhicheverCharacterItTyped) {
    const std::pair<int, int> keys[] = {
        {Qt::Key_Period, 0xBE},      {Qt::Key_Greater, 0xBE},   {Qt::Key_Comma, 0xBC},
        {Qt::Key_Less, 0xBC},        {Qt::Key_Slash, 0xBF},     {Qt::Key_Question, 0xBF},
        {Qt::Key_Semicolon, 0xBA},   {Qt::Key_Colon, 0xBA},     {Qt::Key_Apostrophe, 0xDE},
        {Qt::Key_QuoteDbl, 0xDE},    {Qt::Key_Backslash, 0xDC}, {Qt::Key_Bar, 0xDC},
        {Qt::Key_BracketLeft, 0xDB}, {Qt::Key_BraceLeft, 0xDB}, {Qt::Key_BracketRight, 0xDD},
        {Qt::Key_BraceRight, 0xDD},  {Qt::Key_Minus, 0xBD},     {Qt::Key_Underscore, 0xBD},
        {Qt::Key_Equal, 0xBB},       {Qt::Key_Plus, 0xBB},      {Qt::Key_QuoteLeft, 0xC0},
        {Qt::Key_AsciiTilde, 0xC0},  {Qt::Key_Exclam, '1'},     {Qt::Key_At, '2'},
        {Qt::Key_AsciiCircum, '6'},  {Qt::Key_Asterisk, '8'},   {Qt::Key_ParenRight, '0'}};
    for (const auto& [qt, vk] : keys)
        EXPECT_EQ(VirtualKeyOf(qt, Qt::ShiftModifier), vk) << std::hex << qt;
}

TEST(QtVirtualKeysTest, KeypadKeysAreTheirOwn) {
    EXPECT_EQ(VirtualKeyOf(Qt::Key_0, kPad), 0x60);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_7, kPad), 0x67);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Slash, kPad), 0x6F);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Asterisk, kPad), 0x6A);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Minus, kPad), 0x6D);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Plus, kPad), 0x6B);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Period, kPad), 0x6E);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Enter, kPad), 0x0D);
    // Num Lock off: the keypad reports the navigation keys.
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Home, kPad), 0x24);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Clear, kPad), 0x0C);
}

TEST(QtVirtualKeysTest, UnknownKeysHaveNone) {
    EXPECT_EQ(VirtualKeyOf(Qt::Key_unknown, kNone), 0);
    EXPECT_EQ(VirtualKeyOf(Qt::Key_Eacute, kNone), 0);
}

int CodeOf(int key, Qt::KeyboardModifiers m) {
    const QKeyEvent e(QEvent::KeyPress, key, m);
    return HotKeyCodeOf(e);
}

TEST(QtVirtualKeysTest, KeyPressesBecomeHotKeyCodes) {
    const auto ctrlAlt = Qt::ControlModifier | Qt::AltModifier;
    EXPECT_EQ(HotKeyName(CodeOf(Qt::Key_N, ctrlAlt)), "Ctrl+Alt+N");
    EXPECT_EQ(CodeOf(Qt::Key_N, ctrlAlt), 144 + 13);
    EXPECT_EQ(HotKeyName(CodeOf(Qt::Key_Backtab, Qt::ShiftModifier)), "Shift+Tab");
    EXPECT_EQ(HotKeyName(CodeOf(Qt::Key_F12, Qt::MetaModifier | Qt::ControlModifier)),
              "Win+Ctrl+F12");
    EXPECT_EQ(HotKeyName(CodeOf(Qt::Key_Slash, Qt::ControlModifier | kPad)), "Ctrl+Keypad /");
    EXPECT_EQ(HotKeyName(CodeOf(Qt::Key_5, Qt::AltModifier | kPad)), "Alt+KeyPad 5");
    EXPECT_EQ(HotKeyName(CodeOf(Qt::Key_Exclam, Qt::ControlModifier | Qt::ShiftModifier)),
              "Ctrl+Shift+1");
    EXPECT_EQ(HotKeyName(CodeOf(Qt::Key_Escape, kNone)), "ESC");
    EXPECT_EQ(HotKeyName(CodeOf(Qt::Key_PageUp, kNone)), "Page Up");
    EXPECT_EQ(HotKeyName(CodeOf(Qt::Key_Comma, Qt::AltModifier)), "Alt+,");
}

TEST(QtVirtualKeysTest, CombinationsWithoutACodeGiveNone) {
    EXPECT_EQ(CodeOf(Qt::Key_A, kNone), -1);
    EXPECT_EQ(CodeOf(Qt::Key_Tab, kNone), -1);
    EXPECT_EQ(CodeOf(Qt::Key_Return, kNone), -1);
    EXPECT_EQ(CodeOf(Qt::Key_Control, Qt::ControlModifier), -1);
    EXPECT_EQ(CodeOf(Qt::Key_Eacute, Qt::ControlModifier), -1);
}

} // namespace
