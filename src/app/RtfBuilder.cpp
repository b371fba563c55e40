#include "app/RtfBuilder.h"

#include <algorithm>
#include <array>

#include "app/Settings.h"

namespace kunimor::app {

TRtfBuilder::TRtfBuilder(std::string fontName) : fontName_(std::move(fontName)) {
    ControlWord("\\viewkind4\\uc1\\pard\\f0");
}

void TRtfBuilder::ControlWord(std::string_view word) {
    body_ << word;
    textMode_ = false;
}

void TRtfBuilder::SetFontSize(int points) {
    if (points == fontSize_) return;
    fontSize_ = points;
    ControlWord("\\fs" + std::to_string(2 * points));
}

void TRtfBuilder::SetColor(uint32_t rgb) {
    if (colorIndex_ >= 0 && colors_[static_cast<std::size_t>(colorIndex_)] == rgb) return;
    auto it = std::ranges::find(colors_, rgb);
    if (it == colors_.end()) it = colors_.insert(colors_.end(), rgb);
    colorIndex_ = static_cast<int>(it - colors_.begin());
    ControlWord("\\cf" + std::to_string(colorIndex_ + 1));
}

void TRtfBuilder::SetStyle(uint8_t style) {
    struct TSwitch {
        uint8_t bit;
        std::string_view on, off;
    };
    static constexpr std::array<TSwitch, 4> kSwitches = {{{kBold, "\\b", "\\b0"},
                                                          {kItalic, "\\i", "\\i0"},
                                                          {kUnderline, "\\ul", "\\ulnone"},
                                                          {kStrikeOut, "\\strike", "\\strike0"}}};
    for (const TSwitch& s : kSwitches)
        if ((style & s.bit) != (style_ & s.bit)) ControlWord(style & s.bit ? s.on : s.off);
    style_ = style;
}

void TRtfBuilder::AddText(std::string_view cp1251) {
    if (!textMode_) body_ << ' ';
    body_ << EscapeText(cp1251);
    textMode_ = true;
}

std::string TRtfBuilder::EscapeText(std::string_view cp1251) {
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (std::size_t i = 0; i < cp1251.size(); ++i) {
        const auto byte = static_cast<unsigned char>(cp1251[i]);
        if (byte == '\r') {
            out += "\\par\r\n";
            if (i + 1 < cp1251.size() && cp1251[i + 1] == '\n') ++i;
        } else if (byte < 32 || byte >= 128) {
            out += "\\'";
            out += kHex[byte >> 4];
            out += kHex[byte & 0xF];
        } else if (byte == '\\' || byte == '{' || byte == '}') {
            out += '\\';
            out += static_cast<char>(byte);
        } else {
            out += static_cast<char>(byte);
        }
    }
    return out;
}

void TRtfBuilder::SaveToStream(std::ostream& out) const {
    out << "{\\rtf1\\ansi\\ansicpg1251\\deff0\\deflang1049";
    out << "{\\fonttbl{\\f0\\fnil\\fcharset204 " << fontName_ << ";}}\r\n";
    out << "{\\colortbl ;";
    for (uint32_t c : colors_) out << "\\red" << (c >> 16) << "\\green" << ((c >> 8) & 0xFF) << "\\blue" << (c & 0xFF) << ';';
    out << "}\r\n";
    out << body_.str() << "\\par\r\n}";
}

std::string TRtfBuilder::Document() const {
    std::ostringstream out;
    SaveToStream(out);
    return out.str();
}

}  // namespace kunimor::app
