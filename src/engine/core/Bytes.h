#pragma once
// Little-endian fields and length-prefixed strings at fixed offsets. Records and shared
// blocks are packed field by field with these; a C++ struct is never copied to disk.

#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace kv::bytes {

inline std::uint16_t GetU16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline void PutU16(std::uint8_t* p, std::uint16_t v) {
    p[0] = static_cast<std::uint8_t>(v & 0xFF);
    p[1] = static_cast<std::uint8_t>(v >> 8);
}

inline std::uint32_t GetU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

inline void PutU32(std::uint8_t* p, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

inline double GetF64(const std::uint8_t* p) {
    std::uint64_t v = 0;
    for (int i = 7; i >= 0; --i)
        v = (v << 8) | p[i];
    return std::bit_cast<double>(v);
}

inline void PutF64(std::uint8_t* p, double d) {
    const auto v = std::bit_cast<std::uint64_t>(d);
    for (int i = 0; i < 8; ++i)
        p[i] = static_cast<std::uint8_t>(v >> (8 * i));
}

// A string[max] field: a length byte and `max` character bytes. A length byte larger than
// the field is clamped, so a damaged record never reads past its field.
inline std::string GetShortString(const std::uint8_t* p, std::size_t max) {
    const std::size_t n = p[0] < max ? p[0] : max;
    return std::string(reinterpret_cast<const char*>(p + 1), n);
}

// Writes the string cut to `max` and clears the unused rest of the field.
inline void PutShortString(std::uint8_t* p, std::size_t max, std::string_view s) {
    const std::size_t n = s.size() < max ? s.size() : max;
    p[0] = static_cast<std::uint8_t>(n);
    for (std::size_t i = 0; i < max; ++i)
        p[1 + i] = i < n ? static_cast<std::uint8_t>(s[i]) : 0;
}

} // namespace kv::bytes
