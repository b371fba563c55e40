#include "FixtureModule.h"

#include "dictionary/DictionaryText.h"
#include "ground/Error.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

kunimor::TBelModule& FixtureModule() {
    static const std::unique_ptr<kunimor::TBelModule> module = [] {
        namespace fs = std::filesystem;
        std::string folder = (fs::temp_directory_path() / "kunimor-fuzz-dict-XXXXXX").string();
        if (!mkdtemp(folder.data())) throw kunimor::Error("cannot make a scratch folder");
        const fs::path data = fs::path(folder) / "data";
        kunimor::BuildDictionary(KUNIMOR_FIXTURES_DIR "/dictionary", data);
        auto m = std::make_unique<kunimor::TBelModule>();
        if (!m->OpenDictionary(data.string())) throw kunimor::Error("the test dictionary did not open");
        fs::remove_all(folder);  // every table is in memory now
        return m;
    }();
    return *module;
}
