#include "dictionary/DictionaryText.h"

#include "ground/Error.h"
#include "store/FileSetCommit.h"
#include "store/KunimorStreamFormat.h"
#include "ground/PathText.h"
#include "dictionary/Schema.h"
#include "store/StagedFolder.h"
#include "dictionary/TableText.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

namespace fs = std::filesystem;

namespace kunimor {

namespace {

void RequireFolder(const fs::path& dir) {
    if (!fs::is_directory(dir)) throw Error(PathText(dir) + ": no such folder");
}

void RequireFile(const fs::path& file) {
    if (!fs::exists(file)) throw Error(PathText(file) + ": missing");
}

std::string ReadFile(const fs::path& file) {
    RequireFile(file);
    std::ifstream in(file, std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(in), {});
    if (!in.is_open() || in.bad()) throw Error(PathText(file) + ": cannot be read");
    return text;
}

void WriteFile(const fs::path& file, const std::string& text) {
    std::ofstream out(file, std::ios::binary);
    out << text;
    out.close();
    if (!out) throw Error(PathText(file) + ": cannot be written");
}

std::unique_ptr<Table> LoadTable(const TableSpec& spec, const fs::path& file) {
    RequireFile(file);
    auto t = CreateTable(spec);
    KunimorStreamFormat format;
    const std::string path = file.string();
    try {
        t->LoadFromFile(path, format);
    } catch (const Error& e) {
        const std::string what = e.what();
        if (what.starts_with(path)) throw;  // already names the file
        throw Error(PathText(file) + ": " + what);
    }
    return t;
}

}  // namespace

void DumpDictionary(const fs::path& dataDir, const fs::path& textDir) {
    RequireFolder(dataDir);
    RecoverFileSet(dataDir, DictionaryFileNames());
    StagedFolder out(textDir);
    for (const TableSpec& spec : TableSpecs()) {
        const auto t = LoadTable(spec, dataDir / (spec.baseName + kDictionaryExtension));
        std::ostringstream text;
        WriteTableText(*t, text);
        WriteFile(out.Path() / (spec.baseName + kTableTextExtension), text.str());
    }
    out.Commit();
}

void BuildDictionary(const fs::path& textDir, const fs::path& dataDir) {
    RequireFolder(textDir);
    StagedFolder out(dataDir);
    for (const TableSpec& spec : TableSpecs()) {
        const fs::path source = textDir / (spec.baseName + kTableTextExtension);
        const auto t = ReadTableText(spec, ReadFile(source), PathText(source));
        KunimorStreamFormat format;
        try {
            t->SaveToFile((out.Path() / (spec.baseName + kDictionaryExtension)).string(), format);
        } catch (const Error& e) {
            throw Error(PathText(source) + ": " + e.what());
        }
    }
    out.Commit();
}

}  // namespace kunimor
