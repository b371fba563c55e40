#include "app/ColourSchemes.h"

#include <string>

#include "app/IniFile.h"
#include "app/Settings.h"

namespace kunimor::app {
namespace {

// The schemes the program comes with, in the file's own form.
std::string_view BuiltInScheme(std::string_view name) {
    if (name == "Classic")
        return "[txt]\nFontName=Courier New\nFontSize=10\nBackColor=#FFFFFF\nColor=#000000\nStyle=\n"
               "[unk]\nColor=#C00000\nStyle=Bold\n[err]\nColor=#FF00FF\nStyle=Underline\n"
               "[wrn]\nColor=#0000C0\nStyle=\n[oth]\nColor=#606060\nStyle=\n";
    if (name == "Notepad")
        return "[txt]\nFontName=Monospace\nFontSize=10\nBackColor=#FFFFFF\nColor=#000000\nStyle=\n"
               "[unk]\nColor=#000000\nStyle=Underline\n[err]\nColor=#000000\nStyle=Bold Underline\n"
               "[wrn]\nColor=#000000\nStyle=Italic\n[oth]\nColor=#000000\nStyle=\n";
    if (name == "Word")
        return "[txt]\nFontName=Times New Roman\nFontSize=12\nBackColor=#FFFFFF\nColor=#000000\nStyle=\n"
               "[unk]\nColor=#E00000\nStyle=\n[err]\nColor=#E00000\nStyle=Underline\n"
               "[wrn]\nColor=#008000\nStyle=Underline\n[oth]\nColor=#404040\nStyle=\n";
    return "[txt]\nFontName=Courier New\nFontSize=11\nBackColor=#000080\nColor=#FFFF00\nStyle=\n"
           "[unk]\nColor=#FFFFFF\nStyle=Bold\n[err]\nColor=#FF5555\nStyle=Bold\n"
           "[wrn]\nColor=#55FFFF\nStyle=\n[oth]\nColor=#C0C0C0\nStyle=\n";
}

}  // namespace

void LoadColourScheme(TSettings& settings, const std::filesystem::path& settingsFolder, std::string_view name) {
    const std::filesystem::path file = settingsFolder / (std::string(name) + ".theme");
    std::error_code error;
    if (std::filesystem::exists(file, error)) LoadSettingsFile(settings, file, true);
    else LoadSettings(settings, TIniFile::Parse(BuiltInScheme(name)), true);
}

}  // namespace kunimor::app
