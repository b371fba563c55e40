// The dictionary's text form, as dict build reads it: the first line names
// the table, the rest is its text. Text that builds must dump to a text that
// builds again, through a dictionary file, to the same text.
#include "FuzzCheck.h"
#include "ScratchFile.h"

#include "dictionary/Schema.h"
#include "dictionary/TableText.h"
#include "ground/Error.h"
#include "store/KunimorStreamFormat.h"

#include <cstdint>
#include <sstream>

namespace {

std::string TextOf(const kunimor::Table& t) {
    std::ostringstream out;
    WriteTableText(t, out);
    return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kunimor;
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const size_t lineEnd = input.find('\n');
    if (lineEnd == std::string_view::npos) return 0;
    const TableSpec* spec = FindSpecByBaseName(std::string(input.substr(0, lineEnd)));
    if (!spec) return 0;
    const std::string source = spec->baseName + kTableTextExtension;
    std::unique_ptr<Table> table;
    try {
        table = ReadTableText(*spec, input.substr(lineEnd + 1), source);
    } catch (const Error&) {
        return 0;
    }
    const std::string dumped = TextOf(*table);
    const ScratchFile file("");
    KunimorStreamFormat format;
    try {
        table->SaveToFile(file.Path(), format);
    } catch (const Error&) {
        return 0;  // a value the text form holds and a dictionary file cannot is refused on saving
    }
    auto loaded = CreateTable(*spec);
    KunimorStreamFormat loading;
    loaded->LoadFromFile(file.Path(), loading);
    FUZZ_CHECK(TextOf(*loaded) == dumped);
    FUZZ_CHECK(TextOf(*ReadTableText(*spec, dumped, source)) == dumped);
    return 0;
}
