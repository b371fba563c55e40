// A dictionary table file (.kmr): the first byte picks the table, the rest
// is the file. One that loads must dump to text and rebuild to the bytes
// the loaded table saves to.
#include "FuzzCheck.h"
#include "ScratchFile.h"

#include "dictionary/Schema.h"
#include "dictionary/TableText.h"
#include "ground/Error.h"
#include "store/KunimorStreamFormat.h"

#include <cstdint>
#include <fstream>
#include <iterator>
#include <sstream>

namespace {

std::string SavedBytes(kunimor::Table& t) {
    const ScratchFile file("");
    kunimor::KunimorStreamFormat format;
    t.SaveToFile(file.Path(), format);
    std::ifstream in(file.Path(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kunimor;
    if (size == 0) return 0;
    const TableSpec& spec = TableSpecs()[data[0] % TableSpecs().size()];
    const ScratchFile file(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    auto table = CreateTable(spec);
    try {
        KunimorStreamFormat format;
        table->LoadFromFile(file.Path(), format);
    } catch (const Error&) {
        return 0;
    }
    std::ostringstream text;
    WriteTableText(*table, text);
    auto rebuilt = ReadTableText(spec, text.str(), spec.baseName + kTableTextExtension);
    FUZZ_CHECK(SavedBytes(*rebuilt) == SavedBytes(*table));
    return 0;
}
