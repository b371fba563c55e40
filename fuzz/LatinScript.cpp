// Belarusian in the Latin script, read and written. The text is taken as
// Cyrillic too: where its Latin form reads back as some Cyrillic text, that
// text must have the same Latin form (Cyrillic -> Latin -> Cyrillic gives
// back what it was given wherever the Latin form is unambiguous).
#include "FuzzCheck.h"

#include "ground/LatinScript.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kunimor;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    LatinkaToCyr(DecodeLatinkaRefs(text));
    const std::string latin = CyrToLatinka(text);
    FUZZ_CHECK(CyrToLatinka(LatinkaToCyr(latin)) == latin);
    // Text of its own "&#" would read as references it never was.
    if (latin.find('&') == std::string::npos) FUZZ_CHECK(DecodeLatinkaRefs(EncodeLatinkaRefs(latin)) == latin);
    return 0;
}
