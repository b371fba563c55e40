#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "ScriptedPrompter.h"
#include "app/MainWindow.h"
#include "app/Settings.h"
#include "dictionary/DictionaryText.h"
#include "support/TempDir.h"

// A started main window over the test dictionary, with scripted answers and
// a settings folder of its own.
class MainWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        data_ = std::make_unique<TempDir>();
        kunimor::BuildDictionary(std::filesystem::path(KUNIMOR_FIXTURES_DIR) / "dictionary", data_->Path() / "data");
    }
    static void TearDownTestSuite() { data_.reset(); }

    void SetUp() override { kunimor::app::Settings = kunimor::app::TSettings(); }

    std::unique_ptr<kunimor::app::TfrmKunimor> MakeWindow(bool secondInstance = false) {
        kunimor::app::TStartOptions options;
        options.DataFolder = data_->Path() / "data";
        options.SettingsFolder = settingsDir.Path();
        options.SecondInstance = secondInstance;
        options.LanguageFolder = languageFolder;
        return std::make_unique<kunimor::app::TfrmKunimor>(options, prompter);
    }

    std::unique_ptr<kunimor::app::TfrmKunimor> Started() {
        auto window = MakeWindow();
        EXPECT_TRUE(window->Start());
        EXPECT_TRUE(window->DictionaryLoaded);
        window->show();
        return window;
    }

    // Five views told apart by colour and style.
    static void DistinctViews(kunimor::app::TfrmKunimor& window) {
        using namespace kunimor::app;
        const std::pair<uint32_t, uint8_t> looks[] = {
            {0x000000, 0}, {0xC00000, kBold}, {0x00A000, kUnderline}, {0x0000C0, kItalic}, {0x808080, kStrikeOut}};
        for (int i = 0; i < kTextViewCount; ++i) {
            Settings.TextViews[i].Color = looks[i].first;
            Settings.TextViews[i].Style = looks[i].second;
        }
        window.ApplyViewSettings();
    }

    bool SettingsWritten() const { return std::filesystem::exists(settingsDir.Path() / "kunimor.ini"); }

    TempDir settingsDir;
    TScriptedPrompter prompter;
    std::filesystem::path languageFolder;  // empty: the built-in texts
    static inline std::unique_ptr<TempDir> data_;
};

