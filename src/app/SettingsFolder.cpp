#include "app/SettingsFolder.h"

#include <unistd.h>

#include <cstdlib>

namespace kunimor::app {

std::filesystem::path SettingsFolder(const std::filesystem::path& programFolder) {
    const std::filesystem::path portable = programFolder / "INI";
    std::error_code error;
    if (std::filesystem::is_directory(portable, error) && ::access(portable.c_str(), W_OK) == 0) return portable;

    std::filesystem::path config;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg == '/') {
        config = xdg;
    } else if (const char* home = std::getenv("HOME"); home && *home) {
        config = std::filesystem::path(home) / ".config";
    } else {
        config = std::filesystem::temp_directory_path(error);
    }
    const std::filesystem::path folder = config / "kunimor";
    std::filesystem::create_directories(folder, error);
    return folder;
}

}  // namespace kunimor::app
