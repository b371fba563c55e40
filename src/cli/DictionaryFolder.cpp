#include "cli/DictionaryFolder.h"

#include "ground/Error.h"
#include "ground/PathText.h"

namespace kunimor::cli {

void OpenDictionaryFolder(TBelModule& module, const std::filesystem::path& dataDir) {
    std::string dir = dataDir.string();
    if (!dir.ends_with('/')) dir += '/';
    if (!module.OpenDictionary(dir)) throw Error(PathText(dataDir) + ": the dictionary did not load whole");
}

}  // namespace kunimor::cli
