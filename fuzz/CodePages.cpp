// The eight code-page decoders: the first byte picks the code page (and,
// for the Latin script, numeric references), the rest is the text. A byte
// table must give back, both ways, every byte it converts; the Unicode
// pages must give back what they read.
#include "FuzzCheck.h"

#include "ground/CodePages.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kunimor;
    if (size == 0) return 0;
    const int index = data[0] % kCodePageCount;
    const bool numericRefs = data[0] / kCodePageCount % 2 != 0;
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const std::string read = ConvertText(false, index, text, numericRefs);
    const std::string written = ConvertText(true, index, read, numericRefs);
    switch (index) {
    case kCpDos866:
    case kCpKoi8r:
    case kCpMac:
    case kCpIso:
        for (const char byte : text) {
            const char ansi = RecodeChar(TRecodeDirection::ToAnsi, index, byte);
            if (ansi != byte) FUZZ_CHECK(RecodeChar(TRecodeDirection::FromAnsi, index, ansi) == byte);
            const char paged = RecodeChar(TRecodeDirection::FromAnsi, index, byte);
            if (paged != byte) FUZZ_CHECK(RecodeChar(TRecodeDirection::ToAnsi, index, paged) == byte);
        }
        break;
    case kCpUtf8:
    case kCpUnicode:
        FUZZ_CHECK(ConvertText(false, index, written, numericRefs) == read);
        break;
    default:
        break;
    }
    return 0;
}
