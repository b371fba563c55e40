#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace kunimor::app {

// Reads the RTF that this program writes (TRtfBuilder) and the plain part of
// what common word processors write, into runs of text with their looks.
//
// What is read: groups, the colour table (\red \green \blue, ";" per entry;
// \cf0 and missing entries are the default colour), \b \i \ul \strike and
// their switches off (\b0 \i0 \ulnone \ul0 \strike0), \plain, \fsN (half
// points), \par \line \sect \page \row as line breaks, \tab \cell as tabs,
// \'hh in the document's code page (\ansicpgN, or the font's \fcharset 204
// for Cyrillic; Windows-1251 is the default, other single-byte pages are
// read as Latin-1), \uN with \ucN fallback characters skipped, the escaped
// \\ \{ \}, the typographic symbols (\emdash \endash \lquote \rquote
// \ldblquote \rdblquote \bullet \~ \_), \binN data skipped.
// What is skipped: every group starting with \* and the known destinations
// that hold no text of the document (font table, style sheet, info, pictures,
// objects, headers, footers, footnotes, field instructions, list and
// revision tables, and the like); any other control word is ignored.
// Limits: groups nest at most kMaxDepth deep; what lies deeper is skipped.
// Malformed input (unbalanced braces, cut-off control words) never fails:
// what could be read is returned.
struct TRtfRun {
    std::u16string text;
    bool hasColor = false;
    uint32_t color = 0;  // 0xRRGGBB when hasColor
    uint8_t style = 0;   // the style bits of Settings.h
    int fontSize = 0;    // points, 0 when the document does not say
};

inline constexpr int kMaxRtfDepth = 100;

// Whether bytes hold RTF: "{\rtf" after optional blanks.
bool LooksLikeRtf(std::string_view bytes);

std::vector<TRtfRun> ReadRtf(std::string_view bytes);

}  // namespace kunimor::app
