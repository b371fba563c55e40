// The letter-combination lists (Orfob.kmr), read from a data folder as the
// spelling check reads them. Lists that load without a complaint must write
// and load back the same.
#include "FuzzCheck.h"

#include "ground/FreqLists.h"
#include "ground/Language.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace {

// A data folder of the process's own, removed when the process ends.
struct ScratchFolder {
    std::filesystem::path path;
    ScratchFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "kunimor-fuzz-XXXXXX").string();
        if (!mkdtemp(pattern.data())) std::abort();
        path = pattern;
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path, ignored);
    }
};

const std::filesystem::path& DataFolder() {
    static const ScratchFolder folder;
    return folder.path;
}

struct LoadedLists {
    kunimor::TFreqLists lists;
    bool complained = false;
};

void Load(LoadedLists& loaded) {
    loaded.lists.DataFolder = DataFolder();
    loaded.lists.OnMessage = [&loaded](const std::string&) { loaded.complained = true; };
    loaded.lists.LoadFreqLists(kunimor::kBelarusian);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kunimor;
    const std::filesystem::path file = FreqListFile(DataFolder(), kBelarusian);
    std::ofstream(file, std::ios::binary).write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    LoadedLists first;
    Load(first);
    if (first.complained || !first.lists.Loaded()) return 0;
    for (const TTrigramList* list : first.lists.Current().Blocks())
        for (const std::string& trigram : list->Entries()) first.lists.CheckTrigrams(trigram);
    WriteFreqListFile(file, first.lists.Current());
    LoadedLists again;
    Load(again);
    FUZZ_CHECK(!again.complained);
    const auto before = first.lists.Current().Blocks();
    const auto after = again.lists.Current().Blocks();
    for (std::size_t i = 0; i < before.size(); ++i) FUZZ_CHECK(before[i]->Entries() == after[i]->Entries());
    return 0;
}
