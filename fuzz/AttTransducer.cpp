// The importer's reader of transducers printed as ATT text. It must give
// its entries, or refuse the text, in time and memory of the text's size.
#include "import/AttTransducer.h"

#include "ground/Error.h"

#include <cstdint>

namespace {

// The entries a harness run waits for: a text of many paths has that many
// entries by right, and walking them all proves nothing more.
constexpr int kEntryBudget = 100000;
struct EnoughEntries {};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    int entries = 0;
    try {
        kunimor::import::ForEachAttEntry(std::string_view(reinterpret_cast<const char*>(data), size),
                                         [&](std::string_view, std::string_view) {
                                             if (++entries > kEntryBudget) throw EnoughEntries{};
                                         });
    } catch (const kunimor::Error&) {
    } catch (const EnoughEntries&) {
    }
    return 0;
}
