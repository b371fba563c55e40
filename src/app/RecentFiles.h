#pragma once

#include <string>
#include <vector>

namespace kunimor::app {

// A file opened or saved lately, with the code page index it was in.
struct TRecentFile {
    std::string path;  // UTF-8
    int codePage = 0;
};

// The recent files, most recent first, at most kMaxCount of them and no path
// twice. Paths are compared exactly: on this system two spellings of a name
// are two files.
class TRecentFiles {
public:
    static constexpr std::size_t kMaxCount = 10;

    // From the settings' values: a path, and when its last two characters are
    // a comma and a digit 0 to 7, that digit is its code page (else 0). The
    // list is cut to kMaxCount when it is next added to.
    static TRecentFiles FromSettings(const std::vector<std::string>& values);
    std::vector<std::string> ToSettings() const;

    // Puts the file at the top (moving it there when listed) with this code
    // page; an empty path changes nothing.
    void Add(const std::string& path, int codePage);

    const std::vector<TRecentFile>& Entries() const { return entries_; }

private:
    std::vector<TRecentFile> entries_;
};

}  // namespace kunimor::app
