#include "editing/EditedDictionary.h"

#include "dictionary/DictionaryText.h"

#include <chrono>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

void EditedDictionary::SetUp() {
    kunimor::BuildDictionary(fs::path(KUNIMOR_FIXTURES_DIR) / "dictionary", DataDir());
    m.OnMessage = [this](const std::string& text) { messages.push_back(text); };
    ASSERT_TRUE(m.OpenDictionary(DataDir().string()));
}

std::map<std::string, std::string> EditedDictionary::Dump(const fs::path& dataDir) {
    TempDir text;
    kunimor::DumpDictionary(dataDir, text.Path() / "text");
    std::map<std::string, std::string> tables;
    for (const fs::directory_entry& e : fs::directory_iterator(text.Path() / "text")) {
        std::ifstream in(e.path(), std::ios::binary);
        tables[e.path().filename().string()] = std::string(std::istreambuf_iterator<char>(in), {});
    }
    return tables;
}

std::map<std::string, std::string> EditedDictionary::Listing(const fs::path& dataDir) {
    std::map<std::string, std::string> files;
    for (const fs::directory_entry& e : fs::directory_iterator(dataDir)) {
        const auto time = fs::last_write_time(e.path()).time_since_epoch();
        files[e.path().filename().string()] =
            std::to_string(e.is_regular_file() ? fs::file_size(e.path()) : 0) + "@" +
            std::to_string(std::chrono::duration_cast<std::chrono::nanoseconds>(time).count());
    }
    return files;
}
