// Interface language files (.lng). Whatever was read must be what the file
// holds: every form has as many values as paths, and the messages are found
// by their ids.
#include "FuzzCheck.h"

#include "app/LanguageFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kunimor::app;
    const TLanguageFile file = ReadLanguageFile(std::string_view(reinterpret_cast<const char*>(data), size));
    for (const TResForm& form : file.forms) {
        FUZZ_CHECK(form.paths.size() == form.values.size());
        file.Form(form.className);
    }
    FUZZ_CHECK(file.complete || !file.errors.empty());
    if (file.resourceStrings)
        for (const TResString& message : *file.resourceStrings) FindResourceString(*file.resourceStrings, message.id);
    return 0;
}
