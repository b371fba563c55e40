#include "ground/LatinUtf8.h"

#include "ground/Language.h"
#include "ground/Alphabet.h"
#include "ground/CodePages.h"
#include "ground/Cp1251.h"
#include "ground/LatinScript.h"
#include "ground/Utf8.h"

namespace kunimor {
namespace {

// The Windows-1257 byte of a Latin-script character, or -1.
int LatinByte(char32_t codePoint) {
    if (codePoint < 0x80) return static_cast<int>(codePoint);
    for (const TLatinkaRef& ref : LatinkaRefs) {
        if (ref.codePoint == codePoint) return static_cast<unsigned char>(ref.letter);
    }
    return -1;
}

// The first code point listed for a letter is the one to show, ŭ for ū.
char32_t LatinCodePoint(char latin) {
    for (const TLatinkaRef& ref : LatinkaRefs) {
        if (ref.letter == latin) return ref.codePoint;
    }
    return static_cast<unsigned char>(latin);  // a..z and the apostrophe
}

}  // namespace

std::string CyrillicToLatinUtf8(std::string_view cp1251, bool numericRefs) {
    const CharSet& letters = LettersOf(kBelarusian).letters;
    std::string out;
    out.reserve(cp1251.size() * 2);
    for (std::size_t start = 0; start < cp1251.size();) {
        const bool word = letters.Contains(cp1251[start]);
        std::size_t end = start;
        while (end < cp1251.size() && letters.Contains(cp1251[end]) == word) ++end;
        const std::string_view run = cp1251.substr(start, end - start);
        if (word) {
            for (const char c : ConvertText(true, kCpLatinka, run, numericRefs)) AppendUtf8(out, LatinCodePoint(c));
        } else {
            out += Cp1251ToUtf8(run);
        }
        start = end;
    }
    return out;
}

std::string LatinUtf8ToCyrillic(std::string_view utf8, std::optional<TReadProblem>* problem) {
    std::string out;
    std::string latin;  // the current run of Latin-script text, Windows-1257
    const auto convertRun = [&] {
        out += ConvertText(false, kCpLatinka, latin, true);
        latin.clear();
    };
    for (TUtf8Reader reader(utf8, problem); !reader.AtEnd();) {
        const std::size_t offset = reader.Offset();
        const auto codePoint = reader.Next();
        const int byte = codePoint ? LatinByte(*codePoint) : -1;
        if (byte >= 0) {
            latin += static_cast<char>(byte);
            continue;
        }
        convertRun();
        out += codePoint ? Cp1251OrReplacement(*codePoint, offset, problem) : kReplacementChar;
    }
    convertRun();
    return out;
}

}  // namespace kunimor
