// The word pairs of dict add and dict remove, read from a file. Every line
// that holds something is either a pair or a refusal, and each names its
// line.
#include "FuzzCheck.h"
#include "ScratchFile.h"

#include "cli/PairFile.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kunimor::cli;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const ScratchFile file(bytes);
    std::vector<Refusal> refused;
    const std::vector<PairLine> pairs = ReadPairs(std::filesystem::path(file.Path()), refused);
    const int lines = static_cast<int>(std::count(bytes.begin(), bytes.end(), '\n')) + 1;
    for (const PairLine& pair : pairs) {
        FUZZ_CHECK(pair.number >= 1 && pair.number <= lines);
        FUZZ_CHECK(!pair.word[0].empty() && !pair.word[1].empty());
    }
    for (const Refusal& refusal : refused) FUZZ_CHECK(refusal.line >= 1 && refusal.line <= lines && !refusal.reason.empty());
    return 0;
}
