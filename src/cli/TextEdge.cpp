#include "cli/TextEdge.h"

#include "ground/CodePages.h"
#include "ground/Cp1251.h"
#include "ground/Utf8.h"
#include "translator/StandInChars.h"

namespace kunimor::cli {
namespace {

constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";
constexpr std::string_view kUtf16Bom = "\xFF\xFE";

bool IsStandIn(char c) { return c == kWordStandIn || c == kGapStandIn; }

// Characters that belong to the letter before them: combining marks (the
// stress accent above all), joiners and variation selectors.
bool JoinsItsWord(char32_t cp) {
    return (cp >= 0x0300 && cp <= 0x036F) || (cp >= 0x1AB0 && cp <= 0x1AFF) || (cp >= 0x1DC0 && cp <= 0x1DFF) ||
           (cp >= 0x20D0 && cp <= 0x20FF) || (cp >= 0xFE20 && cp <= 0xFE2F) || (cp >= 0xFE00 && cp <= 0xFE0F) ||
           cp == 0x200C || cp == 0x200D || (cp >= 0xE0100 && cp <= 0xE01EF);
}

// Adds one decoded character (nullopt: bytes that do not decode) to out.
void AddCharacter(std::optional<char32_t> cp, std::string_view bytes, TEdgeText& out) {
    if (cp) {
        const int byte = UnicodeToCp1251(*cp);
        if (byte >= 0 && !IsStandIn(static_cast<char>(byte))) {
            out.text += static_cast<char>(byte);
            return;
        }
    }
    out.text += cp && JoinsItsWord(*cp) ? kWordStandIn : kGapStandIn;
    out.setAside.emplace_back(bytes);
}

char16_t Unit16(std::string_view bytes, std::size_t pos) {
    return static_cast<char16_t>(static_cast<unsigned char>(bytes[pos]) |
                                 static_cast<unsigned char>(bytes[pos + 1]) << 8);
}

void ReadUtf8(std::string_view bytes, TEdgeText& out) {
    for (std::size_t pos = 0; pos < bytes.size();) {
        const std::size_t start = pos;
        const std::optional<char32_t> cp = DecodeUtf8(bytes, pos);
        if (!cp) ++pos;  // an undecodable byte is kept as it is
        AddCharacter(cp, bytes.substr(start, pos - start), out);
    }
}

// A UTF-16 character at pos, nullopt for a lone surrogate; moves pos past it.
std::optional<char32_t> DecodeUtf16(std::string_view bytes, std::size_t& pos) {
    const char16_t unit = Unit16(bytes, pos);
    pos += 2;
    if (unit < 0xD800 || unit > 0xDFFF) return unit;
    if (unit > 0xDBFF || pos + 1 >= bytes.size()) return std::nullopt;
    const char16_t low = Unit16(bytes, pos);
    if (low < 0xDC00 || low > 0xDFFF) return std::nullopt;
    pos += 2;
    return 0x10000 + ((static_cast<char32_t>(unit) - 0xD800) << 10) + (low - 0xDC00);
}

void ReadUtf16(std::string_view bytes, TEdgeText& out) {
    std::size_t pos = 0;
    while (pos + 1 < bytes.size()) {
        const std::size_t start = pos;
        const std::optional<char32_t> cp = DecodeUtf16(bytes, pos);
        AddCharacter(cp, bytes.substr(start, pos - start), out);
    }
    if (pos < bytes.size()) AddCharacter(std::nullopt, bytes.substr(pos), out);  // an odd last byte
}

void WriteUnicode(bool utf16, char c, std::string& out) {
    const char32_t cp = Cp1251ToUnicode(static_cast<unsigned char>(c));
    if (!utf16) {
        AppendUtf8(out, cp);
        return;
    }
    out += static_cast<char>(cp & 0xFF);
    out += static_cast<char>(cp >> 8);
}

}  // namespace

TTextEdge::TTextEdge(int codePage)
    : codePage_(codePage),
      unicode_(codePage == kCpUtf8 || codePage == kCpUnicode),
      unitSize_(codePage == kCpUnicode ? 2 : 1) {}

std::string_view TTextEdge::ByteOrderMark() const {
    if (codePage_ == kCpUtf8) return kUtf8Bom;
    if (codePage_ == kCpUnicode) return kUtf16Bom;
    return {};
}

std::string_view TTextEdge::OutputPreamble() const { return codePage_ == kCpUnicode ? kUtf16Bom : std::string_view(); }

TEdgeText TTextEdge::ToEngine(std::string_view bytes) const {
    TEdgeText out;
    if (!unicode_) {
        // The Latin script's numeric character references are always read.
        out.text = ConvertText(false, codePage_, bytes, true);
        return out;
    }
    out.text.reserve(bytes.size());
    if (codePage_ == kCpUtf8) ReadUtf8(bytes, out);
    else ReadUtf16(bytes, out);
    return out;
}

std::optional<std::string> TTextEdge::FromEngine(std::string_view engine, const std::vector<std::string>& setAside,
                                                 std::size_t& next) const {
    if (!unicode_) return ConvertText(true, codePage_, engine, false);
    std::string out;
    out.reserve(engine.size() * 2);
    for (char c : engine) {
        if (!IsStandIn(c)) {
            WriteUnicode(codePage_ == kCpUnicode, c, out);
        } else if (next < setAside.size()) {
            out += setAside[next++];
        } else {
            return std::nullopt;
        }
    }
    return out;
}

}  // namespace kunimor::cli
