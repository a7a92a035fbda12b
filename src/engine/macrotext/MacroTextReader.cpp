#include "engine/macrotext/MacroTextReader.h"

#include <algorithm>
#include <charconv>

namespace kv {
namespace {

constexpr auto npos = std::string_view::npos;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The part of [from, from + width) that lies inside the text: a check never looks past its end.
std::string_view Slice(std::string_view text, std::size_t from, std::size_t width) {
    return from >= text.size() ? std::string_view{} : text.substr(from, width);
}

FieldValue TextValue(std::string_view s, int width) {
    if (width > 0 && s.size() > static_cast<std::size_t>(width))
        s = s.substr(0, static_cast<std::size_t>(width));
    FieldValue v;
    v.text = std::string(s);
    return v;
}

// The text field [from, stop), clamped to the text.
FieldValue TextValue(std::string_view text, std::size_t from, std::size_t stop, int width) {
    return TextValue(Slice(text, from, stop - std::min(from, stop)), width);
}

// Where a text field that starts at `from` stops: at the first `stop` at or after it, or at
// the end of the text.
std::size_t FieldEnd(std::string_view text, std::size_t from, char stop = '>') {
    if (from >= text.size())
        return text.size();
    const std::size_t e = text.find(stop, from);
    return e == npos ? text.size() : e;
}

// Just past the ">" at `end`, or the end of the text when the field ran into it.
std::size_t PastClose(std::string_view text, std::size_t end) {
    return end < text.size() ? end + 1 : text.size();
}

ElementKind KindOf(TagKind kind) {
    switch (kind) {
    case TagKind::Key:
        return ElementKind::Key;
    case TagKind::Modifier:
        return ElementKind::Modifier;
    case TagKind::Mouse:
        return ElementKind::Mouse;
    case TagKind::Command:
        break;
    }
    return ElementKind::Command;
}

FieldValue FixedValue(std::string_view text, std::size_t pos, const TagField& f) {
    const std::string_view chars =
        Slice(text, pos + static_cast<std::size_t>(f.offset), static_cast<std::size_t>(f.width));
    FieldValue v;
    switch (f.type) {
    case FieldType::Integer:
        v.integer = ParseIntegerField(chars);
        break;
    case FieldType::Real:
        v.real = ParseRealField(chars);
        break;
    case FieldType::Separator:
    case FieldType::Text:
        v.text = std::string(chars);
        break;
    }
    return v;
}

// Fixed fields, then (for FreeText) one text field up to ">". Returns the end of the tag.
std::size_t ReadFields(std::string_view text, std::size_t pos, const TagInfo& tag,
                       std::vector<FieldValue>& out) {
    std::size_t end = pos + tag.spelling.size();
    for (const TagField& f : tag.fields) {
        if (f.type != FieldType::Text) {
            out.push_back(FixedValue(text, pos, f));
            continue;
        }
        const std::size_t from = pos + static_cast<std::size_t>(f.offset);
        const std::size_t stop = FieldEnd(text, from);
        out.push_back(TextValue(text, from, stop, f.width));
        end = PastClose(text, stop);
    }
    if (tag.layout == TagLayout::Fixed)
        end = pos + static_cast<std::size_t>(tag.closeOffset) + 1;
    return end;
}

// "program" or "program<PARAM>parameters" up to ">"; the ">" of the mark does not end it.
std::size_t ReadLaunch(std::string_view text, std::size_t from, int width,
                       std::vector<FieldValue>& out) {
    const std::size_t stop = FieldEnd(text, from);
    const std::size_t markStart = stop - std::min(stop, kParamMark.size() - 1);
    const bool hasParams = stop < text.size() && markStart >= from &&
                           text.substr(markStart, kParamMark.size()) == kParamMark;
    if (!hasParams) {
        out.push_back(TextValue(text, from, stop, width));
        out.push_back(FieldValue{});
        return PastClose(text, stop);
    }
    out.push_back(TextValue(text, from, markStart, width));
    const std::size_t paramsFrom = stop + 1;
    const std::size_t paramsStop = FieldEnd(text, paramsFrom);
    out.push_back(TextValue(text, paramsFrom, paramsStop, width));
    return PastClose(text, paramsStop);
}

std::size_t ReadTag(std::string_view text, std::size_t pos, const TagInfo& tag, Element& e) {
    const auto offsetOf = [&](std::size_t field) {
        return pos + static_cast<std::size_t>(tag.fields[field].offset);
    };
    switch (tag.layout) {
    case TagLayout::Plain:
        return pos + tag.spelling.size();
    case TagLayout::Fixed:
    case TagLayout::FreeText:
        return ReadFields(text, pos, tag, e.fields);
    case TagLayout::FilePair: {
        const std::size_t from = offsetOf(0);
        const std::size_t stop = FieldEnd(text, from);
        const std::string_view both = Slice(text, from, stop - std::min(from, stop));
        const std::size_t split = both.find(kPairSeparator);
        e.fields.push_back(TextValue(both.substr(0, split), tag.fields[0].width));
        e.fields.push_back(split == npos ? FieldValue{}
                                         : TextValue(both.substr(split + 1), tag.fields[1].width));
        return PastClose(text, stop);
    }
    case TagLayout::Launch:
        return ReadLaunch(text, offsetOf(0), tag.fields[0].width, e.fields);
    case TagLayout::LaunchWait: {
        e.fields.push_back(FixedValue(text, pos, tag.fields[0]));
        const std::size_t from = offsetOf(1);
        const std::size_t stop = FieldEnd(text, from, '<');
        e.fields.push_back(TextValue(text, from, stop, tag.fields[1].width));
        // The inner "<LAUNCH:" is skipped by its length, like a separator.
        const std::size_t program =
            std::min(stop + TagFor(TagId::Launch).spelling.size(), text.size());
        return ReadLaunch(text, program, tag.fields[2].width, e.fields);
    }
    case TagLayout::ClipBlock: {
        const std::size_t from = offsetOf(0);
        const std::size_t endClip = text.find(TagFor(TagId::EndClip).spelling, from);
        if (endClip == npos) {
            e.fields.push_back(FieldValue{});
            return from;
        }
        // The walk goes on at the "<ENDCLIP>", which is then an element of its own.
        e.clipClosed = true;
        e.fields.push_back(TextValue(text, from, endClip, tag.fields[0].width));
        return endClip;
    }
    }
    return pos + tag.spelling.size();
}

// "<" format "{" flag "}>" or "<" format "{" flag sign ddd "}>"; the length of the tag or 0.
std::size_t MatchDate(std::string_view text, std::size_t pos, DateTimeTag& stamp) {
    const std::string_view rest = text.substr(pos + 1);
    for (std::size_t f = 0; f < kDateFormatNames.size(); ++f) {
        const std::size_t n = kDateFormatNames[f].size();
        if (!rest.starts_with(kDateFormatNames[f]) || rest.size() <= n || rest[n] != kStampOpen)
            continue;
        stamp = DateTimeTag{.format = f};
        // The short form has ">" two characters after the flag; anything else is the long one.
        if (rest.size() > n + 3 && rest[n + 3] == '>') {
            stamp.flag = rest[n + 1];
            return n + kShortStampExtra;
        }
        if (rest.size() < n + kLongDateExtra - 1)
            return 0;
        stamp.flag = rest[n + 1];
        stamp.longForm = true;
        stamp.sign = rest[n + 2];
        const int days = ParseIntegerField(rest.substr(n + 3, 3));
        stamp.days = stamp.sign == kSignFuture ? days : stamp.sign == kSignPast ? -days : 0;
        return n + kLongDateExtra;
    }
    return 0;
}

// "<" format "{N}>" or "<" format "{Y}>"; every "N" form is tried before any "Y" form.
std::size_t MatchTime(std::string_view text, std::size_t pos, DateTimeTag& stamp) {
    const std::string_view rest = text.substr(pos + 1);
    for (const char flag : {kFlagDropZeros, kFlagKeepZeros}) {
        for (std::size_t f = 0; f < kTimeFormatNames.size(); ++f) {
            const std::size_t n = kTimeFormatNames[f].size();
            if (rest.starts_with(kTimeFormatNames[f]) && rest.size() >= n + 4 &&
                rest[n] == kStampOpen && rest[n + 1] == flag &&
                rest.substr(n + 2, kStampClose.size()) == kStampClose) {
                stamp = DateTimeTag{.format = f, .flag = flag};
                return n + kShortStampExtra;
            }
        }
    }
    return 0;
}

} // namespace

int ParseIntegerField(std::string_view field) {
    std::size_t i = 0;
    while (i < field.size() && field[i] == ' ')
        ++i;
    bool negative = false;
    if (i < field.size() && (field[i] == '-' || field[i] == '+'))
        negative = field[i++] == '-';
    int value = 0; // tag fields are at most five wide; the bound only keeps long input in range
    for (; i < field.size() && IsDigit(field[i]) && value < 100000000; ++i)
        value = value * 10 + (field[i] - '0');
    return negative ? -value : value;
}

std::optional<double> ParseRealField(std::string_view field) {
    while (!field.empty() && field.front() == ' ')
        field.remove_prefix(1);
    while (!field.empty() && field.back() == ' ')
        field.remove_suffix(1);
    bool negative = false;
    if (!field.empty() && (field.front() == '-' || field.front() == '+')) {
        negative = field.front() == '-';
        field.remove_prefix(1);
    }
    int digits = 0;
    int points = 0;
    for (char c : field) {
        if (IsDigit(c))
            ++digits;
        else if (c == '.')
            ++points;
        else
            return std::nullopt;
    }
    if (digits == 0 || points > 1)
        return std::nullopt;
    double value = 0;
    const auto [end, ec] =
        std::from_chars(field.data(), field.data() + field.size(), value, std::chars_format::fixed);
    if (ec != std::errc() || end != field.data() + field.size())
        return std::nullopt;
    return negative ? -value : value;
}

const TagInfo* MatchNamedTag(std::string_view text, std::size_t pos) {
    if (pos >= text.size() || text[pos] != '<')
        return nullptr;
    const std::string_view rest = text.substr(pos);
    for (const TagInfo& tag : AllTags()) {
        if (!rest.starts_with(tag.spelling))
            continue;
        if (tag.layout == TagLayout::Fixed) {
            const auto close = static_cast<std::size_t>(tag.closeOffset);
            if (close >= rest.size() || rest[close] != '>')
                continue;
        }
        return &tag;
    }
    return nullptr;
}

Element ReadElement(std::string_view text, std::size_t pos) {
    Element e;
    e.start = pos;
    if (pos >= text.size()) {
        e.length = 0;
        return e;
    }
    e.ch = text[pos];
    if (e.ch == '\r' && pos + 1 < text.size() && text[pos + 1] == '\n') {
        e.length = 2;
        return e;
    }
    if (e.ch != '<')
        return e;
    if (const TagInfo* tag = MatchNamedTag(text, pos)) {
        e.kind = KindOf(tag->kind);
        e.tag = tag;
        e.length = ReadTag(text, pos, *tag, e) - pos;
    } else if (const std::size_t n = MatchDate(text, pos, e.stamp)) {
        e.kind = ElementKind::Date;
        e.length = n;
    } else if (const std::size_t m = MatchTime(text, pos, e.stamp)) {
        e.kind = ElementKind::Time;
        e.length = m;
    } else {
        e.stamp = {}; // a date form may have matched its name and then not fitted
    }
    return e;
}

std::vector<Element> SplitElements(std::string_view text) {
    std::vector<Element> out;
    for (std::size_t pos = 0; pos < text.size();) {
        out.push_back(ReadElement(text, pos));
        pos = out.back().End();
    }
    return out;
}

} // namespace kv
