#include "cli/CodePageOption.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <string_view>

#include "cli/CommandLine.h"
#include "ground/CodePages.h"

namespace kunimor::cli {
namespace {

// By code page index.
constexpr std::array<std::string_view, kCodePageCount> kCodePageWords = {
    "cp1251", "cp866", "cp1257", "utf-8", "utf-16", "koi8-r", "mac", "iso-8859-5"};

}  // namespace

int CodePageByName(const std::string& name) {
    std::string lower = name;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto word = std::find(kCodePageWords.begin(), kCodePageWords.end(), lower);
    if (word != kCodePageWords.end()) return static_cast<int>(word - kCodePageWords.begin());
    std::string known;
    for (int index = 0; index < kCodePageCount; ++index) {
        const std::string_view w = kCodePageWords[static_cast<std::size_t>(index)];
        known += "\n  " + std::string(w) + std::string(12 - w.size(), ' ') +
                 std::string(CodePageNames[static_cast<std::size_t>(index)]);
    }
    throw UsageError("unknown code page \"" + name + "\"; the known ones are:" + known);
}

}  // namespace kunimor::cli
