#include "app/DocumentNames.h"

#include <filesystem>

namespace kunimor::app {
namespace {

constexpr const char* kTranslationSuffix = " - перевод";

// Where the extension starts in a file name, or its end when it has none.
// A leading dot names a hidden file, not an extension.
std::size_t ExtensionStart(const std::string& name) {
    const std::size_t dot = name.rfind('.');
    return dot == std::string::npos || dot == 0 ? name.size() : dot;
}

}  // namespace

std::string ProposedResultName(const std::string& sourcePath) {
    std::string name = std::filesystem::path(sourcePath).filename().string();
    return name.insert(ExtensionStart(name), kTranslationSuffix);
}

std::string ProposedMarkupName(const std::string& resultPath, const std::string& sourcePath) {
    const std::filesystem::path base(resultPath.empty() ? sourcePath : resultPath);
    std::string name = base.filename().string();
    if (name.empty()) name = "text";
    name.resize(ExtensionStart(name));
    return (base.parent_path() / (name + kTranslationSuffix + ".rtf")).string();
}

}  // namespace kunimor::app
