#pragma once

#include <string>
#include <string_view>

// A file of the given bytes under the system's temporary folder, removed
// when the object goes away: how a harness feeds a reader that takes a path.
class ScratchFile {
public:
    explicit ScratchFile(std::string_view bytes);
    ~ScratchFile();
    ScratchFile(const ScratchFile&) = delete;
    ScratchFile& operator=(const ScratchFile&) = delete;

    const std::string& Path() const { return path_; }

private:
    std::string path_;
};
