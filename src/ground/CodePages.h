#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "ground/UnicodeText.h"

namespace kunimor {

// The code pages texts are opened, saved and recoded in, by index. Engine
// text is Windows-1251, so every conversion goes to or from it.
inline constexpr int kCpAnsi = 0;     // Windows-1251 itself
inline constexpr int kCpDos866 = 1;
inline constexpr int kCpLatinka = 2;  // Belarusian in the Latin script, Windows-1257
inline constexpr int kCpUtf8 = 3;
inline constexpr int kCpUnicode = 4;  // UTF-16 little-endian with a byte-order mark
inline constexpr int kCpKoi8r = 5;
inline constexpr int kCpMac = 6;
inline constexpr int kCpIso = 7;      // ISO 8859-5
inline constexpr int kCodePageCount = 8;

// As the encoding lists of the file dialogs and the status bar show them.
inline constexpr std::array<std::string_view, kCodePageCount> CodePageNames = {
    "ANSI (Windows 1251)", "ASCII (DOS 866)", "Lacinka (Baltic 1257)", "UTF-8",
    "Unicode",             "KOI8-R",          "MAC",                   "ISO",
};

enum class TRecodeDirection {
    ToAnsi = 0,    // into Windows-1251
    FromAnsi = 1,  // out of Windows-1251
};

// One byte through the table of code page index 1, 5, 6 or 7 (any other
// index is an Error). Only the letters the tables list are converted; every
// other byte keeps its value. Below 0x80 a byte is itself, except that DOS
// 866 text has no "і": its "I" and "i" are read as "І" and "і".
char RecodeChar(TRecodeDirection direction, int index, char byte);

// toCodePage converts Windows-1251 text into code page index, otherwise text
// in that code page into Windows-1251. numericRefs writes, or reads, the
// special letters of the Latin script as numeric character references.
// Reading UTF-8 or UTF-16 replaces what Windows-1251 cannot hold; problem,
// when given, receives the first such spot.
std::string ConvertText(bool toCodePage, int index, std::string_view text, bool numericRefs,
                        std::optional<TReadProblem>* problem = nullptr);

}  // namespace kunimor
