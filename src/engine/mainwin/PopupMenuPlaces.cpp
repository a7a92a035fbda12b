#include "engine/mainwin/PopupMenuPlaces.h"

#include "engine/core/Ansi.h"
#include "engine/core/Bytes.h"
#include "engine/core/Limits.h"

#include <algorithm>
#include <fstream>
#include <utility>

namespace kv {
namespace {

constexpr std::size_t kTextOffset = 100;
constexpr std::size_t kMaxItems = (kMaxMacroText - 2) / 2;

std::uint16_t WordAt(std::string_view area, std::size_t at) {
    std::uint8_t b[2] = {};
    for (std::size_t i = 0; i < 2 && at + i < area.size(); ++i)
        b[i] = static_cast<std::uint8_t>(area[at + i]);
    return bytes::GetU16(b);
}

} // namespace

std::vector<int> MenuPlaces(std::string_view area) {
    const std::size_t n = std::min<std::size_t>(WordAt(area, 0), kMaxItems);
    std::vector<int> places;
    places.reserve(n);
    for (std::size_t i = 0; i < n; ++i)
        places.push_back(WordAt(area, 2 + 2 * i));
    return places;
}

std::string MenuArea(const std::vector<int>& places) {
    const std::size_t n = std::min(places.size(), kMaxItems);
    std::string area(2 + 2 * n, '\0');
    auto put = [&area](std::size_t at, int value) {
        std::uint8_t b[2];
        bytes::PutU16(b, static_cast<std::uint16_t>(value));
        area[at] = static_cast<char>(b[0]);
        area[at + 1] = static_cast<char>(b[1]);
    };
    put(0, static_cast<int>(n));
    for (std::size_t i = 0; i < n; ++i)
        put(2 + 2 * i, places[i]);
    return area;
}

bool ReadMacroRecordWhole(const std::string& path, int place, MacroRecord& rec) {
    if (place < 1)
        return false;
    std::ifstream in(AnsiToUtf8(path), std::ios::binary);
    RecordBytes buf;
    if (!in.seekg(static_cast<std::streamoff>(static_cast<std::size_t>(place - 1) * kRecordSize)) ||
        !in.read(reinterpret_cast<char*>(buf.data()), static_cast<std::streamsize>(buf.size())))
        return false;
    rec = MacroRecord::Unpack(buf);
    if (rec.scope == static_cast<unsigned>(Scope::PopupMenu)) {
        const std::string_view area(reinterpret_cast<const char*>(buf.data() + kTextOffset),
                                    kMaxMacroText);
        rec.text = MenuArea(MenuPlaces(area));
    }
    return true;
}

bool RemoveFromMenu(std::vector<int>& places, int removed) {
    bool changed = false;
    std::vector<int> kept;
    kept.reserve(places.size());
    for (int p : places) {
        if (p == removed) {
            changed = true;
        } else if (p > removed) {
            kept.push_back(p - 1);
            changed = true;
        } else {
            kept.push_back(p);
        }
    }
    places = std::move(kept);
    return changed;
}

} // namespace kv
