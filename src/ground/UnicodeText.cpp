#include "ground/UnicodeText.h"

#include <cstdio>

#include "ground/Cp1251.h"
#include "ground/Utf8.h"

namespace kunimor {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Bom = "\xFF\xFE";

bool IsContinuationByte(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

std::string CodePointName(char32_t codePoint) {
    char name[16];
    std::snprintf(name, sizeof name, "U+%04X", static_cast<unsigned>(codePoint));
    return name;
}

char16_t UnitAt(std::string_view bytes, std::size_t pos) {
    return static_cast<char16_t>(static_cast<unsigned char>(bytes[pos]) |
                                 static_cast<unsigned char>(bytes[pos + 1]) << 8);
}

bool IsHighSurrogate(char16_t unit) { return unit >= 0xD800 && unit <= 0xDBFF; }
bool IsLowSurrogate(char16_t unit) { return unit >= 0xDC00 && unit <= 0xDFFF; }

}  // namespace

void NoteReadProblem(std::optional<TReadProblem>* problem, std::size_t offset, std::string what) {
    if (problem && !problem->has_value()) *problem = TReadProblem{offset, std::move(what)};
}

char Cp1251OrReplacement(char32_t codePoint, std::size_t offset, std::optional<TReadProblem>* problem) {
    const int byte = UnicodeToCp1251(codePoint);
    if (byte >= 0) return static_cast<char>(byte);
    NoteReadProblem(problem, offset, CodePointName(codePoint) + " has no Windows-1251 character");
    return kReplacementChar;
}

TUtf8Reader::TUtf8Reader(std::string_view utf8, std::optional<TReadProblem>* problem)
    : utf8_(utf8), pos_(utf8.starts_with(kUtf8Bom) ? kUtf8Bom.size() : 0), problem_(problem) {}

std::optional<char32_t> TUtf8Reader::Next() {
    const std::size_t start = pos_;
    if (const auto codePoint = DecodeUtf8(utf8_, pos_)) return codePoint;
    NoteReadProblem(problem_, start, "invalid UTF-8");
    ++pos_;
    while (!AtEnd() && IsContinuationByte(utf8_[pos_])) ++pos_;
    return std::nullopt;
}

std::string Utf8TextToCp1251(std::string_view utf8, std::optional<TReadProblem>* problem) {
    std::string out;
    out.reserve(utf8.size());
    for (TUtf8Reader reader(utf8, problem); !reader.AtEnd();) {
        const std::size_t offset = reader.Offset();
        const auto codePoint = reader.Next();
        out += codePoint ? Cp1251OrReplacement(*codePoint, offset, problem) : kReplacementChar;
    }
    return out;
}

std::string Utf16TextToCp1251(std::string_view bytes, std::optional<TReadProblem>* problem) {
    std::string out;
    out.reserve(bytes.size() / 2 + 1);
    std::size_t pos = bytes.starts_with(kUtf16Bom) ? kUtf16Bom.size() : 0;
    for (; pos + 1 < bytes.size(); pos += 2) {
        const char16_t unit = UnitAt(bytes, pos);
        if (IsHighSurrogate(unit) && pos + 3 < bytes.size() && IsLowSurrogate(UnitAt(bytes, pos + 2))) {
            const char32_t codePoint = 0x10000 + ((unit - 0xD800) << 10) + (UnitAt(bytes, pos + 2) - 0xDC00);
            out += Cp1251OrReplacement(codePoint, pos, problem);
            pos += 2;
        } else if (IsHighSurrogate(unit) || IsLowSurrogate(unit)) {
            NoteReadProblem(problem, pos, "unpaired UTF-16 surrogate");
            out += kReplacementChar;
        } else {
            out += Cp1251OrReplacement(unit, pos, problem);
        }
    }
    if (pos < bytes.size()) {
        NoteReadProblem(problem, pos, "odd byte ending UTF-16 text");
        out += kReplacementChar;
    }
    return out;
}

std::string Cp1251ToUtf16Text(std::string_view cp1251) {
    std::string out(kUtf16Bom);
    out.reserve(kUtf16Bom.size() + 2 * cp1251.size());
    for (const char c : cp1251) {
        const char32_t unit = Cp1251ToUnicode(static_cast<unsigned char>(c));
        out += static_cast<char>(unit & 0xFF);
        out += static_cast<char>(unit >> 8);
    }
    return out;
}

}  // namespace kunimor
