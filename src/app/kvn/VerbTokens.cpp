// kvn tokens: how Keyvane reads a macro text, one element per line.
//
//   <offset>\t<length>\t<kind>\t<name>[\t<key>=<value>]...
//
// offset and length count ANSI characters of the text. kind is char, key, modifier, mouse,
// command, date or time. name is the character itself (char), the tag without its "<" and
// closing ">" ("ENTER", "DELAY:", "PAUSE"), or the date or time format name. Characters and
// text values are UTF-8 with \\, \t, \r, \n and other control bytes (\xNN) escaped, so a line
// never breaks and a tab always separates columns.

#include "app/kvn/Kvn.h"

#include "engine/editing/ScriptListing.h"

#include "engine/core/Ansi.h"
#include "engine/macrotext/MacroTextReader.h"

#include <charconv>
#include <cstdio>
#include <iostream>
#include <memory>

namespace kvn {
namespace {

// One line per element: control characters written out, then UTF-8 for the terminal.
std::string Escape(std::string_view ansi) {
    return kv::AnsiToUtf8(kv::EscapeListed(ansi));
}

std::string Hex2(unsigned value) {
    char hex[4];
    std::snprintf(hex, sizeof hex, "%02X", value & 0xFF);
    return hex;
}

std::string Real(const std::optional<double>& value) {
    if (!value)
        return "invalid";
    char buf[32];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, *value);
    return ec == std::errc() ? std::string(buf, end) : "invalid";
}

const char* KindName(kv::ElementKind kind) {
    switch (kind) {
    case kv::ElementKind::Char:
        return "char";
    case kv::ElementKind::Key:
        return "key";
    case kv::ElementKind::Modifier:
        return "modifier";
    case kv::ElementKind::Mouse:
        return "mouse";
    case kv::ElementKind::Command:
        return "command";
    case kv::ElementKind::Date:
        return "date";
    case kv::ElementKind::Time:
        return "time";
    }
    return "?";
}

const char* ModifierName(kv::ModifierAction action) {
    switch (action) {
    case kv::ModifierAction::Latch:
        return "latch";
    case kv::ModifierAction::Toggle:
        return "toggle";
    case kv::ModifierAction::Down:
        return "down";
    case kv::ModifierAction::Up:
        return "up";
    case kv::ModifierAction::Tap:
        return "tap";
    case kv::ModifierAction::None:
        break;
    }
    return "none";
}

const char* ButtonName(kv::MouseButton button) {
    switch (button) {
    case kv::MouseButton::Left:
        return "left";
    case kv::MouseButton::Right:
        return "right";
    case kv::MouseButton::Middle:
        return "middle";
    case kv::MouseButton::None:
        break;
    }
    return "none";
}

const char* MouseActionName(kv::MouseAction action) {
    switch (action) {
    case kv::MouseAction::Down:
        return "down";
    case kv::MouseAction::Up:
        return "up";
    case kv::MouseAction::Click:
        return "click";
    case kv::MouseAction::DoubleClick:
        return "doubleclick";
    case kv::MouseAction::None:
        break;
    }
    return "none";
}

std::string Describe(const kv::Element& e) {
    std::string line =
        std::to_string(e.start) + '\t' + std::to_string(e.length) + '\t' + KindName(e.kind) + '\t';
    switch (e.kind) {
    case kv::ElementKind::Char:
        return line + Escape(std::string_view(&e.ch, 1)) + (e.length == 2 ? "\\n" : "");
    case kv::ElementKind::Date:
        return line + std::string(kv::kDateFormatNames[e.stamp.format]) +
               "\tflag=" + Escape(std::string_view(&e.stamp.flag, 1)) +
               "\tdays=" + std::to_string(e.stamp.days) +
               "\tform=" + (e.stamp.longForm ? "long" : "short");
    case kv::ElementKind::Time:
        return line + std::string(kv::kTimeFormatNames[e.stamp.format]) +
               "\tflag=" + Escape(std::string_view(&e.stamp.flag, 1));
    default:
        break;
    }
    const kv::TagInfo& tag = *e.tag;
    line += std::string(tag.Name());
    if (tag.kind == kv::TagKind::Key || tag.kind == kv::TagKind::Modifier)
        line += "\tvk=" + Hex2(tag.vk);
    if (tag.kind == kv::TagKind::Modifier)
        line += std::string("\taction=") + ModifierName(tag.modifier);
    if (tag.button != kv::MouseButton::None) {
        line += std::string("\tbutton=") + ButtonName(tag.button) +
                "\taction=" + MouseActionName(tag.mouse);
    }
    for (std::size_t i = 0; i < tag.fields.size() && i < e.fields.size(); ++i) {
        const kv::TagField& f = tag.fields[i];
        const kv::FieldValue& v = e.fields[i];
        switch (f.type) {
        case kv::FieldType::Integer:
            line += '\t' + std::string(f.name) + '=' + std::to_string(v.integer);
            break;
        case kv::FieldType::Real:
            line += '\t' + std::string(f.name) + '=' + Real(v.real);
            break;
        case kv::FieldType::Text:
            line += '\t' + std::string(f.name) + '=' + Escape(v.text);
            break;
        case kv::FieldType::Separator:
            break;
        }
    }
    if (tag.layout == kv::TagLayout::ClipBlock)
        line += e.clipClosed ? "\tclosed=yes" : "\tclosed=no";
    return line;
}

} // namespace

void AddTokensVerb(CLI::App& app) {
    CLI::App* verb =
        app.add_subcommand("tokens", "Show how Keyvane reads a macro text: one element per line, "
                                     "offset, length, kind, name and fields, tab-separated");
    auto text = std::make_shared<std::string>();
    verb->add_option("TEXT", *text, "The macro text (UTF-8)")->required();
    verb->callback([text] {
        const std::string ansi = ToAnsi(*text, "TEXT");
        for (const kv::Element& e : kv::SplitElements(ansi))
            std::cout << Describe(e) << '\n';
        std::cout.flush();
        if (!std::cout)
            throw KvnError("could not write the elements");
    });
}

} // namespace kvn
