#include "app/RecentFiles.h"

#include <algorithm>

#include "ground/CodePages.h"

namespace kunimor::app {

TRecentFiles TRecentFiles::FromSettings(const std::vector<std::string>& values) {
    TRecentFiles list;
    for (const std::string& value : values) {
        TRecentFile file{value, kCpAnsi};
        const std::size_t n = value.size();
        if (n >= 2 && value[n - 2] == ',' && value[n - 1] >= '0' && value[n - 1] < '0' + kCodePageCount) {
            file.path = value.substr(0, n - 2);
            file.codePage = value[n - 1] - '0';
        }
        list.entries_.push_back(std::move(file));
    }
    return list;
}

std::vector<std::string> TRecentFiles::ToSettings() const {
    std::vector<std::string> values;
    for (const TRecentFile& file : entries_) values.push_back(file.path + ',' + std::to_string(file.codePage));
    return values;
}

void TRecentFiles::Add(const std::string& path, int codePage) {
    if (path.empty()) return;
    std::erase_if(entries_, [&](const TRecentFile& file) { return file.path == path; });
    entries_.insert(entries_.begin(), {path, codePage});
    if (entries_.size() > kMaxCount) entries_.resize(kMaxCount);
}

}  // namespace kunimor::app
