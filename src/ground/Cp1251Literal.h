#pragma once

#include <array>
#include <cstddef>
#include <string_view>

#include "ground/Cp1251.h"
#include "ground/Utf8.h"

// Compile-time Windows-1251 text written as readable UTF-8 in the source:
// "мова"_cp1251 is a std::string_view over static Windows-1251 bytes, and
// U'ў'_cp1251 a single Windows-1251 char. A character Windows-1251 cannot
// hold is a compile error.

namespace kunimor {
namespace cp1251_detail {

template <std::size_t N>
struct Utf8Literal {
    char bytes[N]{};

    consteval Utf8Literal(const char (&text)[N]) {
        for (std::size_t i = 0; i < N; ++i) bytes[i] = text[i];
    }

    consteval std::string_view View() const { return {bytes, N - 1}; }
};

constexpr char EncodeChar(char32_t codePoint) {
    const int byte = UnicodeToCp1251(codePoint);
    if (byte < 0) throw "character has no Windows-1251 byte";
    return static_cast<char>(byte);
}

constexpr std::size_t CountCodePoints(std::string_view utf8) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < utf8.size(); ++count) {
        if (!DecodeUtf8(utf8, pos)) throw "malformed UTF-8";
    }
    return count;
}

template <Utf8Literal Text>
struct Encoded {
    static constexpr std::size_t kSize = CountCodePoints(Text.View());
    static constexpr std::array<char, kSize + 1> kBytes = [] {
        std::array<char, kSize + 1> out{};
        std::size_t pos = 0;
        for (std::size_t i = 0; i < kSize; ++i) out[i] = EncodeChar(*DecodeUtf8(Text.View(), pos));
        return out;
    }();
};

}  // namespace cp1251_detail

template <cp1251_detail::Utf8Literal Text>
constexpr std::string_view operator""_cp1251() {
    using E = cp1251_detail::Encoded<Text>;
    return {E::kBytes.data(), E::kSize};
}

consteval char operator""_cp1251(char32_t codePoint) {
    return cp1251_detail::EncodeChar(codePoint);
}

}  // namespace kunimor
