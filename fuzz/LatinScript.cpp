// Belarusian in the Latin script, read and written. The text is taken as
// Cyrillic too: where its Latin form reads back as some Cyrillic text, that
// text must have the same Latin form (Cyrillic -> Latin -> Cyrillic gives
// back what it was given wherever the Latin form is unambiguous). It is not
// where it holds an apostrophe, which stands for both "'" and a soft sign
// after a hard consonant, or a letter the conversion copied, which reads as
// a Latin letter.
#include "FuzzCheck.h"

#include "ground/LatinScript.h"

#include <algorithm>
#include <array>
#include <cstdint>

namespace {

// The characters Cyrillic text keeps as they are that the Latin script reads
// as its letters (ASCII letters, and "и", "щ", "ъ" whose bytes are Latin ones).
const std::array<bool, 256>& CopiedLatinLetters() {
    static const std::array<bool, 256> copied = [] {
        std::array<bool, 256> table{};
        for (int code = 0; code < 256; ++code) {
            const std::string c(1, static_cast<char>(code));
            table[code] = kunimor::CyrToLatinka(c) == c && kunimor::LatinkaToCyr(c) != c;
        }
        return table;
    }();
    return copied;
}

bool Unambiguous(std::string_view text, const std::string& latin) {
    return latin.find('\'') == std::string::npos &&
           std::none_of(text.begin(), text.end(), [](char c) { return CopiedLatinLetters()[static_cast<uint8_t>(c)]; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kunimor;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    LatinkaToCyr(DecodeLatinkaRefs(text));
    const std::string latin = CyrToLatinka(text);
    if (Unambiguous(text, latin)) FUZZ_CHECK(CyrToLatinka(LatinkaToCyr(latin)) == latin);
    // Text of its own "&#" would read as references it never was.
    if (latin.find('&') == std::string::npos) FUZZ_CHECK(DecodeLatinkaRefs(EncodeLatinkaRefs(latin)) == latin);
    return 0;
}
