#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace kunimor {

// The dictionary folder of a command that takes one optionally: the --dict
// option, else $KUNIMOR_DATA, else data/ in the program's folder.
std::filesystem::path DataFolder(const std::optional<std::string>& dictOption);

}  // namespace kunimor
