#include "app/ShippedFolder.h"

namespace kunimor::app {

std::filesystem::path ShippedFolder(const std::filesystem::path& programFolder, std::string_view name) {
    const std::filesystem::path beside = programFolder / name;
    if (std::filesystem::is_directory(beside)) return beside;
    return programFolder.parent_path() / "share" / "kunimor" / name;
}

}  // namespace kunimor::app
