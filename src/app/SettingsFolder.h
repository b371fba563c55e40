#pragma once

#include <filesystem>

namespace kunimor::app {

// Where the settings file and the colour schemes live: INI/ in the
// program's folder when it exists and may be written (a portable install),
// else $XDG_CONFIG_HOME/kunimor/ (~/.config/kunimor/ without the variable),
// created when missing.
std::filesystem::path SettingsFolder(const std::filesystem::path& programFolder);

}  // namespace kunimor::app
