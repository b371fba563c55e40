#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kunimor {

// Replaces several files of one folder so that, whatever happens (an error,
// a full disk, the process killed), the folder afterwards holds either all
// the old files or all the new ones, never a mix.
//
// Protocol: every new file is written as "<name>.new" and flushed to disk;
// then a journal (kJournalName, the list of names) is put in place in one
// rename: that is the commit point. Each old file then becomes "<name>.bak"
// (the previous backup goes) and each ".new" takes its place; the journal
// is removed last. RecoverFileSet finishes a committed set after a crash and
// removes the ".new" files of one that never reached its commit point.
//
// A failure before the commit point throws Error and leaves every file as
// it was. Not thread-safe; one commit per folder at a time.
class FileSetCommit {
public:
    static constexpr std::string_view kJournalName = ".kunimor-save";

    explicit FileSetCommit(std::filesystem::path folder);
    // Removes the ".new" files of a set that was not committed.
    ~FileSetCommit();
    FileSetCommit(const FileSetCommit&) = delete;
    FileSetCommit& operator=(const FileSetCommit&) = delete;

    // Where the new contents of the file `name` are to be written.
    std::filesystem::path Stage(const std::string& name);
    // Flushes the staged files, commits and puts them in place.
    void Commit();

    // Called with the name of each step ("staged NAME", "journal", "backup
    // NAME", "replaced NAME", "done") just before it happens; tests stop the
    // process there.
    std::function<void(std::string_view step)> onStep;

private:
    void Step(std::string_view step) const;

    std::filesystem::path folder_;
    std::vector<std::string> names_;
    bool committed_ = false;
};

// Completes an interrupted FileSetCommit in folder when it had reached its
// commit point, and removes the leftover ".new" files of `names` otherwise;
// nothing to do is the usual case. Throws Error when a committed set cannot
// be finished (the folder is then left for the next try).
void RecoverFileSet(const std::filesystem::path& folder, const std::vector<std::string>& names);

}  // namespace kunimor
