#include "engine/activation/HotKeys.h"

#include <initializer_list>
#include <vector>

namespace kv {
namespace {

struct Mods {
    bool win = false;
    bool ctrl = false;
    bool alt = false;
    bool shift = false;
};

constexpr Mods kPlain{};
constexpr Mods kCtrl{.ctrl = true};
constexpr Mods kAlt{.alt = true};
constexpr Mods kShift{.shift = true};
constexpr Mods kCtrlShift{.ctrl = true, .shift = true};
constexpr Mods kAltShift{.alt = true, .shift = true};
constexpr Mods kCtrlAlt{.ctrl = true, .alt = true};
constexpr Mods kCtrlAltShift{.ctrl = true, .alt = true, .shift = true};
constexpr Mods kWin{.win = true};
constexpr Mods kWinCtrl{.win = true, .ctrl = true};
constexpr Mods kWinAlt{.win = true, .alt = true};
constexpr Mods kWinShift{.win = true, .shift = true};

using ModSet = std::initializer_list<Mods>;
constexpr ModSet kSetA = {kCtrl, kAlt, kShift, kCtrlShift, kAltShift, kCtrlAlt, kCtrlAltShift};
constexpr ModSet kSetB = {kCtrl, kAlt, kCtrlShift, kAltShift, kCtrlAlt, kCtrlAltShift};
constexpr ModSet kSetC = {kPlain,     kCtrl,     kAlt,     kShift,
                          kCtrlShift, kAltShift, kCtrlAlt, kCtrlAltShift};
constexpr ModSet kSetM = {kShift,   kCtrl,     kAlt,      kCtrlShift, kCtrlAlt,
                          kWinCtrl, kWinShift, kAltShift, kWinAlt};

struct Key {
    std::uint16_t vk;
    std::string name;
    bool keypad = false; // named "KeyPad x", or "Keypad x" after Ctrl
};

constexpr std::uint16_t kVkF1 = 0x70;

std::vector<Key> GroupOf48() {
    std::vector<Key> keys;
    for (char c = 'A'; c <= 'Z'; ++c)
        keys.push_back({static_cast<std::uint16_t>(c), std::string(1, c)});
    for (char c = '0'; c <= '9'; ++c)
        keys.push_back({static_cast<std::uint16_t>(c), std::string(1, c)});
    for (int f = 1; f <= 12; ++f)
        keys.push_back({static_cast<std::uint16_t>(kVkF1 + f - 1), "F" + std::to_string(f)});
    return keys;
}

struct Row {
    HotKeyParts parts;
    std::string name;     // as the table shows it, at most 24 characters
    std::string fullName; // before the cut
};

class TableBuilder {
public:
    void Add(const Key& key, Mods m) { Add(key.vk, kButtonNone, key.name, key.keypad, m); }
    void Add(const Key& key, ModSet set) {
        for (Mods m : set)
            Add(key, m);
    }
    void AddButton(std::uint16_t button, const char* name, Mods m) {
        Add(0, button, name, false, m);
    }

    std::vector<Row> rows;

private:
    void Add(std::uint16_t vk, std::uint16_t button, const std::string& keyName, bool keypad,
             Mods m) {
        std::string name;
        if (m.win)
            name += "Win+";
        if (m.ctrl)
            name += "Ctrl+";
        if (m.alt)
            name += "Alt+";
        if (m.shift)
            name += "Shift+";
        if (keypad)
            name += m.ctrl ? "Keypad " : "KeyPad ";
        name += keyName;
        Row row{{vk, button, m.ctrl, m.alt, m.shift, m.win}, name.substr(0, kHotKeyNameMax), name};
        rows.push_back(std::move(row));
    }
};

// Rows in code order; the layout is fixed by the hook and by every macro file ever saved.
std::vector<Row> BuildTable() {
    const Key enter{0x0D, "Enter"}, tab{0x09, "Tab"}, backspace{0x08, "Backspace"},
        space{0x20, "Space"}, insert{0x2D, "Insert"}, del{0x2E, "Delete"}, home{0x24, "Home"},
        end{0x23, "End"}, pageUp{0x21, "Page Up"}, pageDown{0x22, "Page Down"},
        left{0x25, "Left Arrow"}, right{0x27, "Right Arrow"}, up{0x26, "Up Arrow"},
        down{0x28, "Down Arrow"}, esc{0x1B, "ESC"};
    const std::vector<Key> punctuation = {{0xBE, "."}, {0xBC, ","},  {0xBF, "/"}, {0xBA, ";"},
                                          {0xDE, "'"}, {0xDC, "\\"}, {0xDB, "["}, {0xDD, "]"},
                                          {0xBD, "-"}, {0xBB, "="},  {0xC0, "`"}};
    const std::vector<Key> keypadOps = {
        {0x6F, "/", true}, {0x6A, "*", true}, {0x6D, "-", true}, {0x6B, "+", true}};
    const std::vector<Key> group = GroupOf48();

    TableBuilder t;
    for (Mods m : {kCtrl, kAlt, kCtrlShift, kCtrlAlt, kAltShift, kCtrlAltShift})
        for (const Key& k : group)
            t.Add(k, m);
    for (Mods m : {kPlain, kShift})
        for (int f = 0; f < 12; ++f)
            t.Add(group[static_cast<std::size_t>(36 + f)], m);
    t.Add(enter, kSetA);
    t.Add(tab, {kCtrl, kShift, kCtrlShift, kCtrlAlt, kCtrlAltShift});
    t.Add(backspace, kSetA);
    t.Add(space, kSetA);
    t.Add(insert, kSetA);
    t.Add(del, {kCtrl, kAlt, kShift, kCtrlShift, kAltShift});
    t.Add(home, kSetA);
    t.Add(end, kSetA);
    for (const Key& k : punctuation)
        t.Add(k, kSetB);
    for (const Key& k : keypadOps)
        t.Add(k, kSetC);
    for (const Key& k : {insert, del, home, end, pageUp, pageDown, left, right, up, down})
        t.Add(k, kPlain);
    for (const Key& k : {pageUp, pageDown, left, right, up, down})
        t.Add(k, kSetA);
    for (int d = 0; d <= 9; ++d)
        t.Add(Key{static_cast<std::uint16_t>(0x60 + d), std::to_string(d), true},
              {kPlain, kCtrl, kAlt, kCtrlAlt});
    for (Mods m : {kWin, kWinCtrl, kWinAlt})
        for (const Key& k : group)
            t.Add(k, m);
    t.Add(esc, kPlain);
    for (Mods m : kSetM)
        t.AddButton(kButtonLeft, "Left Button", m);
    for (Mods m : kSetM)
        t.AddButton(kButtonRight, "Right Button", m);
    for (Mods m : kSetM)
        t.AddButton(kButtonMiddle, "Middle Button", m);
    t.AddButton(kButtonMiddle, "Middle Button", kPlain);
    return std::move(t.rows);
}

const std::vector<Row>& Table() {
    static const std::vector<Row> table = BuildTable();
    return table;
}

bool EqualsNoCase(std::string_view a, std::string_view b) {
    auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}

bool InRange(int code) {
    return code >= 0 && code < kHotKeyCodes;
}

} // namespace

HotKeyParts DecipherKey(int code) {
    return InRange(code) ? Table()[static_cast<std::size_t>(code)].parts : HotKeyParts{};
}

// A linear scan: 727 rows, looked up once per key event at the speed of a person.
int HotKeyCode(const HotKeyParts& parts) {
    const std::vector<Row>& table = Table();
    for (std::size_t code = 0; code < table.size(); ++code) {
        const HotKeyParts& p = table[code].parts;
        const bool sameInput = parts.button == kButtonNone
                                   ? p.button == kButtonNone && p.vk == parts.vk
                                   : p.button == parts.button;
        if (sameInput && p.ctrl == parts.ctrl && p.alt == parts.alt && p.shift == parts.shift &&
            p.win == parts.win)
            return static_cast<int>(code);
    }
    return -1;
}

const std::array<std::string, kKeyHotKeyCodes>& HotKeyNames() {
    static const std::array<std::string, kKeyHotKeyCodes> names = [] {
        std::array<std::string, kKeyHotKeyCodes> a;
        for (std::size_t code = 0; code < a.size(); ++code)
            a[code] = Table()[code].name;
        return a;
    }();
    return names;
}

std::string HotKeyName(int code) {
    return InRange(code) ? Table()[static_cast<std::size_t>(code)].name : std::string();
}

std::optional<int> HotKeyFromName(std::string_view name) {
    const std::vector<Row>& table = Table();
    for (std::size_t code = 0; code < table.size(); ++code)
        if (table[code].name == name)
            return static_cast<int>(code);
    for (std::size_t code = 0; code < table.size(); ++code)
        if (EqualsNoCase(table[code].name, name) || EqualsNoCase(table[code].fullName, name))
            return static_cast<int>(code);
    return std::nullopt;
}

} // namespace kv
