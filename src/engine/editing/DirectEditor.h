#pragma once
// The direct editors (`TModHotKeys` "Modify Hot Key" and `TModText` "Enter Keystrokes")
// without their windows: the keys and "Miscellaneous" entries they insert, the length
// check of every insertion (`CheckSize`), and what "&Update" makes of the text.

#include "engine/editing/EditorMessage.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace kv {

// A button or menu item and the tag it inserts at the caret.
struct InsertEntry {
    std::string_view caption;
    std::string_view tag;
};

// The key buttons and the "&Keys" / "FKe&ys" menus, in order (captions with mnemonics).
std::span<const InsertEntry> DirectEditorKeys();
// The 38 "Miscellaneous" entries, in list order.
std::span<const InsertEntry> MiscellaneousEntries();

// May `n` more characters be added to a text of `length`? The message when not.
bool CheckSize(std::size_t length, std::size_t n);
EditorMessage TextTooLongMessage();

// "&Update": every tab becomes "<TAB>"; a text over the limit is cut to it, with the
// message saying so.
struct UpdatedText {
    std::string text;
    std::optional<EditorMessage> truncated;
};
UpdatedText UpdateText(std::string_view text);
// Only the tab conversion and the message, the text left whole (`TModText` hands the whole
// text to the scripting editor, which cuts the finished macro).
UpdatedText UpdateTextUncut(std::string_view text);

// The message of a macro cut to the limit.
EditorMessage TruncatedMacroMessage();

} // namespace kv
