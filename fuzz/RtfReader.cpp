// The RTF reader of the desktop program (plain C++, no Qt). What it reads is
// never longer than the document: each character of text costs at least
// one byte of it.
#include "FuzzCheck.h"

#include "app/RtfReader.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kunimor::app;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    LooksLikeRtf(bytes);
    std::size_t length = 0;
    for (const TRtfRun& run : ReadRtf(bytes)) {
        FUZZ_CHECK(!run.hasColor || run.color <= 0xFFFFFF);
        length += run.text.size();
    }
    FUZZ_CHECK(length <= bytes.size());
    return 0;
}
