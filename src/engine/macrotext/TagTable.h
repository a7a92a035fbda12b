#pragma once
// Every tag of the macro language, described once. The reader, the player, the script view
// and the writers all work from this table, so a tag is spelt in exactly one place.

#include <cstdint>
#include <span>
#include <string_view>

namespace kv {

enum class TagKind : std::uint8_t { Key, Modifier, Mouse, Command };

// One identity per tag, except that all key tags share `Key` and differ by `vk`.
enum class TagId : std::uint8_t {
    Key,
    // modifiers
    Shift,
    Ctrl,
    Alt,
    ShiftDown,
    ShiftUp,
    CtrlDown,
    CtrlUp,
    AltDown,
    AltUp,
    WinDown,
    WinUp,
    RightMouse,
    MiddleMouse,
    // mouse
    LeftDown,
    LeftUp,
    LeftClick,
    LeftDoubleClick,
    RightDown,
    RightUp,
    RightClick,
    RightDoubleClick,
    MiddleDown,
    MiddleUp,
    MiddleClick,
    MiddleDoubleClick,
    WheelForward,
    WheelBackward,
    MoveScreen,
    MoveWindow,
    // commands
    Test,
    PauseAt,
    Pause,
    Delay,
    Speed,
    Msd,
    Rem,
    WShut,
    WHide,
    WShow,
    WSize,
    WPos,
    AltCode,
    Alt4Code,
    Counter4,
    Counter3,
    Counter2,
    Counter1,
    ClipFile,
    ClipCopy,
    ClipPaste,
    BegClip,
    PromptRep,
    Repeat,
    SpKey,
    SpMse,
    Swap,
    TFile,
    Http,
    Ftp,
    EndRep,
    EndClip,
    Wav1,
    Wav2,
    Beep,
    ChDir,
    DelFile,
    CopyFile,
    RenFile,
    Activate,
    Launch,
    LaunchNo,
    LaunchYes,
    WMax,
    WMin,
    WCls,
    WRes,
};

// How the end of a tag is found.
enum class TagLayout : std::uint8_t {
    Plain,      // the spelling is the whole tag
    Fixed,      // fixed fields, then ">" exactly at closeOffset
    FreeText,   // fixed fields (if any), then one text field up to ">"
    FilePair,   // text up to ">", split at the first ";" into two names
    Launch,     // program ["<PARAM>" parameters] up to ">"
    LaunchWait, // nn, title up to the next "<", an inner "<LAUNCH:" tag, then as Launch
    ClipBlock,  // the text up to the next "<ENDCLIP>"
};

enum class FieldType : std::uint8_t {
    Integer,   // decimal, fixed width
    Real,      // decimal with optional point, fixed width
    Separator, // one character skipped by position; `name` is what writers put there
    Text,      // free text; `width` is how many characters count (0: all)
};

// Offset of a field that starts where the previous one's delimiter left off.
inline constexpr int kFollows = -1;
// Most characters of a free-text field that count.
inline constexpr int kFreeTextMax = 255;

struct TagField {
    std::string_view name;
    FieldType type;
    int offset; // from the "<", or kFollows
    int width;
};

enum class ModifierAction : std::uint8_t {
    None,
    Latch,  // down now, up after the next typed key
    Toggle, // down and latched, or up if already latched
    Down,
    Up,
    Tap, // down and up
};

enum class MouseButton : std::uint8_t { None, Left, Right, Middle };
enum class MouseAction : std::uint8_t { None, Down, Up, Click, DoubleClick };

struct TagInfo {
    std::string_view spelling; // "<ENTER>", or the opening part "<DELAY:" when fields follow
    TagKind kind;
    TagId id;
    TagLayout layout = TagLayout::Plain;
    int closeOffset = -1; // Fixed: where the ">" must stand
    std::span<const TagField> fields = {};
    std::uint8_t vk = 0; // keys and modifiers: the virtual key
    ModifierAction modifier = ModifierAction::None;
    MouseButton button = MouseButton::None;
    MouseAction mouse = MouseAction::None;
    int counterDigits = 0;     // counter tags: digits the repeat counter is padded to
    bool takesCurrent = false; // a title of "\"CURRENT\"" means the foreground window

    // The spelling without its "<" and closing ">": "ENTER", "LEFT ARROW", "DELAY:", "ALT".
    constexpr std::string_view Name() const {
        std::string_view n = spelling.substr(1);
        return n.ends_with('>') ? n.substr(0, n.size() - 1) : n;
    }
    // Total length of a tag of this kind, or -1 when it depends on its text.
    constexpr int Length() const {
        if (layout == TagLayout::Plain)
            return static_cast<int>(spelling.size());
        return layout == TagLayout::Fixed ? closeOffset + 1 : -1;
    }
};

// Spellings that belong to tags without being tags themselves.
inline constexpr std::string_view kParamMark = "<PARAM>"; // splits program from parameters
inline constexpr char kPairSeparator = ';';               // COPYFILE and RENFILE names
inline constexpr std::string_view kCurrentTitle = "\"CURRENT\"";

std::span<const TagInfo> AllTags();

// The tag with this identity; `Key` has many, so use FindKeyTag for keys.
const TagInfo& TagFor(TagId id);
// The key tag for a virtual key, or nullptr.
const TagInfo* FindKeyTag(std::uint8_t vk);

} // namespace kv
