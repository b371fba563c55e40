#include "store/Collation.h"

#include <algorithm>
#include <array>

namespace kunimor {

namespace {

// Windows-1251 bytes rearranged so that Russian and Belarusian letters sort
// alphabetically: Ё after Е, І after З, Ў after С (capital) and after у (small).
std::array<unsigned char, 256> MakeDictionaryKeys() {
    std::array<unsigned char, 256> k{};
    for (int i = 0; i < 256; ++i) k[i] = static_cast<unsigned char>(i);
    auto range = [&k](int from, int to, int key) {
        for (int c = from; c <= to; ++c) k[c] = static_cast<unsigned char>(key++);
    };
    range(0xA3, 0xA7, 0xA1);
    range(0xA9, 0xB1, 0xA6);
    range(0xB4, 0xB7, 0xAF);
    range(0xB9, 0xBF, 0xB3);
    range(0xC0, 0xC5, 0xBA);
    k[0xA8] = 0xC0;
    range(0xC6, 0xC7, 0xC1);
    k[0xB2] = 0xC3;
    range(0xC8, 0xD1, 0xC4);
    k[0xA1] = 0xCE;
    range(0xD2, 0xDF, 0xCF);
    range(0xE0, 0xE5, 0xDD);
    k[0xB8] = 0xE3;
    range(0xE6, 0xE7, 0xE4);
    k[0xB3] = 0xE6;
    range(0xE8, 0xF3, 0xE7);
    k[0xA2] = 0xF3;
    return k;
}

// The case-insensitive variant gives each small letter the key of its capital.
std::array<unsigned char, 256> MakeNoCaseKeys(const std::array<unsigned char, 256>& keys) {
    std::array<unsigned char, 256> k = keys;
    auto capital = [&](int small, int cap) { k[small] = keys[cap]; };
    for (int c = 'a'; c <= 'z'; ++c) capital(c, c - 32);
    for (int c = 0xE0; c <= 0xFF; ++c) capital(c, c - 32);
    capital(0xB8, 0xA8);  // ё
    capital(0xB3, 0xB2);  // і
    capital(0xA2, 0xA1);  // ў
    capital(0x83, 0x81);  // ѓ
    capital(0x90, 0x80);  // ђ
    capital(0x9A, 0x8A);  // љ
    capital(0x9C, 0x8C);  // њ
    capital(0x9D, 0x8D);  // ќ
    capital(0x9E, 0x8E);  // ћ
    capital(0x9F, 0x8F);  // џ
    return k;
}

const std::array<unsigned char, 256> kDictionaryKeys = MakeDictionaryKeys();
const std::array<unsigned char, 256> kNoCaseKeys = MakeNoCaseKeys(kDictionaryKeys);

int CompareByKeys(std::string_view a, std::string_view b, const std::array<unsigned char, 256>& keys) {
    const size_t n = std::min(a.size(), b.size());
    for (size_t i = 0; i < n; ++i) {
        const unsigned char ka = keys[static_cast<unsigned char>(a[i])];
        const unsigned char kb = keys[static_cast<unsigned char>(b[i])];
        if (ka != kb) return ka < kb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace

unsigned char DictionarySortKey(unsigned char c) { return kDictionaryKeys[c]; }
unsigned char DictionaryNoCaseSortKey(unsigned char c) { return kNoCaseKeys[c]; }

int CompareStrings(std::string_view a, std::string_view b, Collation collation) {
    switch (collation) {
    case Collation::Dictionary:
        return CompareByKeys(a, b, kDictionaryKeys);
    case Collation::DictionaryNoCase:
        return CompareByKeys(a, b, kNoCaseKeys);
    case Collation::Locale:
        // Like a locale's word order: letters first regardless of case,
        // capitals before small letters only to break ties.
        if (int r = CompareByKeys(a, b, kNoCaseKeys)) return r;
        return CompareByKeys(a, b, kDictionaryKeys);
    }
    return 0;
}

}  // namespace kunimor
