// The settings file (kunimor.ini) and colour schemes, read through a file
// as the desktop program reads them. Settings that load must save and load
// back to the same file text.
#include "FuzzCheck.h"
#include "ScratchFile.h"

#include "app/IniFile.h"
#include "app/Settings.h"
#include "ground/Error.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace kunimor::app;
    const ScratchFile file(std::string_view(reinterpret_cast<const char*>(data), size));
    TSettings settings;
    try {
        LoadSettingsFile(settings, file.Path(), false);
    } catch (const kunimor::Error&) {
        return 0;
    }
    TIniFile saved;
    SaveSettings(settings, saved);
    TSettings again;
    LoadSettings(again, TIniFile::Parse(saved.Text()), false);
    TIniFile resaved;
    SaveSettings(again, resaved);
    FUZZ_CHECK(resaved.Text() == saved.Text());
    return 0;
}
