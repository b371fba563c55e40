#pragma once

#include <cstdint>
#include <ostream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace kunimor::app {

// Writes a small RTF document of Windows-1251 text in one font, with
// colours and font styles (the style bits of Settings.h), for one document.
class TRtfBuilder {
public:
    explicit TRtfBuilder(std::string fontName);

    void SetFontSize(int points);
    void SetColor(uint32_t rgb);
    void SetStyle(uint8_t style);
    void AddText(std::string_view cp1251);
    void SaveToStream(std::ostream& out) const;
    std::string Document() const;

    static std::string EscapeText(std::string_view cp1251);

private:
    void ControlWord(std::string_view word);

    std::ostringstream body_;
    bool textMode_ = false;
    std::vector<uint32_t> colors_;
    std::string fontName_;
    int fontSize_ = 0;
    uint8_t style_ = 0;
    int colorIndex_ = -1;
};

}  // namespace kunimor::app
