// Analysis of a word (UTF-8) as kunimor-cli analyze does it, against the
// test dictionary: the first byte picks the language.
#include "FixtureModule.h"

#include "dictionary/StemSeeker.h"
#include "ground/Cp1251.h"
#include "ground/Error.h"
#include "ground/Language.h"
#include "ground/LetterCase.h"
#include "ground/NormalizeWord.h"
#include "ground/UnicodeText.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kunimor;
    if (size == 0) return 0;
    TBelModule& module = FixtureModule();
    const int lang = data[0] & 1 ? kBelarusian : kRussian;
    std::string word = LowerCaseCyr(Utf8TextToCp1251(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1)));
    NormalizeWord(lang, word);
    module.SetDirection(lang);
    try {
        SeekWord(module, word, [&](const TWordFormArgs& a) { module.LoadWord(lang, a.No); });
    } catch (const Error&) {
    }
    return 0;
}
