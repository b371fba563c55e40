#pragma once

#include <array>
#include <string>
#include <string_view>

namespace kunimor {

// Belarusian between the Cyrillic script (Windows-1251) and the Latin script
// (Windows-1257). Windows-1257 has no "ŭ", so the Latin text writes it with
// "ū" (0xFB, capital 0xDB).

// A special letter of the Latin script and the code point its numeric
// character reference carries.
struct TLatinkaRef {
    char letter;  // Windows-1257
    char16_t codePoint;
};

// Each capital precedes its small letter. Ū and ū come twice: first with the
// code points of Ŭ and ŭ, which export uses, then with their own, which only
// import understands.
inline constexpr std::array<TLatinkaRef, 20> LatinkaRefs = {{
    {'\xDE', 381}, {'\xFE', 382},  // Ž ž
    {'\xCA', 377}, {'\xEA', 378},  // Ź ź
    {'\xD9', 321}, {'\xF9', 322},  // Ł ł
    {'\xD1', 323}, {'\xF1', 324},  // Ń ń
    {'\xDA', 346}, {'\xFA', 347},  // Ś ś
    {'\xDB', 364}, {'\xFB', 365},  // Ū ū exported as Ŭ ŭ
    {'\xDB', 362}, {'\xFB', 363},  // Ū ū
    {'\xC3', 262}, {'\xE3', 263},  // Ć ć
    {'\xC8', 268}, {'\xE8', 269},  // Č č
    {'\xD0', 352}, {'\xF0', 353},  // Š š
}};

// Characters that are not Belarusian letters (digits, punctuation, Latin
// letters, and the Russian "и", "щ", "ъ") are copied as they are and end a
// word for the capitalisation rules.
std::string CyrToLatinka(std::string_view cyrillic);

// Characters outside the script's letters, the apostrophe included, are
// copied as they are; so are Windows-1257 letters the script does not use,
// whose bytes then read as unrelated Windows-1251 characters.
std::string LatinkaToCyr(std::string_view latin);

// Writes every special letter as its numeric character reference.
std::string EncodeLatinkaRefs(std::string_view latin);

// Turns the references back into letters, also one that a line break splits
// right after "&#"; line breaks themselves stay as they are.
std::string DecodeLatinkaRefs(std::string_view latin);

}  // namespace kunimor
