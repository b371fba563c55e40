#include "store/StagedFolder.h"

#include "ground/Error.h"
#include "ground/PathText.h"

#include <cstdint>
#include <random>
#include <string>

namespace fs = std::filesystem;

namespace kunimor {

namespace {

[[noreturn]] void Fail(const fs::filesystem_error& e) {
    if (e.path1().empty()) throw Error(e.what());
    throw Error(PathText(e.path1()) + ": " + e.code().message());
}

// "out/" names the folder out, as "out" does.
fs::path FolderPath(const fs::path& p) {
    fs::path folder = fs::absolute(p).lexically_normal();
    if (!folder.has_filename()) folder = folder.parent_path();
    return folder;
}

}  // namespace

StagedFolder::StagedFolder(const fs::path& target) try : target_(FolderPath(target)) {
    if (fs::exists(target_) && !fs::is_directory(target_)) throw Error(PathText(target_) + ": not a folder");
    fs::create_directories(target_.parent_path());
    staging_ = Sibling("new");
    fs::create_directory(staging_);
} catch (const fs::filesystem_error& e) {
    Fail(e);
}

StagedFolder::~StagedFolder() {
    if (committed_) return;
    std::error_code ignored;
    fs::remove_all(staging_, ignored);
}

// A hidden name beside the target that no other run picks.
fs::path StagedFolder::Sibling(const char* role) const {
    std::random_device random;
    std::string name(1, '.');
    name += target_.filename().string();
    name += '.';
    name += role;
    name += '-';
    name += std::to_string(std::uniform_int_distribution<uint32_t>()(random));
    return target_.parent_path() / name;
}

void StagedFolder::CarryOverUnstaged() const {
    for (const fs::directory_entry& entry : fs::directory_iterator(target_)) {
        const fs::path staged = staging_ / entry.path().filename();
        if (fs::exists(fs::symlink_status(staged))) continue;
        fs::copy(entry.path(), staged, fs::copy_options::recursive | fs::copy_options::copy_symlinks);
    }
}

void StagedFolder::Commit() {
    try {
        if (!fs::exists(target_)) {
            fs::rename(staging_, target_);
            committed_ = true;
            return;
        }
        CarryOverUnstaged();
        const fs::path old = Sibling("old");
        fs::rename(target_, old);
        try {
            fs::rename(staging_, target_);
        } catch (...) {
            fs::rename(old, target_);
            throw;
        }
        committed_ = true;
        std::error_code ignored;  // the new folder is in place; a leftover old copy harms nothing
        fs::remove_all(old, ignored);
    } catch (const fs::filesystem_error& e) {
        Fail(e);
    }
}

}  // namespace kunimor
