#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace kunimor {

// Windows-1251 is the engine's internal text encoding; these convert at the
// program's edges. Byte 0x98 has no character in Windows-1251 and maps to
// U+0098, so every byte value survives a round trip.

namespace cp1251_detail {

// Code points of bytes 0x80..0xBF; 0xC0..0xFF are А..я in order.
inline constexpr std::array<char16_t, 64> kUpperHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0098, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
};

inline constexpr char32_t kCapitalA = 0x0410;  // byte 0xC0

}  // namespace cp1251_detail

constexpr char32_t Cp1251ToUnicode(unsigned char byte) {
    if (byte < 0x80) return byte;
    if (byte >= 0xC0) return cp1251_detail::kCapitalA + (byte - 0xC0);
    return cp1251_detail::kUpperHalf[byte - 0x80];
}

// The Windows-1251 byte for a code point, or -1 when it has none.
constexpr int UnicodeToCp1251(char32_t codePoint) {
    using cp1251_detail::kCapitalA;
    if (codePoint < 0x80) return static_cast<int>(codePoint);
    if (codePoint >= kCapitalA && codePoint < kCapitalA + 64) {
        return static_cast<int>(0xC0 + (codePoint - kCapitalA));
    }
    for (std::size_t i = 0; i < cp1251_detail::kUpperHalf.size(); ++i) {
        if (cp1251_detail::kUpperHalf[i] == codePoint) return static_cast<int>(0x80 + i);
    }
    return -1;
}

std::string Cp1251ToUtf8(std::string_view cp1251);

// Fails on malformed UTF-8 and on characters Windows-1251 cannot hold;
// badOffset then receives the byte offset of the first offending sequence,
// and out holds the text converted before it.
bool Utf8ToCp1251(std::string_view utf8, std::string& out, std::size_t* badOffset = nullptr);

}  // namespace kunimor
