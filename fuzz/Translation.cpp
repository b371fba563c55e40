// Translation of arbitrary text (UTF-8) against the test dictionary, as the
// programs run it: the first byte picks the direction.
#include "FixtureModule.h"

#include "ground/Error.h"
#include "ground/Language.h"
#include "ground/UnicodeText.h"
#include "translator/TranslateText.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kunimor;
    if (size == 0) return 0;
    TBelModule& module = FixtureModule();
    module.SetDirection(data[0] & 1 ? kBelarusian : kRussian);
    const std::string text = Utf8TextToCp1251(std::string_view(reinterpret_cast<const char*>(data) + 1, size - 1));
    std::string output;
    TTranslateCallbacks callbacks;
    callbacks.WantVariants = (data[0] & 2) != 0;
    callbacks.OutputProc = [&](int) { output += OutText; };
    callbacks.UnknownProc = [](const std::string&) {};
    try {
        TranslateText(module, text, callbacks);
    } catch (const Error&) {
    }
    return 0;
}
