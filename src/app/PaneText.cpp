#include "app/PaneText.h"

#include "ground/Cp1251.h"
#include "translator/StandInChars.h"

namespace kunimor::app {

TEngineText ToEngine(const QString& text) {
    TEngineText out;
    out.text.reserve(static_cast<std::size_t>(text.size()));
    for (QChar c : text) {
        const int byte = UnicodeToCp1251(c.unicode());
        if (byte < 0 || static_cast<char>(byte) == kGapStandIn || static_cast<char>(byte) == kWordStandIn) {
            out.setAside.push_back(c);
            out.text += kGapStandIn;
        } else {
            out.text += static_cast<char>(byte);
        }
    }
    return out;
}

QString FromEngine(std::string_view cp1251, const std::vector<QChar>& setAside, std::size_t& next) {
    QString out;
    out.reserve(static_cast<qsizetype>(cp1251.size()));
    for (char c : cp1251) {
        if (c == kGapStandIn && next < setAside.size()) {
            out += setAside[next++];
        } else {
            out += QChar(static_cast<char16_t>(Cp1251ToUnicode(static_cast<unsigned char>(c))));
        }
    }
    return out;
}

QString FromCp1251(std::string_view cp1251) {
    std::size_t none = 0;
    return FromEngine(cp1251, {}, none);
}

}  // namespace kunimor::app
