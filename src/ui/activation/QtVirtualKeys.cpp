#include "ui/activation/QtVirtualKeys.h"

#include <QKeyEvent>

#include <array>
#include <utility>

namespace kv::ui {
namespace {

// The keys Qt names on their own, whatever the layout.
constexpr std::array<std::pair<int, std::uint16_t>, 37> kNamedKeys = {{
    {Qt::Key_Backspace, 0x08}, {Qt::Key_Tab, 0x09},      {Qt::Key_Backtab, 0x09},
    {Qt::Key_Clear, 0x0C},     {Qt::Key_Return, 0x0D},   {Qt::Key_Enter, 0x0D},
    {Qt::Key_Shift, 0x10},     {Qt::Key_Control, 0x11},  {Qt::Key_Alt, 0x12},
    {Qt::Key_Pause, 0x13},     {Qt::Key_CapsLock, 0x14}, {Qt::Key_Escape, 0x1B},
    {Qt::Key_Space, 0x20},     {Qt::Key_PageUp, 0x21},   {Qt::Key_PageDown, 0x22},
    {Qt::Key_End, 0x23},       {Qt::Key_Home, 0x24},     {Qt::Key_Left, 0x25},
    {Qt::Key_Up, 0x26},        {Qt::Key_Right, 0x27},    {Qt::Key_Down, 0x28},
    {Qt::Key_Select, 0x29},    {Qt::Key_Printer, 0x2A},  {Qt::Key_Execute, 0x2B},
    {Qt::Key_Print, 0x2C},     {Qt::Key_SysReq, 0x2C},   {Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, 0x2E},    {Qt::Key_Help, 0x2F},     {Qt::Key_Meta, 0x5B},
    {Qt::Key_Super_L, 0x5B},   {Qt::Key_Super_R, 0x5C},  {Qt::Key_Menu, 0x5D},
    {Qt::Key_Sleep, 0x5F},     {Qt::Key_NumLock, 0x90},  {Qt::Key_ScrollLock, 0x91},
    {Qt::Key_Cancel, 0x03},
}};

// The US layout's punctuation keys (the OEM keys), by both characters each one types.
constexpr std::array<std::pair<int, std::uint16_t>, 22> kOemKeys = {{
    {Qt::Key_Semicolon, 0xBA},    {Qt::Key_Colon, 0xBA},      {Qt::Key_Equal, 0xBB},
    {Qt::Key_Plus, 0xBB},         {Qt::Key_Comma, 0xBC},      {Qt::Key_Less, 0xBC},
    {Qt::Key_Minus, 0xBD},        {Qt::Key_Underscore, 0xBD}, {Qt::Key_Period, 0xBE},
    {Qt::Key_Greater, 0xBE},      {Qt::Key_Slash, 0xBF},      {Qt::Key_Question, 0xBF},
    {Qt::Key_QuoteLeft, 0xC0},    {Qt::Key_AsciiTilde, 0xC0}, {Qt::Key_BracketLeft, 0xDB},
    {Qt::Key_BraceLeft, 0xDB},    {Qt::Key_Backslash, 0xDC},  {Qt::Key_Bar, 0xDC},
    {Qt::Key_BracketRight, 0xDD}, {Qt::Key_BraceRight, 0xDD}, {Qt::Key_Apostrophe, 0xDE},
    {Qt::Key_QuoteDbl, 0xDE},
}};

// The shifted digit row of a US layout: "!" is on the 1 key ... ")" on the 0 key.
constexpr std::array<std::pair<int, char>, 10> kShiftedDigits = {{
    {Qt::Key_Exclam, '1'},
    {Qt::Key_At, '2'},
    {Qt::Key_NumberSign, '3'},
    {Qt::Key_Dollar, '4'},
    {Qt::Key_Percent, '5'},
    {Qt::Key_AsciiCircum, '6'},
    {Qt::Key_Ampersand, '7'},
    {Qt::Key_Asterisk, '8'},
    {Qt::Key_ParenLeft, '9'},
    {Qt::Key_ParenRight, '0'},
}};

// Keypad keys that type a character (Num Lock on); with Num Lock off Qt reports the
// navigation keys, which the named keys above already cover.
constexpr std::array<std::pair<int, std::uint16_t>, 8> kKeypadSymbols = {{
    {Qt::Key_Asterisk, 0x6A},
    {Qt::Key_Plus, 0x6B},
    {Qt::Key_Minus, 0x6D},
    {Qt::Key_Period, 0x6E},
    {Qt::Key_Comma, 0x6E}, // the decimal key of layouts that write a decimal comma
    {Qt::Key_Slash, 0x6F},
    {Qt::Key_Enter, 0x0D},
    {Qt::Key_Return, 0x0D},
}};

template <class Table>
std::uint16_t Find(const Table& table, int key) {
    for (const auto& [qt, vk] : table)
        if (qt == key)
            return static_cast<std::uint16_t>(vk);
    return 0;
}

} // namespace

std::uint16_t VirtualKeyOf(int qtKey, Qt::KeyboardModifiers modifiers) {
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
            return static_cast<std::uint16_t>(0x60 + (qtKey - Qt::Key_0));
        if (const std::uint16_t vk = Find(kKeypadSymbols, qtKey))
            return vk;
    }
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return static_cast<std::uint16_t>('A' + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<std::uint16_t>('0' + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F24)
        return static_cast<std::uint16_t>(0x70 + (qtKey - Qt::Key_F1));
    if (const std::uint16_t vk = Find(kNamedKeys, qtKey))
        return vk;
    if (const std::uint16_t vk = Find(kOemKeys, qtKey))
        return vk;
    for (const auto& [qt, digit] : kShiftedDigits)
        if (qt == qtKey)
            return static_cast<std::uint16_t>(digit);
    return 0;
}

HotKeyParts HotKeyPartsOf(int qtKey, Qt::KeyboardModifiers modifiers) {
    HotKeyParts p;
    p.vk = VirtualKeyOf(qtKey, modifiers);
    p.ctrl = modifiers.testFlag(Qt::ControlModifier);
    p.alt = modifiers.testFlag(Qt::AltModifier);
    p.shift = modifiers.testFlag(Qt::ShiftModifier);
    p.win = modifiers.testFlag(Qt::MetaModifier);
    return p;
}

int HotKeyCodeOf(const QKeyEvent& event) {
    const HotKeyParts p = HotKeyPartsOf(event.key(), event.modifiers());
    return p.vk == 0 ? -1 : HotKeyCode(p);
}

} // namespace kv::ui
