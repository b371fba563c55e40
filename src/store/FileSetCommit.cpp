#include "store/FileSetCommit.h"

#include "ground/Error.h"
#include "ground/PathText.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>

namespace fs = std::filesystem;

namespace kunimor {

namespace {

constexpr const char* kNewSuffix = ".new";
constexpr const char* kBackupSuffix = ".bak";

[[noreturn]] void Fail(const fs::path& path, const std::string& what) {
    throw Error(PathText(path) + ": " + what);
}

// Flushes a file or a folder (its entries: the renames) to the disk.
void SyncToDisk(const fs::path& path, bool folder) {
    const int fd = ::open(path.c_str(), folder ? O_RDONLY | O_DIRECTORY : O_RDONLY);
    if (fd < 0) Fail(path, std::strerror(errno));
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    if (!synced) Fail(path, std::strerror(error));
}

void Rename(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::rename(from, to, error);
    if (error) Fail(from, "cannot be renamed to " + to.filename().string() + ": " + error.message());
}

fs::path With(const fs::path& folder, const std::string& name, const char* suffix) {
    return folder / (name + suffix);
}

// The old file becomes the backup, the new one takes its place.
void PutInPlace(const fs::path& folder, const std::string& name, const std::function<void(std::string_view)>& step) {
    const fs::path file = folder / name;
    if (step) step("backup " + name);
    if (fs::exists(fs::symlink_status(file))) Rename(file, With(folder, name, kBackupSuffix));
    if (step) step("replace " + name);
    Rename(With(folder, name, kNewSuffix), file);
}

void RemoveQuietly(const fs::path& path) {
    std::error_code ignored;
    fs::remove(path, ignored);
}

}  // namespace

FileSetCommit::FileSetCommit(fs::path folder) : folder_(std::move(folder)) {}

FileSetCommit::~FileSetCommit() {
    if (committed_) return;
    for (const std::string& name : names_) RemoveQuietly(With(folder_, name, kNewSuffix));
    RemoveQuietly(With(folder_, std::string(kJournalName), kNewSuffix));
}

fs::path FileSetCommit::Stage(const std::string& name) {
    names_.push_back(name);
    const fs::path staged = With(folder_, name, kNewSuffix);
    RemoveQuietly(staged);  // a leftover of an interrupted save
    return staged;
}

void FileSetCommit::Step(std::string_view step) const {
    if (onStep) onStep(step);
}

void FileSetCommit::Commit() {
    // Everything that could make a rename fail is checked before the commit
    // point, so that a refusal leaves the old files untouched.
    for (const std::string& name : names_) {
        const fs::path file = folder_ / name;
        if (fs::exists(file) && !fs::is_regular_file(file)) Fail(file, "is not a file and cannot be replaced");
        const fs::path backup = With(folder_, name, kBackupSuffix);
        if (fs::exists(backup) && !fs::is_regular_file(backup))
            Fail(backup, "is not a file and cannot be replaced by the backup");
        Step("flush " + name);
        SyncToDisk(With(folder_, name, kNewSuffix), false);
    }
    const fs::path journalNew = With(folder_, std::string(kJournalName), kNewSuffix);
    {
        std::ofstream journal(journalNew, std::ios::binary | std::ios::trunc);
        for (const std::string& name : names_) journal << name << '\n';
        journal.close();
        if (!journal) Fail(journalNew, "cannot be written");
    }
    SyncToDisk(journalNew, false);
    Step("journal");
    Rename(journalNew, folder_ / kJournalName);
    SyncToDisk(folder_, true);
    committed_ = true;  // from here on the new set is the dictionary
    for (const std::string& name : names_) PutInPlace(folder_, name, onStep);
    SyncToDisk(folder_, true);
    Step("done");
    RemoveQuietly(folder_ / kJournalName);
}

void RecoverFileSet(const fs::path& folder, const std::vector<std::string>& names) {
    const fs::path journalPath = folder / FileSetCommit::kJournalName;
    RemoveQuietly(With(folder, std::string(FileSetCommit::kJournalName), kNewSuffix));
    if (!fs::exists(journalPath)) {
        for (const std::string& name : names) RemoveQuietly(With(folder, name, kNewSuffix));
        return;
    }
    std::ifstream journal(journalPath, std::ios::binary);
    for (std::string name; std::getline(journal, name);)
        if (!name.empty() && fs::exists(With(folder, name, kNewSuffix))) PutInPlace(folder, name, nullptr);
    journal.close();
    SyncToDisk(folder, true);
    std::error_code error;
    fs::remove(journalPath, error);
    if (error) Fail(journalPath, error.message());
}

}  // namespace kunimor
