#include "app/Settings.h"

#include <gtest/gtest.h>

#include "app/IniFile.h"
#include "support/TempDir.h"

using namespace kunimor::app;

TEST(Settings, WithoutAFileEveryOptionKeepsItsDefault) {
    TSettings s;
    LoadSettings(s, TIniFile(), false);
    EXPECT_TRUE(s.QuitConfirm);
    EXPECT_EQ(s.AutoSaveInterval, 20);
    EXPECT_EQ(s.IniLangName, "by");
    EXPECT_EQ(s.FontName, "Courier New");
    EXPECT_EQ(s.FontSize, 10);
    EXPECT_EQ(s.BackColor, 0xFFFFFFu);
    for (const TTextView& view : s.TextViews) {
        EXPECT_EQ(view.Color, 0u) << view.Section;
        EXPECT_EQ(view.Style, 0) << view.Section;
    }
    EXPECT_EQ(s.FormPlacements[kMainWindowPlacement].Width, -1);
}

TEST(Settings, RoundTripThroughTheFile) {
    TempDir dir;
    TSettings s;
    s.QuitConfirm = false;
    s.AutoSaveInterval = 5;
    s.WordWrap = true;
    s.LoadDir = "/home/ян/тексты/";
    s.RecentFiles = {"/a.txt,5", "/b.txt"};
    s.FontName = "DejaVu Sans Mono";
    s.FontSize = 14;
    s.BackColor = 0x102030;
    s.TextViews[2] = {"err", "Слова с ошибками", 0xFF0000, kBold | kUnderline};
    s.FormPlacements[kMainWindowPlacement] = {10, 20, 800, 600};
    SaveSettingsFile(s, dir.Path() / "kunimor.ini");

    TSettings back;
    LoadSettingsFile(back, dir.Path() / "kunimor.ini", false);
    EXPECT_FALSE(back.QuitConfirm);
    EXPECT_EQ(back.AutoSaveInterval, 5);
    EXPECT_TRUE(back.WordWrap);
    EXPECT_EQ(back.LoadDir, s.LoadDir);
    EXPECT_EQ(back.RecentFiles, s.RecentFiles);
    EXPECT_EQ(back.FontName, s.FontName);
    EXPECT_EQ(back.FontSize, 14);
    EXPECT_EQ(back.BackColor, 0x102030u);
    EXPECT_EQ(back.TextViews[2].Color, 0xFF0000u);
    EXPECT_EQ(back.TextViews[2].Style, kBold | kUnderline);
    EXPECT_EQ(back.FormPlacements[kMainWindowPlacement].Height, 600);
    EXPECT_EQ(TIniFile::Load(dir.Path() / "kunimor.ini").ReadString("err", "Color", {}), "#FF0000");
}

TEST(Settings, MalformedValuesFallBackToDefaults) {
    TSettings s;
    LoadSettings(s, TIniFile::Parse("[Main]\nAutoSaveInterval=0\nDopLatCoding=7\nMainWindowState=-1\n"
                                    "[txt]\nFontSize=500\nBackColor=#12\nFontName=\nColor=#00FF00\n"
                                    "[unk]\nColor=#GG0000\nStyle=underline bold\n[err]\nColor=-16777201\n"
                                    "[wrn]\nColor=255\n"),
                 false);
    EXPECT_EQ(s.AutoSaveInterval, 20);
    EXPECT_EQ(s.DopLatCoding, 0);
    EXPECT_EQ(s.MainWindowState, 0);
    EXPECT_EQ(s.FontSize, 10);
    EXPECT_EQ(s.BackColor, 0xFFFFFFu);
    EXPECT_EQ(s.FontName, "Courier New");
    // A view without a good colour of its own looks like normal text.
    EXPECT_EQ(s.TextViews[1].Color, 0x00FF00u);
    EXPECT_EQ(s.TextViews[1].Style, kBold | kUnderline);
    EXPECT_EQ(s.TextViews[2].Color, 0x00FF00u);
    EXPECT_EQ(s.TextViews[3].Color, 0xFF0000u) << "a decimal colour keeps red in its low byte";
    EXPECT_EQ(s.TextViews[4].Color, 0x00FF00u);
}

TEST(Settings, AColourSchemeChangesOnlyTheLookOfTheText) {
    TSettings s;
    LoadSettings(s, TIniFile::Parse("[Main]\nQuitConfirm=0\n[txt]\nFontName=Liberation Mono\n[oth]\nStyle=Italic\n"),
                 true);
    EXPECT_TRUE(s.QuitConfirm);
    EXPECT_EQ(s.FontName, "Liberation Mono");
    EXPECT_EQ(s.TextViews[4].Style, kItalic);
}

TEST(Settings, ColourAndStyleTexts) {
    EXPECT_EQ(ColorToIniText(0xFF00A0), "#FF00A0");
    EXPECT_EQ(IniTextToColor("#ff00a0", 1), 0xFF00A0u);
    EXPECT_EQ(IniTextToColor("", 1), 1u);
    EXPECT_EQ(StyleToText(kBold | kItalic | kUnderline | kStrikeOut), "Bold Italic Underline StrikeOut");
    EXPECT_EQ(TextToStyle("STRIKEOUT italic"), kItalic | kStrikeOut);
}

TEST(Settings, StyleWordsCountOnlyAsWholeWords) {
    const std::pair<std::string_view, uint8_t> cases[] = {
        {"Unbold", 0},
        {"none-italicised", 0},
        {"BoldItalic", 0},
        {"Bold,Italic", kBold | kItalic},
        {"[underline]", kUnderline},
        {"", 0},
    };
    for (const auto& [text, style] : cases) EXPECT_EQ(TextToStyle(text), style) << text;
}
