#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace kunimor {

// Fills the %s and %d placeholders of a message pattern with args in order
// ("%%" is a percent sign); missing arguments leave their placeholder empty.
std::string FormatText(std::string_view pattern, std::initializer_list<std::string_view> args);

}  // namespace kunimor
