#include "cli/Terminal.h"

#include "ground/Cp1251.h"

namespace kunimor::cli {

std::string TerminalText(std::string_view engineText) {
    std::string lines;
    lines.reserve(engineText.size());
    for (size_t i = 0; i < engineText.size(); ++i) {
        if (engineText[i] != '\r') {
            lines += engineText[i];
        } else if (i + 1 == engineText.size() || engineText[i + 1] != '\n') {
            lines += '\n';
        }
    }
    return Cp1251ToUtf8(lines);
}

}  // namespace kunimor::cli
