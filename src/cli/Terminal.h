#pragma once

#include <string>
#include <string_view>

namespace kunimor::cli {

// Engine text (Windows-1251, with the CR line breaks of the dictionary's
// messages) as terminal text: UTF-8 with LF line breaks.
std::string TerminalText(std::string_view engineText);

}  // namespace kunimor::cli
