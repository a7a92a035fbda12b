#include "engine/editing/ScriptListing.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <type_traits>
#include <utility>
#include <vector>

namespace kv {
namespace {

// The listed names of each record's fields.
template <class V>
void Fields(TTextRec& r, V&& v) {
    v("text", r.text);
}
template <class V>
void Fields(TDateTimeRec& r, V&& v) {
    v("date", r.isDate);
    v("format", r.format);
    v("zeros", r.leadingZeros);
    v("future", r.future);
    v("days", r.days);
}
template <class V>
void Fields(TDelayRec& r, V&& v) {
    v("unit", r.unit);
    v("amount", r.amount);
}
template <class V>
void Fields(TPauseRec& r, V&& v) {
    v("kind", r.kind);
    v("left", r.left);
    v("top", r.top);
    v("message", r.message);
}
template <class V>
void Fields(TRepeatRec& r, V&& v) {
    v("kind", r.kind);
    v("value", r.value);
}
template <class V>
void Fields(TSpeedRec& r, V&& v) {
    v("kind", r.kind);
    v("ms", r.milliseconds);
    v("factor", r.factor);
}
template <class V>
void Fields(TLaunchRec& r, V&& v) {
    v("kind", r.kind);
    v("title", r.title);
    v("program", r.program);
    v("parameters", r.parameters);
    v("wait", r.waitSeconds);
}
template <class V>
void Fields(TSoundRec& r, V&& v) {
    v("kind", r.kind);
    v("file", r.file);
    v("wait", r.wait);
}
template <class V>
void Fields(TStringRec& r, V&& v) {
    v("text", r.text);
}
template <class V>
void Fields(TWinPlaceRec& r, V&& v) {
    v("title", r.title);
    v("kind", r.kind);
    v("current", r.current);
    v("widthOrLeft", r.widthOrLeft);
    v("heightOrTop", r.heightOrTop);
}
template <class V>
void Fields(TWinCmdRec& r, V&& v) {
    v("title", r.title);
    v("command", r.command);
    v("current", r.current);
}
template <class V>
void Fields(TMouseRec& r, V&& v) {
    v("x", r.x);
    v("y", r.y);
    v("clicks", r.clicks);
    v("action", r.action);
    v("window", r.windowRelative);
}
template <class V>
void Fields(TClipRec& r, V&& v) {
    v("kind", r.kind);
    v("file", r.file);
}
template <class V>
void Fields(TModKeyRec& r, V&& v) {
    v("code", r.code);
}
template <class V>
void Fields(TFileCmdRec& r, V&& v) {
    v("kind", r.kind);
    v("first", r.first);
    v("second", r.second);
}

template <class V>
void VisitFields(LineRecord& record, V&& v) {
    std::visit([&](auto& r) { Fields(r, v); }, record);
}

std::string ValueText(const std::string& s) {
    return EscapeListed(s);
}
std::string ValueText(bool b) {
    return b ? "1" : "0";
}
std::string ValueText(int n) {
    return std::to_string(n);
}
std::string ValueText(double d) {
    char buf[64];
    const auto [end, ec] = std::to_chars(buf, buf + sizeof buf, d);
    return ec == std::errc() ? std::string(buf, end) : std::string("0");
}
template <class E>
requires std::is_enum_v<E> std::string ValueText(E e) {
    return std::to_string(static_cast<int>(e));
}

bool ParseValue(std::string_view text, std::string& out) {
    out = UnescapeListed(text);
    return true;
}
bool ParseValue(std::string_view text, bool& out) {
    if (text != "0" && text != "1")
        return false;
    out = text == "1";
    return true;
}
bool ParseValue(std::string_view text, int& out) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size();
}
bool ParseValue(std::string_view text, double& out) {
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && end == text.data() + text.size() && std::isfinite(out);
}
template <class E>
requires std::is_enum_v<E>
bool ParseValue(std::string_view text, E& out) {
    int n = 0;
    if (!ParseValue(text, n))
        return false;
    out = static_cast<E>(n);
    return true;
}

using Listed = std::vector<std::pair<std::string_view, std::string>>;

Listed ListFields(LineRecord record) {
    Listed out;
    VisitFields(record, [&](std::string_view name, const auto& value) {
        out.emplace_back(name, ValueText(value));
    });
    return out;
}

bool IsControl(unsigned char b) {
    // The five bytes Windows-1252 leaves undefined come out as invisible C1 controls.
    return b < 0x20 || b == 0x7F || b == 0x81 || b == 0x8D || b == 0x8F || b == 0x90 || b == 0x9D;
}

int HexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

std::string EscapeListed(std::string_view text) {
    std::string out;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        if (c == '\\') {
            out += "\\\\";
        } else if (c == '\t') {
            out += "\\t";
        } else if (c == '\r') {
            out += "\\r";
        } else if (c == '\n') {
            out += "\\n";
        } else if (IsControl(b)) {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02X", b);
            out += hex;
        } else {
            out += c;
        }
    }
    return out;
}

std::string UnescapeListed(std::string_view text) {
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const char next = i + 1 < text.size() ? text[i + 1] : '\0';
        if (c != '\\' || next == '\0') {
            out += c;
            continue;
        }
        if (next == '\\' || next == 't' || next == 'r' || next == 'n') {
            out += next == 't' ? '\t' : next == 'r' ? '\r' : next == 'n' ? '\n' : '\\';
            ++i;
        } else if (next == 'x' && i + 3 < text.size() && HexDigit(text[i + 2]) >= 0 &&
                   HexDigit(text[i + 3]) >= 0) {
            out += static_cast<char>(HexDigit(text[i + 2]) * 16 + HexDigit(text[i + 3]));
            i += 3;
        } else {
            out += c; // not an escape: the backslash is itself
        }
    }
    return out;
}

std::string ListScriptLine(const ScriptLine& line) {
    std::string out = EscapeListed(line.text);
    const std::optional<Command> c = CommandOf(line.text);
    const LineRecord defaults = c ? DefaultRecord(*c) : LineRecord{};
    const Listed fields = ListFields(line.record);
    const Listed usual = defaults.index() == line.record.index() ? ListFields(defaults) : Listed{};
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i < usual.size() && usual[i].second == fields[i].second)
            continue;
        out += '\t';
        out += fields[i].first;
        out += '=';
        out += fields[i].second;
    }
    return out;
}

std::variant<ScriptLine, std::string> ParseScriptLine(std::string_view text) {
    const std::size_t tab = text.find('\t');
    ScriptLine line{UnescapeListed(text.substr(0, tab)), TTextRec{}};
    const std::optional<Command> c = CommandOf(line.text);
    if (c)
        line.record = DefaultRecord(*c);
    if (tab == std::string_view::npos)
        return line;
    if (!c)
        return std::string("the line names no command, so it has no fields");
    std::string_view rest = text.substr(tab + 1);
    while (!rest.empty()) {
        const std::size_t end = rest.find('\t');
        const std::string_view item = rest.substr(0, end);
        rest = end == std::string_view::npos ? std::string_view{} : rest.substr(end + 1);
        if (item.empty())
            continue;
        const std::size_t eq = item.find('=');
        if (eq == std::string_view::npos)
            return "\"" + std::string(item) + "\" is not field=value";
        const std::string_view name = item.substr(0, eq);
        const std::string_view value = item.substr(eq + 1);
        bool known = false;
        bool valid = true;
        VisitFields(line.record, [&](std::string_view field, auto& ref) {
            if (field == name) {
                known = true;
                valid = ParseValue(value, ref);
            }
        });
        if (!known)
            return "a " + std::string(CommandName(*c)) + " line has no field \"" +
                   std::string(name) + "\"";
        if (!valid)
            return "\"" + std::string(value) + "\" is not a value for " + std::string(name);
    }
    return line;
}

} // namespace kv
