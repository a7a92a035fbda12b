#include "engine/macrotext/TagTable.h"

#include <array>

namespace kv {
namespace {

using F = FieldType;

constexpr TagField kWheelFields[] = {{"notches", F::Integer, 5, 3}};
constexpr TagField kMoveFields[] = {
    {"x", F::Real, 5, 5}, {",", F::Separator, 10, 1}, {"y", F::Real, 11, 5}};
constexpr TagField kPauseFields[] = {{"top", F::Integer, 7, 3},
                                     {",", F::Separator, 10, 1},
                                     {"left", F::Integer, 11, 3},
                                     {"message", F::Text, 14, kFreeTextMax}};
constexpr TagField kDelayFields[] = {{"seconds", F::Real, 7, 5}};
constexpr TagField kSpeedFields[] = {{"factor", F::Real, 7, 5}};
constexpr TagField kMsdFields[] = {{"milliseconds", F::Integer, 5, 4}};
constexpr TagField kSpFields[] = {{"milliseconds", F::Integer, 7, 4}};
constexpr TagField kRepeatFields[] = {{"count", F::Integer, 8, 4}};
constexpr TagField kAltFields[] = {{"code", F::Integer, 5, 3}};
constexpr TagField kAlt4Fields[] = {{"code", F::Integer, 6, 4}};
constexpr TagField kRemFields[] = {{"remark", F::Text, 5, kFreeTextMax}};
constexpr TagField kTitle6[] = {{"title", F::Text, 6, kFreeTextMax}};
constexpr TagField kTitle7[] = {{"title", F::Text, 7, kFreeTextMax}};
constexpr TagField kActivateFields[] = {{"title", F::Text, 10, kFreeTextMax}};
constexpr TagField kWSizeFields[] = {{"width", F::Integer, 7, 4},
                                     {",", F::Separator, 11, 1},
                                     {"height", F::Integer, 12, 4},
                                     {"title", F::Text, 16, kFreeTextMax}};
constexpr TagField kWPosFields[] = {{"left", F::Integer, 6, 4},
                                    {",", F::Separator, 10, 1},
                                    {"top", F::Integer, 11, 4},
                                    {"title", F::Text, 15, kFreeTextMax}};
constexpr TagField kFile5[] = {{"file", F::Text, 5, kFreeTextMax}};
constexpr TagField kFile6[] = {{"file", F::Text, 6, kFreeTextMax}};
constexpr TagField kFile7[] = {{"file", F::Text, 7, kFreeTextMax}};
constexpr TagField kFile9[] = {{"file", F::Text, 9, kFreeTextMax}};
constexpr TagField kAddress5[] = {{"address", F::Text, 5, kFreeTextMax}};
constexpr TagField kAddress6[] = {{"address", F::Text, 6, kFreeTextMax}};
constexpr TagField kDirectoryFields[] = {{"directory", F::Text, 7, kFreeTextMax}};
constexpr TagField kCopyFields[] = {{"source", F::Text, 10, kFreeTextMax},
                                    {"target", F::Text, kFollows, kFreeTextMax}};
constexpr TagField kRenameFields[] = {{"old", F::Text, 9, kFreeTextMax},
                                      {"new", F::Text, kFollows, kFreeTextMax}};
constexpr TagField kLaunchFields[] = {{"program", F::Text, 8, kFreeTextMax},
                                      {"parameters", F::Text, kFollows, kFreeTextMax}};
constexpr TagField kLaunchNoFields[] = {{"seconds", F::Integer, 10, 2},
                                        {"title", F::Text, 12, kFreeTextMax},
                                        {"program", F::Text, kFollows, kFreeTextMax},
                                        {"parameters", F::Text, kFollows, kFreeTextMax}};
constexpr TagField kLaunchYesFields[] = {{"seconds", F::Integer, 11, 2},
                                         {"title", F::Text, 13, kFreeTextMax},
                                         {"program", F::Text, kFollows, kFreeTextMax},
                                         {"parameters", F::Text, kFollows, kFreeTextMax}};
// The clipboard block is cut by the player's buffer, not here.
constexpr TagField kClipFields[] = {{"text", F::Text, 9, 0}};

constexpr TagInfo KeyTag(std::string_view spelling, std::uint8_t vk) {
    return {.spelling = spelling, .kind = TagKind::Key, .id = TagId::Key, .vk = vk};
}

constexpr TagInfo Modifier(std::string_view spelling, TagId id, std::uint8_t vk,
                           ModifierAction action) {
    return {
        .spelling = spelling, .kind = TagKind::Modifier, .id = id, .vk = vk, .modifier = action};
}

constexpr TagInfo Button(std::string_view spelling, TagId id, MouseButton button,
                         MouseAction action) {
    return {
        .spelling = spelling, .kind = TagKind::Mouse, .id = id, .button = button, .mouse = action};
}

constexpr TagInfo MouseFixed(std::string_view spelling, TagId id, int close,
                             std::span<const TagField> fields) {
    return {.spelling = spelling,
            .kind = TagKind::Mouse,
            .id = id,
            .layout = TagLayout::Fixed,
            .closeOffset = close,
            .fields = fields};
}

constexpr TagInfo Plain(std::string_view spelling, TagId id) {
    return {.spelling = spelling, .kind = TagKind::Command, .id = id};
}

constexpr TagInfo Counter(std::string_view spelling, TagId id, int digits) {
    return {.spelling = spelling, .kind = TagKind::Command, .id = id, .counterDigits = digits};
}

constexpr TagInfo Fixed(std::string_view spelling, TagId id, int close,
                        std::span<const TagField> fields) {
    return {.spelling = spelling,
            .kind = TagKind::Command,
            .id = id,
            .layout = TagLayout::Fixed,
            .closeOffset = close,
            .fields = fields};
}

constexpr TagInfo Layout(std::string_view spelling, TagId id, TagLayout layout,
                         std::span<const TagField> fields) {
    return {.spelling = spelling,
            .kind = TagKind::Command,
            .id = id,
            .layout = layout,
            .fields = fields};
}

constexpr TagInfo Text(std::string_view spelling, TagId id, std::span<const TagField> fields) {
    return Layout(spelling, id, TagLayout::FreeText, fields);
}

// A window command whose title may be "CURRENT".
constexpr TagInfo Window(std::string_view spelling, TagId id, std::span<const TagField> fields) {
    TagInfo t = Text(spelling, id, fields);
    t.takesCurrent = true;
    return t;
}

using enum TagId;
using M = ModifierAction;
using B = MouseButton;
using A = MouseAction;

constexpr std::array kTags = {
    KeyTag("<TAB>", 0x09),
    KeyTag("<ENTER>", 0x0D),
    KeyTag("<RIGHTWIN>", 0x5C),
    KeyTag("<LEFTWIN>", 0x5B),
    KeyTag("<APP>", 0x5D),
    KeyTag("<BACKSPACE>", 0x08),
    KeyTag("<ESC>", 0x1B),
    KeyTag("<SPACE>", 0x20),
    KeyTag("<LEFT ARROW>", 0x25),
    KeyTag("<RIGHT ARROW>", 0x27),
    KeyTag("<UP ARROW>", 0x26),
    KeyTag("<DOWN ARROW>", 0x28),
    KeyTag("<HOME>", 0x24),
    KeyTag("<END>", 0x23),
    KeyTag("<INSERT>", 0x2D),
    KeyTag("<DELETE>", 0x2E),
    KeyTag("<PAGE DOWN>", 0x22),
    KeyTag("<PAGE UP>", 0x21),
    KeyTag("<F1>", 0x70),
    KeyTag("<F2>", 0x71),
    KeyTag("<F3>", 0x72),
    KeyTag("<F4>", 0x73),
    KeyTag("<F5>", 0x74),
    KeyTag("<F6>", 0x75),
    KeyTag("<F7>", 0x76),
    KeyTag("<F8>", 0x77),
    KeyTag("<F9>", 0x78),
    KeyTag("<F10>", 0x79),
    KeyTag("<F11>", 0x7A),
    KeyTag("<F12>", 0x7B),
    KeyTag("<F13>", 0x7C),
    KeyTag("<F14>", 0x7D),
    KeyTag("<F15>", 0x7E),
    KeyTag("<F16>", 0x7F),
    KeyTag("<F17>", 0x80),
    KeyTag("<F18>", 0x81),
    KeyTag("<F19>", 0x82),
    KeyTag("<F20>", 0x83),
    KeyTag("<F21>", 0x84),
    KeyTag("<F22>", 0x85),
    KeyTag("<F23>", 0x86),
    KeyTag("<F24>", 0x87),
    KeyTag("<ATTN>", 0xF6),
    KeyTag("<CRSEL>", 0xF7),
    KeyTag("<EXSEL>", 0xF8),
    KeyTag("<EREOF>", 0xF9),
    KeyTag("<PLAY>", 0xFA),
    KeyTag("<ZOOM>", 0xFB),
    KeyTag("<PA1>", 0xFD),
    KeyTag("<PRTSCR>", 0x2C),
    KeyTag("<KEYP0>", 0x60),
    KeyTag("<KEYP1>", 0x61),
    KeyTag("<KEYP2>", 0x62),
    KeyTag("<KEYP3>", 0x63),
    KeyTag("<KEYP4>", 0x64),
    KeyTag("<KEYP5>", 0x65),
    KeyTag("<KEYP6>", 0x66),
    KeyTag("<KEYP7>", 0x67),
    KeyTag("<KEYP8>", 0x68),
    KeyTag("<KEYP9>", 0x69),
    KeyTag("<KEYP.>", 0x6E),
    KeyTag("<KEYP/>", 0x6F),
    KeyTag("<KEYP*>", 0x6A),
    KeyTag("<KEYP->", 0x6D),
    KeyTag("<KEYP+>", 0x6B),

    Modifier("<SHIFT>", Shift, 0x10, M::Latch),
    Modifier("<CTRL>", Ctrl, 0x11, M::Latch),
    Modifier("<ALT>", Alt, 0x12, M::Toggle),
    Modifier("<SHFD>", ShiftDown, 0x10, M::Down),
    Modifier("<SHFU>", ShiftUp, 0x10, M::Up),
    Modifier("<CTLD>", CtrlDown, 0x11, M::Down),
    Modifier("<CTLU>", CtrlUp, 0x11, M::Up),
    Modifier("<ALTD>", AltDown, 0x12, M::Down),
    Modifier("<ALTU>", AltUp, 0x12, M::Up),
    Modifier("<WIND>", WinDown, 0x5B, M::Down),
    Modifier("<WINU>", WinUp, 0x5B, M::Up),
    Modifier("<RIGHT MOUSE>", RightMouse, 0x02, M::Tap),
    Modifier("<MIDDLE MOUSE>", MiddleMouse, 0x04, M::Tap),

    Button("<LDN>", LeftDown, B::Left, A::Down),
    Button("<LUP>", LeftUp, B::Left, A::Up),
    Button("<LCLK>", LeftClick, B::Left, A::Click),
    Button("<LDCLK>", LeftDoubleClick, B::Left, A::DoubleClick),
    Button("<RDN>", RightDown, B::Right, A::Down),
    Button("<RUP>", RightUp, B::Right, A::Up),
    Button("<RCLK>", RightClick, B::Right, A::Click),
    Button("<RDCLK>", RightDoubleClick, B::Right, A::DoubleClick),
    Button("<MDN>", MiddleDown, B::Middle, A::Down),
    Button("<MUP>", MiddleUp, B::Middle, A::Up),
    Button("<MCLK>", MiddleClick, B::Middle, A::Click),
    Button("<MDCLK>", MiddleDoubleClick, B::Middle, A::DoubleClick),
    MouseFixed("<WFW:", WheelForward, 8, kWheelFields),
    MouseFixed("<WBW:", WheelBackward, 8, kWheelFields),
    MouseFixed("<MMS:", MoveScreen, 16, kMoveFields),
    MouseFixed("<MMW:", MoveWindow, 16, kMoveFields),

    Plain("<TEST>", Test),
    Text("<PAUSE:", PauseAt, kPauseFields),
    Plain("<PAUSE>", Pause),
    Fixed("<DELAY:", Delay, 12, kDelayFields),
    Fixed("<SPEED:", Speed, 12, kSpeedFields),
    Fixed("<MSD:", Msd, 9, kMsdFields),
    Text("<REM:", Rem, kRemFields),
    Window("<WSHUT:", WShut, kTitle7),
    Window("<WHIDE:", WHide, kTitle7),
    Window("<WSHOW:", WShow, kTitle7),
    Window("<WSIZE:", WSize, kWSizeFields),
    Window("<WPOS:", WPos, kWPosFields),
    Fixed("<ALT:", AltCode, 8, kAltFields),
    Fixed("<ALT4:", Alt4Code, 10, kAlt4Fields),
    Counter("<IIII>", Counter4, 4),
    Counter("<III>", Counter3, 3),
    Counter("<II>", Counter2, 2),
    Counter("<I>", Counter1, 0),
    Text("<CLIPF:", ClipFile, kFile7),
    Plain("<CLIPC>", ClipCopy),
    Plain("<CLIPP>", ClipPaste),
    Layout("<BEGCLIP>", BegClip, TagLayout::ClipBlock, kClipFields),
    Plain("<PROMPTREP>", PromptRep),
    Fixed("<REPEAT:", Repeat, 12, kRepeatFields),
    Fixed("<SPKEY:", SpKey, 11, kSpFields),
    Fixed("<SPMSE:", SpMse, 11, kSpFields),
    Text("<SWAP:", Swap, kFile6),
    Text("<TFILE:", TFile, kFile7),
    Text("<HTTP:", Http, kAddress6),
    Text("<FTP:", Ftp, kAddress5),
    Plain("<ENDREP>", EndRep),
    Plain("<ENDCLIP>", EndClip),
    Text("<WAV1:", Wav1, kFile6),
    Text("<WAV2:", Wav2, kFile6),
    Plain("<BEEP>", Beep),
    Text("<CHDIR:", ChDir, kDirectoryFields),
    Text("<DELFILE:", DelFile, kFile9),
    Layout("<COPYFILE:", CopyFile, TagLayout::FilePair, kCopyFields),
    Layout("<RENFILE:", RenFile, TagLayout::FilePair, kRenameFields),
    Text("<ACTIVATE:", Activate, kActivateFields),
    Layout("<LAUNCH:", Launch, TagLayout::Launch, kLaunchFields),
    Layout("<LAUNCHNO:", LaunchNo, TagLayout::LaunchWait, kLaunchNoFields),
    Layout("<LAUNCHYES:", LaunchYes, TagLayout::LaunchWait, kLaunchYesFields),
    Window("<WMAX:", WMax, kTitle6),
    Window("<WMIN:", WMin, kTitle6),
    Window("<WCLS:", WCls, kTitle6),
    Window("<WRES:", WRes, kTitle6),
};

} // namespace

std::span<const TagInfo> AllTags() {
    return kTags;
}

const TagInfo& TagFor(TagId id) {
    for (const TagInfo& t : kTags) {
        if (t.id == id)
            return t;
    }
    return kTags.front(); // unreachable: every identity has a row
}

const TagInfo* FindKeyTag(std::uint8_t vk) {
    for (const TagInfo& t : kTags) {
        if (t.kind == TagKind::Key && t.vk == vk)
            return &t;
    }
    return nullptr;
}

} // namespace kv
