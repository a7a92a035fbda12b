#pragma once
// Reads macro text element by element, exactly as the player walks it: a literal character,
// or a tag with its fields. Everything that walks macro text (the player, the script view,
// kvn) reads it through here, so they all agree on what a text means.

#include "engine/macrotext/DateTimeFormats.h"
#include "engine/macrotext/TagTable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv {

enum class ElementKind : std::uint8_t { Char, Key, Modifier, Mouse, Command, Date, Time };

// The value of one TagField, as found in the text.
struct FieldValue {
    int integer = 0;            // Integer
    std::optional<double> real; // Real: empty when the characters are not a number
    std::string text;           // Text (cut to the field's width); Separator: the character
};

struct Element {
    ElementKind kind = ElementKind::Char;
    std::size_t start = 0;          // offset of the first character in the text
    std::size_t length = 1;         // characters consumed; the walk goes on at start + length
    char ch = 0;                    // Char: the character; CR LF is one '\r' of length 2
    const TagInfo* tag = nullptr;   // Key, Modifier, Mouse, Command
    std::vector<FieldValue> fields; // one per tag->fields, in the same order
    bool clipClosed = false;        // BEGCLIP: an "<ENDCLIP>" follows, and `text` is the block
    DateTimeTag stamp;              // Date, Time

    std::size_t End() const { return start + length; }
    int Integer(std::size_t field) const { return fields[field].integer; }
    std::optional<double> Real(std::size_t field) const { return fields[field].real; }
    const std::string& Text(std::size_t field) const { return fields[field].text; }
};

// The element that starts at `pos`. At or past the end of the text it is an empty Char.
Element ReadElement(std::string_view text, std::size_t pos);

// The whole text as elements, in order.
std::vector<Element> SplitElements(std::string_view text);

// The named tag whose spelling (and, for fixed tags, closing ">") stands at `pos`, or nullptr.
// Date and time tags are not named tags.
const TagInfo* MatchNamedTag(std::string_view text, std::size_t pos);

// An integer field: leading blanks skipped, an optional sign, then digits up to the first
// character that is not one; no digits give 0.
int ParseIntegerField(std::string_view field);

// A real field: a decimal number with an optional point and sign, blanks around it
// allowed; anything else is not a number.
std::optional<double> ParseRealField(std::string_view field);

} // namespace kv
