#pragma once

#include <cstddef>
#include <string>

namespace kunimor {

// The stretch [from, to) of a Windows-1251 text with the typography both
// Russian and Belarusian style guides ask for: typewriter quotes become
// «guillemets» (opening after a blank, a bracket or the start, closing
// elsewhere) and a hyphen between blanks becomes a dash. The neighbours
// outside the stretch decide as well, so a text can be set piece by piece.
std::string TypesetStretch(const std::string& text, std::size_t from, std::size_t to);

}  // namespace kunimor
