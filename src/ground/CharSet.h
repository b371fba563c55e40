#pragma once

#include <array>
#include <cstdint>
#include <string_view>

namespace kunimor {

// A set of 8-bit character codes, usable in constant expressions.
class CharSet {
public:
    constexpr CharSet() = default;
    constexpr explicit CharSet(std::string_view members) { Add(members); }

    constexpr bool Contains(char c) const {
        const auto code = static_cast<unsigned char>(c);
        return (bits_[code / 64] >> (code % 64)) & 1U;
    }

    constexpr CharSet& Add(char c) {
        const auto code = static_cast<unsigned char>(c);
        bits_[code / 64] |= std::uint64_t{1} << (code % 64);
        return *this;
    }

    constexpr CharSet& Add(std::string_view members) {
        for (char c : members) Add(c);
        return *this;
    }

    constexpr CharSet& AddRange(unsigned char first, unsigned char last) {
        for (unsigned code = first; code <= last; ++code) Add(static_cast<char>(code));
        return *this;
    }

    friend constexpr bool operator==(const CharSet&, const CharSet&) = default;

private:
    std::array<std::uint64_t, 4> bits_{};
};

}  // namespace kunimor
