#pragma once

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace kunimor::app {

// Pane text in the engine's Windows-1251, one byte for each UTF-16 unit of
// the pane so that offsets agree both ways. What Windows-1251 cannot hold
// (and the stand-in byte itself) is set aside, in order, with the gap
// stand-in in its place; the engine carries those to the output in order.
struct TEngineText {
    std::string text;
    std::vector<QChar> setAside;
};

TEngineText ToEngine(const QString& text);

// Engine text back for a pane; each stand-in takes the set-aside character
// at next, which moves on (a stand-in with none left stays as it is).
QString FromEngine(std::string_view cp1251, const std::vector<QChar>& setAside, std::size_t& next);

// Windows-1251 text without stand-ins.
QString FromCp1251(std::string_view cp1251);

}  // namespace kunimor::app
