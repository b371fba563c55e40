#include "dictionary/DataFolder.h"

#include "ground/Error.h"

#include <cstdlib>
#include <system_error>

namespace kunimor {

namespace {

std::filesystem::path ProgramFolder() {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) throw Error("cannot find the program's folder: " + error.message());
    return program.parent_path();
}

}  // namespace

std::filesystem::path DataFolder(const std::optional<std::string>& dictOption) {
    if (dictOption) return *dictOption;
    if (const char* env = std::getenv("KUNIMOR_DATA"); env && *env) return env;
    return ProgramFolder() / "data";
}

}  // namespace kunimor
