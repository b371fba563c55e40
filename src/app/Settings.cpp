#include "app/Settings.h"

#include <algorithm>
#include <charconv>

#include "app/IniFile.h"

namespace kunimor::app {
namespace {

constexpr std::string_view kMain = "Main";
constexpr std::string_view kTxt = "txt";
constexpr int kPlacementLimit = 1000000;

struct TStyleWord {
    uint8_t bit;
    std::string_view word;
};
constexpr std::array<TStyleWord, 4> kStyleWords = {
    {{kBold, "Bold"}, {kItalic, "Italic"}, {kUnderline, "Underline"}, {kStrikeOut, "StrikeOut"}}};

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string Lower(std::string_view s) {
    std::string out(s);
    std::ranges::transform(out, out.begin(), [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; });
    return out;
}

std::string FormSection(int index) { return "Form" + std::to_string(index); }
std::string ItemKey(int item) { return "Item" + std::to_string(item); }

// The settings of one kind, read and written with the same key list.
template <typename Visit>
void VisitMainOptions(TSettings& s, Visit&& visit) {
    visit.Bool("ChangeKeyb", s.ChangeKeyb);
    visit.Bool("ReturnCounts", s.ReturnCounts);
    visit.Bool("ShowURLs", s.ShowURLs);
    visit.Bool("QuitConfirm", s.QuitConfirm);
    visit.Bool("MinimizeToTray", s.MinimizeToTray);
    visit.Integer("DopLatCoding", s.DopLatCoding, 0, 1);
    visit.Bool("ShowHints", s.ShowHints);
    visit.Bool("AdvTrans", s.AdvTrans);
    visit.Bool("TransConfirm", s.TransConfirm);
    visit.Bool("AutoSaveBase", s.AutoSaveBase);
    visit.Integer("AutoSaveInterval", s.AutoSaveInterval, 1, 60);
    visit.Bool("ModifyTails", s.ModifyTails);
    visit.Bool("CheckUntranslated", s.CheckUntranslated);
    visit.Bool("ShowWarnings", s.ShowWarnings);
    visit.Bool("EuristicAnalyze", s.EuristicAnalyze);
    visit.Bool("SpellWithDictionary", s.SpellWithDictionary);
    visit.Bool("UseAltForms", s.UseAltForms);
    visit.Bool("actWordWarp", s.WordWrap);
    visit.String("IniLangName", s.IniLangName);
    visit.Integer("MainWindowState", s.MainWindowState, 0, 2);
    visit.Bool("TextPosition", s.TextPosition);
    visit.String("LoadDir", s.LoadDir);
}

struct TReader {
    const TIniFile& ini;
    std::string_view section;
    void Bool(std::string_view key, bool& value) const { value = ini.ReadBool(section, key, value); }
    void Integer(std::string_view key, int& value, int min, int max) const {
        value = ini.ReadInteger(section, key, value, min, max);
    }
    void String(std::string_view key, std::string& value) const { value = ini.ReadString(section, key, value); }
};

struct TWriter {
    TIniFile& ini;
    std::string_view section;
    void Bool(std::string_view key, bool value) const { ini.WriteBool(section, key, value); }
    void Integer(std::string_view key, int value, int, int) const { ini.WriteInteger(section, key, value); }
    void String(std::string_view key, const std::string& value) const { ini.WriteString(section, key, value); }
};

}  // namespace

std::array<TTextView, kTextViewCount> TSettings::DefaultTextViews() {
    return {{{"txt", "Обычный текст", 0, 0},
             {"unk", "Непереведенные слова", 0, 0},
             {"err", "Слова с ошибками", 0, 0},
             {"wrn", "Слова с предупреждениями", 0, 0},
             {"oth", "Слова из других языков", 0, 0}}};
}

std::string ColorToIniText(uint32_t color) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string out = "#";
    for (int shift = 20; shift >= 0; shift -= 4) out += kDigits[(color >> shift) & 0xF];
    return out;
}

uint32_t IniTextToColor(std::string_view text, uint32_t fallback) {
    if (text.starts_with('#')) {
        if (text.size() != 7) return fallback;
        uint32_t color = 0;
        for (char c : text.substr(1)) {
            const int digit = HexDigit(c);
            if (digit < 0) return fallback;
            color = color << 4 | static_cast<uint32_t>(digit);
        }
        return color;
    }
    uint32_t bgr = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), bgr);
    if (text.empty() || error != std::errc() || end != text.data() + text.size() || bgr > 0xFFFFFF) return fallback;
    return (bgr & 0xFF) << 16 | (bgr & 0xFF00) | bgr >> 16;
}

std::string StyleToText(uint8_t style) {
    std::string out;
    for (const TStyleWord& s : kStyleWords) {
        if (!(style & s.bit)) continue;
        if (!out.empty()) out += ' ';
        out += s.word;
    }
    return out;
}

uint8_t TextToStyle(std::string_view text) {
    const std::string lower = Lower(text);
    const auto isLetter = [](char c) { return c >= 'a' && c <= 'z'; };
    uint8_t style = 0;
    for (size_t start = 0; start < lower.size();) {
        if (!isLetter(lower[start])) {
            ++start;
            continue;
        }
        size_t end = start;
        while (end < lower.size() && isLetter(lower[end])) ++end;
        const std::string_view word = std::string_view(lower).substr(start, end - start);
        for (const TStyleWord& s : kStyleWords)
            if (word == Lower(s.word)) style |= s.bit;
        start = end;
    }
    return style;
}

void LoadSettings(TSettings& s, const TIniFile& ini, bool viewsOnly) {
    if (!viewsOnly) {
        VisitMainOptions(s, TReader{ini, kMain});
        s.RecentFiles.clear();
        for (int n = 1;; ++n) {
            const std::string file = ini.ReadString(kMain, "MRU" + std::to_string(n), {});
            if (file.empty()) break;
            s.RecentFiles.push_back(file);
        }
        for (int i = 0; i < kFormPlacementCount; ++i) {
            int* items[] = {&s.FormPlacements[i].Left, &s.FormPlacements[i].Top, &s.FormPlacements[i].Width,
                            &s.FormPlacements[i].Height};
            for (int item = 0; item < 4; ++item)
                *items[item] = ini.ReadInteger(FormSection(i), ItemKey(item), -1, -kPlacementLimit, kPlacementLimit);
        }
    }
    s.FontName = ini.ReadString(kTxt, "FontName", s.FontName);
    if (s.FontName.empty()) s.FontName = TSettings().FontName;
    s.FontSize = ini.ReadInteger(kTxt, "FontSize", s.FontSize, 8, 72);
    s.BackColor = IniTextToColor(ini.ReadString(kTxt, "BackColor", {}), s.BackColor);
    // A view the file leaves out looks like normal text.
    TTextView& normal = s.TextViews[0];
    normal.Color = 0;
    normal.Style = 0;
    for (TTextView& view : s.TextViews) {
        view.Color = IniTextToColor(ini.ReadString(view.Section, "Color", {}), normal.Color);
        view.Style = ini.Has(view.Section, "Style") ? TextToStyle(ini.ReadString(view.Section, "Style", {}))
                                                    : normal.Style;
    }
}

void LoadSettingsFile(TSettings& settings, const std::filesystem::path& file, bool viewsOnly) {
    LoadSettings(settings, TIniFile::Load(file), viewsOnly);
}

void SaveSettings(const TSettings& settings, TIniFile& ini) {
    TSettings s = settings;  // the visitor takes references to both sides alike
    VisitMainOptions(s, TWriter{ini, kMain});
    ini.WriteInteger(kMain, "Left", s.MainBounds.Left);
    ini.WriteInteger(kMain, "Top", s.MainBounds.Top);
    ini.WriteInteger(kMain, "Width", s.MainBounds.Width);
    ini.WriteInteger(kMain, "Height", s.MainBounds.Height);
    for (std::size_t n = 0; n < s.RecentFiles.size(); ++n)
        ini.WriteString(kMain, "MRU" + std::to_string(n + 1), s.RecentFiles[n]);

    ini.WriteString(kTxt, "FontName", s.FontName);
    ini.WriteInteger(kTxt, "FontSize", s.FontSize);
    ini.WriteString(kTxt, "BackColor", ColorToIniText(s.BackColor));
    for (const TTextView& view : s.TextViews) {
        ini.WriteString(view.Section, "Color", ColorToIniText(view.Color));
        ini.WriteString(view.Section, "Style", StyleToText(view.Style));
    }
    for (int i = 0; i < kFormPlacementCount; ++i) {
        const TFormPlacement& p = s.FormPlacements[i];
        const int items[] = {p.Left, p.Top, p.Width, p.Height};
        for (int item = 0; item < 4; ++item) ini.WriteInteger(FormSection(i), ItemKey(item), items[item]);
    }
}

void SaveSettingsFile(const TSettings& settings, const std::filesystem::path& file) {
    TIniFile ini;
    SaveSettings(settings, ini);
    ini.Save(file);
}

}  // namespace kunimor::app
