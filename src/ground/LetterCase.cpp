#include "ground/LetterCase.h"

#include "ground/CharSet.h"
#include "ground/Cp1251Literal.h"

namespace kunimor {
namespace {

// In the blocks handled arithmetically a capital sits 0x20 below its small letter.
constexpr int kCaseDistance = 0x20;

constexpr bool IsAsciiLower(char c) { return c >= 'a' && c <= 'z'; }
constexpr bool IsAsciiUpper(char c) { return c >= 'A' && c <= 'Z'; }

constexpr bool InByteRange(char c, unsigned char first, unsigned char last) {
    const auto code = static_cast<unsigned char>(c);
    return code >= first && code <= last;
}

// а..я sit at 0xE0..0xFF and А..Я at 0xC0..0xDF.
constexpr bool IsCyrSmallBlock(char c) { return InByteRange(c, 0xE0, 0xFF); }
constexpr bool IsCyrCapitalBlock(char c) { return InByteRange(c, 0xC0, 0xDF); }

struct CasePair {
    char upper;
    char lower;
};

constexpr CasePair kCyrOutOfBlock[] = {
    {U'Ё'_cp1251, U'ё'_cp1251}, {U'І'_cp1251, U'і'_cp1251}, {U'Ў'_cp1251, U'ў'_cp1251}};

// The Latin-script letters outside a..z in Windows-1257, aligned by position:
// ć č ź š ń ł ś ū ž.
constexpr std::string_view kLatSmallAccented = "\xE3\xE8\xEA\xF0\xF1\xF9\xFA\xFB\xFE";
constexpr std::string_view kLatCapitalAccented = "\xC3\xC8\xCA\xD0\xD1\xD9\xDA\xDB\xDE";

constexpr CharSet kCountsAsLower = CharSet("'ўіё"_cp1251).AddRange(0xE0, 0xFF);

template <char (*Convert)(char)>
std::string MapChars(std::string_view text) {
    std::string out(text);
    for (char& c : out) c = Convert(c);
    return out;
}

// The case operations of one script, so both share the pattern logic.
struct ScriptCase {
    std::string (*upperAll)(std::string_view);
    std::string (*lowerAll)(std::string_view);
    char (*upperOne)(char);
};

std::string ApplyPattern(std::string_view source, TCasePattern pattern, bool keepRest,
                         const ScriptCase& script) {
    if (pattern == TCasePattern::csUpper) return script.upperAll(source);
    std::string out = keepRest ? std::string(source) : script.lowerAll(source);
    if (pattern == TCasePattern::csCapital && !out.empty()) out[0] = script.upperOne(out[0]);
    return out;
}

}  // namespace

char UpCaseCyr(char c) {
    if (IsAsciiLower(c) || IsCyrSmallBlock(c)) return static_cast<char>(c - kCaseDistance);
    for (const CasePair& pair : kCyrOutOfBlock) {
        if (c == pair.lower) return pair.upper;
    }
    return c;
}

char LoCaseCyr(char c) {
    if (IsAsciiUpper(c) || IsCyrCapitalBlock(c)) return static_cast<char>(c + kCaseDistance);
    for (const CasePair& pair : kCyrOutOfBlock) {
        if (c == pair.upper) return pair.lower;
    }
    return c;
}

char UpCaseLat(char c) {
    if (IsAsciiLower(c)) return static_cast<char>(c - kCaseDistance);
    const std::size_t i = kLatSmallAccented.find(c);
    return i == std::string_view::npos ? c : kLatCapitalAccented[i];
}

char LoCaseLat(char c) {
    if (IsAsciiUpper(c)) return static_cast<char>(c + kCaseDistance);
    const std::size_t i = kLatCapitalAccented.find(c);
    return i == std::string_view::npos ? c : kLatSmallAccented[i];
}

std::string UpperCaseCyr(std::string_view text) { return MapChars<UpCaseCyr>(text); }
std::string LowerCaseCyr(std::string_view text) { return MapChars<LoCaseCyr>(text); }
std::string UpperCaseLat(std::string_view text) { return MapChars<UpCaseLat>(text); }
std::string LowerCaseLat(std::string_view text) { return MapChars<LoCaseLat>(text); }

TCasePattern GetCasePattern(std::string_view word) {
    if (word.empty() || kCountsAsLower.Contains(word.front())) return TCasePattern::csLower;
    if (word.size() == 1 || kCountsAsLower.Contains(word.back())) return TCasePattern::csCapital;
    return TCasePattern::csUpper;
}

std::string ApplyCasePattern(std::string_view source, TCasePattern pattern, bool keepRest) {
    return ApplyPattern(source, pattern, keepRest, {UpperCaseCyr, LowerCaseCyr, UpCaseCyr});
}

std::string ApplyCasePatternLat(std::string_view source, TCasePattern pattern, bool keepRest) {
    return ApplyPattern(source, pattern, keepRest, {UpperCaseLat, LowerCaseLat, UpCaseLat});
}

}  // namespace kunimor
