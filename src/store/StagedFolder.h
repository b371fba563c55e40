#pragma once

#include <filesystem>

namespace kunimor {

// New contents for a folder, written beside it and put in place in one step,
// so that a failure never leaves the folder half written. Files of an existing
// folder that were not staged are kept; staged ones replace their namesakes.
class StagedFolder {
public:
    // Creates the staging folder next to target (and target's parents).
    explicit StagedFolder(const std::filesystem::path& target);
    // Removes the staging folder unless it was committed.
    ~StagedFolder();
    StagedFolder(const StagedFolder&) = delete;
    StagedFolder& operator=(const StagedFolder&) = delete;

    // Where the new files go.
    const std::filesystem::path& Path() const { return staging_; }

    // Swaps the staged folder in for the target.
    void Commit();

private:
    std::filesystem::path Sibling(const char* role) const;
    void CarryOverUnstaged() const;

    std::filesystem::path target_;
    std::filesystem::path staging_;
    bool committed_ = false;
};

}  // namespace kunimor
