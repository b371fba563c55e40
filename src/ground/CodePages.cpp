#include "ground/CodePages.h"

#include <initializer_list>

#include "ground/Error.h"
#include "ground/Cp1251.h"
#include "ground/Cp1251Literal.h"
#include "ground/LatinScript.h"

namespace kunimor {
namespace {

// Windows-1251 letters and the code page byte of the first; the others
// follow on consecutive bytes.
struct TLetterRun {
    std::string_view letters;
    unsigned char firstByte;
};

struct TRecodeTable {
    std::array<unsigned char, 128> toAnsi{};
    std::array<unsigned char, 128> fromAnsi{};
};

constexpr std::string_view kRusCapitals = "АБВГДЕЖЗИЙКЛМНОПРСТУФХЦЧШЩЪЫЬЭЮЯ"_cp1251;
constexpr std::string_view kRusSmall = "абвгдежзийклмнопрстуфхцчшщъыьэюя"_cp1251;

// bothWays are converted in either direction, fromAnsiOnly only out of Windows-1251.
constexpr TRecodeTable MakeTable(std::initializer_list<TLetterRun> bothWays,
                                 std::initializer_list<TLetterRun> fromAnsiOnly = {}) {
    TRecodeTable table;
    for (unsigned i = 0; i < 128; ++i) table.toAnsi[i] = table.fromAnsi[i] = static_cast<unsigned char>(0x80 + i);
    const auto fill = [&table](const TLetterRun& run, bool toAnsi) {
        for (std::size_t i = 0; i < run.letters.size(); ++i) {
            const auto letter = static_cast<unsigned char>(run.letters[i]);
            const auto byte = static_cast<unsigned char>(run.firstByte + i);
            if (toAnsi) table.toAnsi[byte - 0x80] = letter;
            table.fromAnsi[letter - 0x80] = byte;
        }
    };
    for (const TLetterRun& run : bothWays) fill(run, true);
    for (const TLetterRun& run : fromAnsiOnly) fill(run, false);
    return table;
}

constexpr TRecodeTable kDos866 = MakeTable(
    {{kRusCapitals, 0x80}, {kRusSmall.substr(0, 16), 0xA0}, {kRusSmall.substr(16), 0xE0},
     {"ЁёЄєЇїЎў"_cp1251, 0xF0}},
    // DOS 866 has no "І" and "і"; the Latin letters stand in for them.
    {{"І"_cp1251, 'I'}, {"і"_cp1251, 'i'}});

constexpr TRecodeTable kKoi8r = MakeTable({{"юабцдефгхийклмнопярстужвьызшэщчъ"_cp1251, 0xC0},
                                           {"ЮАБЦДЕФГХИЙКЛМНОПЯРСТУЖВЬЫЗШЭЩЧЪ"_cp1251, 0xE0},
                                           {"ё"_cp1251, 0xA3},
                                           {"Ё"_cp1251, 0xB3},
                                           // where KOI8-U has them
                                           {"і"_cp1251, 0xA6},
                                           {"І"_cp1251, 0xB6}});

// "а" to "ю" have the same bytes in Mac OS Cyrillic and need no entry.
constexpr TRecodeTable kMac = MakeTable({{kRusCapitals, 0x80},
                                         {"я"_cp1251, 0xDF},
                                         {"Ёё"_cp1251, 0xDD},
                                         {"І"_cp1251, 0xA7},
                                         {"і"_cp1251, 0xB4},
                                         {"ЄєЇї"_cp1251, 0xB8},
                                         {"Ўў"_cp1251, 0xD8},
                                         {"«»"_cp1251, 0xC7},
                                         {"№"_cp1251, 0xDC},
                                         // where the published code page has Ѓ and ѓ
                                         {"Ґґ"_cp1251, 0xAE}});

constexpr TRecodeTable kIso = MakeTable(
    {{kRusCapitals, 0xB0}, {kRusSmall, 0xD0}, {"Ё"_cp1251, 0xA1}, {"ё"_cp1251, 0xF1}});

const TRecodeTable& TableOf(int index) {
    switch (index) {
    case kCpDos866: return kDos866;
    case kCpKoi8r: return kKoi8r;
    case kCpMac: return kMac;
    case kCpIso: return kIso;
    default: throw Error("code page " + std::to_string(index) + " has no byte table");
    }
}

std::string RecodeText(TRecodeDirection direction, int index, std::string_view text) {
    std::string out(text);
    for (char& c : out) c = RecodeChar(direction, index, c);
    return out;
}

}  // namespace

char RecodeChar(TRecodeDirection direction, int index, char byte) {
    const TRecodeTable& table = TableOf(index);
    const auto code = static_cast<unsigned char>(byte);
    if (code >= 0x80) {
        const auto& half = direction == TRecodeDirection::ToAnsi ? table.toAnsi : table.fromAnsi;
        return static_cast<char>(half[code - 0x80]);
    }
    if (index == kCpDos866 && direction == TRecodeDirection::ToAnsi) {
        if (byte == 'I') return U'І'_cp1251;
        if (byte == 'i') return U'і'_cp1251;
    }
    return byte;
}

std::string ConvertText(bool toCodePage, int index, std::string_view text, bool numericRefs,
                        std::optional<TReadProblem>* problem) {
    switch (index) {
    case kCpAnsi:
        return std::string(text);
    case kCpLatinka:
        if (toCodePage) {
            std::string latin = CyrToLatinka(text);
            return numericRefs ? EncodeLatinkaRefs(latin) : latin;
        }
        return numericRefs ? LatinkaToCyr(DecodeLatinkaRefs(text)) : LatinkaToCyr(text);
    case kCpUtf8:
        return toCodePage ? Cp1251ToUtf8(text) : Utf8TextToCp1251(text, problem);
    case kCpUnicode:
        return toCodePage ? Cp1251ToUtf16Text(text) : Utf16TextToCp1251(text, problem);
    case kCpDos866:
    case kCpKoi8r:
    case kCpMac:
    case kCpIso:
        return RecodeText(toCodePage ? TRecodeDirection::FromAnsi : TRecodeDirection::ToAnsi, index, text);
    default:
        throw Error("unknown code page " + std::to_string(index));
    }
}

}  // namespace kunimor
