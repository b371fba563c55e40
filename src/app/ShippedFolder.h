#pragma once

#include <filesystem>
#include <string_view>

namespace kunimor::app {

// A folder of files shipped with the program (language files, help): name/
// in the program's folder (the build tree, a portable install), else
// ../share/kunimor/name/ beside it.
std::filesystem::path ShippedFolder(const std::filesystem::path& programFolder, std::string_view name);

}  // namespace kunimor::app
