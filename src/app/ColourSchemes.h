#pragma once

#include <array>
#include <filesystem>
#include <string_view>

namespace kunimor::app {

struct TSettings;

struct TColourScheme {
    std::string_view name;     // the file is name + ".theme" in the settings folder
    std::string_view caption;  // as the menu shows it
};

inline constexpr std::array<TColourScheme, 4> kColourSchemes = {
    {{"Classic", "Классика"}, {"Notepad", "Блокнот"}, {"Word", "Ворд"}, {"Pascal", "Паскаль"}}};

// Loads the scheme's file from the settings folder into the font and text
// views of settings; without a file there, the scheme the program comes with.
void LoadColourScheme(TSettings& settings, const std::filesystem::path& settingsFolder, std::string_view name);

}  // namespace kunimor::app
