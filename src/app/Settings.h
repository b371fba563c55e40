#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kunimor::app {

class TIniFile;

// Font style bits of a text view.
inline constexpr uint8_t kBold = 1;
inline constexpr uint8_t kItalic = 2;
inline constexpr uint8_t kUnderline = 4;
inline constexpr uint8_t kStrikeOut = 8;

// How one output style looks in the panes.
struct TTextView {
    std::string Section;  // its section in the settings file
    std::string Caption;
    uint32_t Color = 0;  // 0xRRGGBB
    uint8_t Style = 0;
};

inline constexpr int kTextViewCount = 5;
inline constexpr int kFormPlacementCount = 11;
inline constexpr int kMainWindowPlacement = 7;

struct TFormPlacement {
    int Left = -1;
    int Top = -1;
    int Width = -1;
    int Height = -1;
};

// The program's settings, each named by its key in the settings file,
// holding its default until the file is read. Texts are UTF-8.
struct TSettings {
    bool ChangeKeyb = true;
    bool ReturnCounts = false;
    bool ShowURLs = true;
    bool QuitConfirm = true;
    bool MinimizeToTray = false;
    int DopLatCoding = 0;
    bool ShowHints = true;
    bool AdvTrans = false;
    bool TransConfirm = false;
    bool AutoSaveBase = true;
    int AutoSaveInterval = 20;  // minutes
    bool ModifyTails = true;
    bool CheckUntranslated = false;
    bool ShowWarnings = true;
    bool EuristicAnalyze = true;
    // The loaded dictionary excuses the words it knows and ranks suggestions.
    bool SpellWithDictionary = true;
    bool UseAltForms = false;
    bool WordWrap = false;  // key "actWordWarp"
    std::string IniLangName = "by";
    int MainWindowState = 0;  // 0 normal, 1 minimised, 2 maximised
    bool TextPosition = true;  // panes one above the other
    std::string LoadDir;
    std::vector<std::string> RecentFiles;
    std::array<TFormPlacement, kFormPlacementCount> FormPlacements{};
    TFormPlacement MainBounds;  // written on close for the record, never read

    std::string FontName = "Courier New";
    int FontSize = 10;
    uint32_t BackColor = 0xFFFFFF;
    std::array<TTextView, kTextViewCount> TextViews = DefaultTextViews();

    static std::array<TTextView, kTextViewCount> DefaultTextViews();
};

// The process's settings.
inline TSettings Settings;

// Reads a settings or colour-scheme file into settings: everything, or with
// viewsOnly only the font, background and text views. Missing keys keep the
// values settings holds; numbers out of range and malformed colours too.
void LoadSettings(TSettings& settings, const TIniFile& ini, bool viewsOnly);
void LoadSettingsFile(TSettings& settings, const std::filesystem::path& file, bool viewsOnly);
void SaveSettings(const TSettings& settings, TIniFile& ini);
void SaveSettingsFile(const TSettings& settings, const std::filesystem::path& file);

// "#RRGGBB" (upper-case digits).
std::string ColorToIniText(uint32_t color);
// "#RRGGBB" in either case, or a decimal colour value (blue in the high
// byte, as the file's older writers kept it); anything else gives fallback.
uint32_t IniTextToColor(std::string_view text, uint32_t fallback);
// "Bold Italic Underline StrikeOut", the members present.
std::string StyleToText(uint8_t style);
// The style words of text as whole words (runs of Latin letters), without
// regard to case: "Unbold" is no "Bold".
uint8_t TextToStyle(std::string_view text);

}  // namespace kunimor::app
