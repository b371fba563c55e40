#pragma once

#include <filesystem>
#include <string>

namespace kunimor {

// A file path as engine text (Windows-1251) for error messages; characters
// Windows-1251 lacks become '?', so a message never carries mixed encodings.
std::string PathText(const std::filesystem::path& path);

}  // namespace kunimor
