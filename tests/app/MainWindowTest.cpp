#include "app/MainWindow.h"

#include <QCheckBox>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>

#include <QAction>
#include <QLabel>
#include <QTableWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>

#include "MainWindowFixture.h"
#include "ScriptedPrompter.h"
#include "app/ColourSchemes.h"
#include "app/FindDialog.h"
#include "app/OptionsDialog.h"
#include "app/OutputVariants.h"
#include "app/PaneRtf.h"
#include "app/PaneText.h"
#include "app/Settings.h"
#include "app/StatDialog.h"
#include "app/TextViewFormat.h"
#include "app/UnknownPanel.h"
#include "dictionary/DictionaryText.h"
#include "ground/Direction.h"
#include "ground/Error.h"
#include "dictionary/LookupSettings.h"
#include "ground/Alphabet.h"
#include "support/TempDir.h"
#include "translator/PositionTable.h"
#include "translator/SegmentationSettings.h"
#include "translator/TranslateText.h"
#include "translator/TranslationStats.h"
#include "translator/Variants.h"

using namespace kunimor;
using namespace kunimor::app;

namespace {

// What the engine itself makes of a text, to check the window against.
struct TEngineRun {
    TTranslationStats stats;
    TUnknownWords unknown;
    std::vector<std::tuple<int, int, int>> marks;  // style, from, to
};

TEngineRun RunEngine(TBelModule& module, int lang, const QString& text) {
    TEngineRun run;
    module.SetDirection(lang);
    SetAlphabet(lang);
    TTranslateCallbacks callbacks;
    callbacks.UnknownProc = [&](const std::string& word) { run.unknown.Add(word); };
    callbacks.OutputProc = [](int) {};
    callbacks.MarkProc = [&](int style, int from, int to) {
        if (from < to) run.marks.emplace_back(style, from, to);
    };
    TranslateText(module, ToEngine(text).text, callbacks);
    run.stats = Counters;
    return run;
}

// The colour of every character of an RTF body as TRtfBuilder writes it.
std::vector<std::pair<char, uint32_t>> RtfCharacters(const std::string& rtf) {
    std::vector<uint32_t> colors;
    std::size_t pos = rtf.find("{\\colortbl ;") + 12;
    while (rtf[pos] == '\\') {
        unsigned r = 0, g = 0, b = 0;
        std::sscanf(rtf.c_str() + pos, "\\red%u\\green%u\\blue%u;", &r, &g, &b);
        colors.push_back(r << 16 | g << 8 | b);
        pos = rtf.find(';', pos) + 1;
    }
    pos = rtf.find("}\r\n", pos) + 3;
    std::vector<std::pair<char, uint32_t>> out;
    uint32_t color = 0;
    const std::size_t end = rtf.rfind("\\par\r\n}");
    while (pos < end) {
        const char c = rtf[pos];
        if (c == '\\' && std::string("\\{}").find(rtf[pos + 1]) != std::string::npos) {
            out.emplace_back(rtf[pos + 1], color);
            pos += 2;
        } else if (c == '\\' && rtf[pos + 1] == '\'') {
            out.emplace_back(static_cast<char>(std::stoi(rtf.substr(pos + 2, 2), nullptr, 16)), color);
            pos += 4;
        } else if (c == '\\') {
            std::size_t word = pos + 1;
            while (std::isalpha(static_cast<unsigned char>(rtf[word]))) ++word;
            std::size_t number = word;
            while (std::isdigit(static_cast<unsigned char>(rtf[number]))) ++number;
            const std::string name = rtf.substr(pos + 1, word - pos - 1);
            if (name == "cf") color = colors.at(std::stoul(rtf.substr(word, number - word)) - 1);
            if (name == "par") out.emplace_back('\n', color);
            pos = number;
            if (rtf[pos] == ' ') ++pos;
            if (name == "par" && rtf.compare(pos, 2, "\r\n") == 0) pos += 2;
        } else {
            out.emplace_back(c, color);
            ++pos;
        }
    }
    return out;
}


TEST_F(MainWindowTest, StartsWithTheDictionaryInRussianToBelarusian) {
    auto window = Started();
    EXPECT_TRUE(window->actRus2Bel->isChecked());
    EXPECT_EQ(SourceLang, 0);
    EXPECT_TRUE(window->Editor->toPlainText().isEmpty());
    EXPECT_EQ(window->StatusPanels[0]->text(), QStringLiteral("Строка:   1  Символ:   1"));
    EXPECT_TRUE(window->StatusPanels[1]->text().isEmpty());
    EXPECT_EQ(window->UnknownPanel(), nullptr);
    EXPECT_TRUE(prompter.asked.empty());
    EXPECT_FALSE(SettingsWritten()) << "settings are written on close only";
}

// Options the engine reads take effect from the settings file on.
TEST_F(MainWindowTest, TheEngineFollowsTheTranslationOptionsOfTheSettingsFile) {
    TSettings stored;
    stored.ReturnCounts = stored.AdvTrans = stored.UseAltForms = true;
    SaveSettingsFile(stored, settingsDir.Path() / "kunimor.ini");
    auto window = Started();
    EXPECT_TRUE(kunimor::ReturnCounts);
    EXPECT_TRUE(kunimor::AdvTrans);
    EXPECT_TRUE(kunimor::UseAltForms);
    kunimor::ReturnCounts = kunimor::AdvTrans = kunimor::UseAltForms = false;
}

TEST_F(MainWindowTest, AMissingDictionaryLeavesAWindowThatWritesNothing) {
    TStartOptions options;
    options.DataFolder = settingsDir.Path() / "nowhere";
    options.SettingsFolder = settingsDir.Path();
    TfrmKunimor window(options, prompter);
    EXPECT_TRUE(window.Start());
    window.show();
    EXPECT_FALSE(window.DictionaryLoaded);
    EXPECT_FALSE(window.actTranslate->isEnabled());
    EXPECT_FALSE(window.ProgramMessages.Empty());
    EXPECT_TRUE(window.close());
    EXPECT_FALSE(SettingsWritten());
}

TEST_F(MainWindowTest, TranslatesTwoSentencesInEitherDirection) {
    const struct {
        int lang;
        QString text;
    } cases[] = {{0, QStringLiteral("Брат читает книгу дома. Зюзя читает!")},
                 {1, QStringLiteral("Брат чытае кнігу дома. Зюзя чытае!")}};
    for (const auto& c : cases) {
        auto window = Started();
        (c.lang == 1 ? window->actBel2Rus : window->actRus2Bel)->trigger();
        window->Editor->setPlainText(c.text);
        window->Translate(true);

        TBelModule engine;
        ASSERT_TRUE(engine.OpenDictionary((data_->Path() / "data").string()));
        const TEngineRun expected = RunEngine(engine, c.lang, c.text);
        EXPECT_EQ(expected.stats.Words, 6);
        EXPECT_EQ(window->StatusPanels[4]->text(), FromCp1251(StatsText(expected.stats))) << c.lang;
        EXPECT_FALSE(window->Editor2->toPlainText().isEmpty());
        EXPECT_FALSE(window->Busy);
        EXPECT_TRUE(window->actNew->isEnabled());

        ASSERT_NE(window->UnknownPanel(), nullptr);
        EXPECT_TRUE(window->actShowUnknown->isChecked());
        QTableWidget* grid = window->UnknownPanel()->Grid();
        ASSERT_EQ(grid->rowCount(), static_cast<int>(expected.unknown.Entries().size()));
        std::map<QString, QString> shown;
        for (int row = 0; row < grid->rowCount(); ++row) shown[grid->item(row, 0)->text()] = grid->item(row, 1)->text();
        EXPECT_EQ(shown[QStringLiteral("Зюзя")], QStringLiteral("1")) << c.lang;
        for (const auto& [word, count] : expected.unknown.Entries())
            EXPECT_EQ(shown[FromCp1251(word)], QString::number(count));
        EXPECT_TRUE(window->Editor2->toPlainText().contains(QStringLiteral("Зюзя")));
    }
}

TEST_F(MainWindowTest, SourcePaneShowsEveryStretchInItsStyleAndTheRtfSaysTheSame) {
    auto window = Started();
    window->actRus2Bel->trigger();
    DistinctViews(*window);
    const QString text = QStringLiteral("Перед. Брат читает книгу, Зюзя ДОМА 42 ok!\nКнига.");
    window->Editor->setPlainText(text);
    QTextCursor first(window->Editor->document());
    first.setPosition(7);
    first.setPosition(text.indexOf('\n'), QTextCursor::KeepAnchor);
    window->Editor->setTextCursor(first);
    window->Translate(false);

    TBelModule engine;
    ASSERT_TRUE(engine.OpenDictionary((data_->Path() / "data").string()));
    const TEngineRun expected = RunEngine(engine, 0, text.mid(7, text.indexOf('\n') - 7));
    std::vector<int> viewAt(static_cast<std::size_t>(text.size()), 4);
    std::set<int> styles;
    for (const auto& [style, from, to] : expected.marks) {
        styles.insert(style);
        for (int p = from; p < to; ++p) viewAt[static_cast<std::size_t>(7 + p)] = style;
    }
    EXPECT_TRUE(styles.count(1) && styles.count(4)) << "the text has unknown words and other text";
    for (int pos = 0; pos < text.size(); ++pos) {
        if (text[pos] == '\n') continue;
        QTextCursor at(window->Editor->document());
        at.setPosition(pos + 1);
        EXPECT_EQ(ViewOfFormat(at.charFormat(), Settings), viewAt[static_cast<std::size_t>(pos)])
            << "at " << pos << " '" << text.mid(pos, 1).toStdString() << "'";
    }
    EXPECT_FALSE(window->Editor->document()->isModified()) << "colouring is no change of the text";

    const auto rtf = RtfCharacters(PaneRtf(*window->Editor->document(), Settings.FontName, Settings.FontSize));
    const std::string plain = ToEngine(text).text;
    ASSERT_EQ(rtf.size(), plain.size());
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(rtf[i].first, plain[i]) << i;
        if (plain[i] != '\n') {
            EXPECT_EQ(rtf[i].second, Settings.TextViews[static_cast<std::size_t>(viewAt[i])].Color) << i;
        }
    }
}

TEST_F(MainWindowTest, TranslateDuringARunAsksToAbortAndNothingElseRuns) {
    auto window = Started();
    QString text;
    for (int i = 0; i < 300; ++i) text += QStringLiteral("Брат читает книгу. ");
    window->Editor->setPlainText(text);
    bool disabledDuringRun = false;
    bool readOnlyDuringRun = false;
    QTimer::singleShot(0, window.get(), [&] {
        disabledDuringRun = !window->actNew->isEnabled() && !window->actWordWarp->isEnabled();
        readOnlyDuringRun = window->Editor->isReadOnly() && window->Editor2->isReadOnly();
        window->Translate(true);
    });
    prompter.answers = {TAnswer::Yes};
    window->Translate(true);

    ASSERT_EQ(prompter.asked.size(), 1u);
    EXPECT_EQ(prompter.asked[0].text, QStringLiteral("Вы действительно хотите прервать перевод?"));
    EXPECT_EQ(prompter.asked[0].buttons, TButtons::YesNo);
    EXPECT_TRUE(disabledDuringRun);
    EXPECT_TRUE(readOnlyDuringRun);
    EXPECT_GT(ProcessedLength, 0);
    EXPECT_LT(ProcessedLength, text.size());
    EXPECT_LT(Counters.Words, 900);
    EXPECT_FALSE(window->Busy);
    EXPECT_TRUE(window->actNew->isEnabled());
    EXPECT_FALSE(window->Editor->isReadOnly());
    // Text past the abort stays other text.
    QTextCursor last(window->Editor->document());
    last.setPosition(static_cast<int>(text.size()) - 2);
    EXPECT_EQ(ViewOfFormat(last.charFormat(), Settings), 0) << "all views look alike by default";
}

TEST_F(MainWindowTest, ConfirmDiscardAsksForEachModifiedPane) {
    using A = TAnswer;
    const struct {
        const char* name;
        bool quitConfirm, source, result;
        std::vector<A> answers;
        bool allowed;
        std::size_t questions;
        bool sourceAfter, resultAfter;
    } cases[] = {
        {"nothing modified", true, false, false, {}, true, 0, false, false},
        {"confirming off", false, true, true, {}, true, 0, true, true},
        {"no to both", true, true, true, {A::No, A::No}, true, 2, false, false},
        {"cancel keeps both", true, true, true, {A::Cancel}, false, 1, true, true},
        {"no, then cancel", true, true, true, {A::No, A::Cancel}, false, 2, false, true},
        {"yes cannot save", true, true, false, {A::Yes}, false, 1, true, false},
        {"result only", true, false, true, {A::No}, true, 1, false, false},
    };
    for (const auto& c : cases) {
        auto window = Started();
        Settings.QuitConfirm = c.quitConfirm;
        window->SetModified(c.source, TPane::Source);
        window->SetModified(c.result, TPane::Result);
        prompter.asked.clear();
        prompter.answers.assign(c.answers.begin(), c.answers.end());
        EXPECT_EQ(window->ConfirmDiscard(), c.allowed) << c.name;
        EXPECT_EQ(prompter.asked.size(), c.questions) << c.name;
        EXPECT_EQ(window->Editor->document()->isModified(), c.sourceAfter) << c.name;
        EXPECT_EQ(window->Editor2->document()->isModified(), c.resultAfter) << c.name;
        if (c.questions > 0) {
            EXPECT_EQ(prompter.asked[0].caption, QStringLiteral("Warning"));
            EXPECT_EQ(prompter.asked[0].buttons, TButtons::YesNoCancel);
        }
    }
}

TEST_F(MainWindowTest, ClosingAsksAboutTextsAndWritesTheSettings) {
    auto window = Started();
    window->Editor->textCursor().insertText(QStringLiteral("Брат"));
    EXPECT_EQ(window->StatusPanels[1]->text(), QStringLiteral("Изменен"));
    prompter.answers = {TAnswer::Cancel};
    EXPECT_FALSE(window->close());
    EXPECT_FALSE(SettingsWritten());
    prompter.answers = {TAnswer::No};
    EXPECT_TRUE(window->close());
    EXPECT_TRUE(SettingsWritten());
}

TEST_F(MainWindowTest, ASecondCopyIsATranslatorThatWritesNothing) {
    {
        auto cancelled = MakeWindow(true);
        prompter.answers = {TAnswer::Cancel};
        EXPECT_FALSE(cancelled->Start());
        ASSERT_EQ(prompter.asked.size(), 1u);
        EXPECT_TRUE(prompter.asked[0].text.startsWith(QStringLiteral("Программа уже запущена!")));
    }
    prompter.asked.clear();
    auto window = MakeWindow(true);
    prompter.answers = {TAnswer::Ok};
    ASSERT_TRUE(window->Start());
    window->show();
    EXPECT_TRUE(window->DictionaryLoaded);
    window->Editor->setPlainText(QStringLiteral("Брат читает."));
    window->Translate(true);
    EXPECT_FALSE(window->Editor2->toPlainText().isEmpty());
    prompter.answers = {TAnswer::Cancel};
    EXPECT_FALSE(window->close()) << "unsaved texts are asked about in a second copy too";
    prompter.answers = {TAnswer::No, TAnswer::No};
    EXPECT_TRUE(window->close());
    EXPECT_FALSE(SettingsWritten());
}

TEST_F(MainWindowTest, DetectDirectionGoesByTheFirstLineWithATellingLetter) {
    const struct {
        QString text;
        bool belarusian;
    } cases[] = {{QStringLiteral("Ён сеў.\nЭто пишет"), true},
                 {QStringLiteral("123\nЩука і рака"), false},
                 {QStringLiteral("Брат"), false}};
    for (const auto& c : cases) {
        auto window = Started();
        window->actRus2Bel->trigger();
        window->Editor->setPlainText(c.text);
        window->DetectDirection();
        EXPECT_EQ(window->actBel2Rus->isChecked(), c.belarusian) << c.text.toStdString();
        EXPECT_EQ(SourceLang, c.belarusian ? 1 : 0);
    }
}

TEST_F(MainWindowTest, UnknownWordsAreSavedWhereTheUserChooses) {
    auto window = Started();
    window->Editor->setPlainText(QStringLiteral("Зюзя и Бяка, зюзя."));
    window->Translate(true);
    ASSERT_NE(window->UnknownPanel(), nullptr);
    prompter.saveFile = QString::fromStdString((settingsDir.Path() / "words.txt").string());
    window->UnknownPanel()->SaveToFile();
    std::ifstream in(settingsDir.Path() / "words.txt", std::ios::binary);
    const std::string saved((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(saved.find("Бяка\n"), std::string::npos) << saved;
    EXPECT_NE(saved.find("Зюзя\n"), std::string::npos) << saved;
    EXPECT_EQ(saved.find("зюзя"), std::string::npos) << "one line per word whatever its case";
    ASSERT_FALSE(prompter.asked.empty());
    EXPECT_EQ(prompter.asked.back().caption, QStringLiteral("Information"));

    prompter.answers = {TAnswer::No, TAnswer::No};
    window->actNew->trigger();
    EXPECT_EQ(window->UnknownPanel(), nullptr) << "an emptied list takes its panel away";
    EXPECT_FALSE(window->actShowUnknown->isChecked());
}

TEST_F(MainWindowTest, TextUpdatesNestAndAnUnmatchedEndRaises) {
    auto window = Started();
    window->BeginTextUpdate();
    window->BeginTextUpdate();
    window->Editor->setPlainText(QStringLiteral("Брат"));
    window->EndTextUpdate(true, true);
    window->EndTextUpdate(true, true);
    EXPECT_FALSE(window->Editor->document()->isModified());
    EXPECT_THROW(window->EndTextUpdate(false, false), kunimor::Error);
}

TEST_F(MainWindowTest, ApplyingOptionsRecoloursBothPanesAsNormalText) {
    auto window = Started();
    window->actRus2Bel->trigger();
    DistinctViews(*window);
    window->Editor->setPlainText(QStringLiteral("Зюзя читает."));
    window->Translate(true);
    QTextCursor unknown(window->Editor->document());
    unknown.setPosition(2);
    ASSERT_EQ(ViewOfFormat(unknown.charFormat(), Settings), 1);

    TfrmOptions dialog(Settings, [&](const TSettings& edited) {
        Settings = edited;
        window->ApplyViewSettings();
    }, window.get());
    dialog.CheckBox(&TSettings::QuitConfirm)->setChecked(false);
    dialog.FontSize()->setValue(14);
    dialog.TextViews()->setCurrentRow(0);
    dialog.SetViewColor(0x123456);
    dialog.StyleButton(kItalic)->setChecked(true);
    dialog.ApplyButton()->click();

    EXPECT_FALSE(Settings.QuitConfirm);
    EXPECT_EQ(Settings.FontSize, 14);
    EXPECT_EQ(Settings.TextViews[0].Color, 0x123456u);
    EXPECT_EQ(Settings.TextViews[0].Style, kItalic);
    EXPECT_EQ(Settings.TextViews[1].Color, 0xC00000u) << "the other views stay";
    for (QTextEdit* pane : {window->Editor, window->Editor2}) {
        QTextCursor at(pane->document());
        at.setPosition(2);
        EXPECT_EQ(ViewOfFormat(at.charFormat(), Settings), 0);
        EXPECT_EQ(pane->font().pointSize(), 14);
    }
}

TEST_F(MainWindowTest, AColourSchemeFromTheSettingsFolderOverridesTheBuiltInOne) {
    auto window = Started();
    Settings.QuitConfirm = false;
    window->SchemeActions[0]->trigger();
    const uint32_t builtIn = Settings.TextViews[1].Color;
    EXPECT_NE(builtIn, Settings.TextViews[0].Color) << "the built-in scheme tells unknown words apart";
    EXPECT_FALSE(Settings.QuitConfirm);
    std::ofstream(settingsDir.Path() / "Classic.theme") << "[txt]\nFontName=Serif\n[unk]\nColor=#00FF00\n";
    window->SchemeActions[0]->trigger();
    EXPECT_EQ(Settings.FontName, "Serif");
    EXPECT_EQ(Settings.TextViews[1].Color, 0x00FF00u);
    EXPECT_EQ(window->Editor->font().family(), QStringLiteral("Serif"));
}

TEST(OutputVariants, NextVariantGoesRoundAllGroups) {
    std::vector<TVariantGroup> groups(2);
    groups[0].Items = {{1, 0, 0, "a"}, {2, 0, 0, "b"}};
    groups[1].Items = {{3, 0, 0, "c"}};
    const struct {
        const char* word;
        int direction;
        const char* next;
    } cases[] = {{"a", 1, "b"}, {"b", 1, "c"}, {"c", 1, "a"}, {"a", -1, "c"}, {"c", -1, "b"}, {"x", 1, "a"}, {"x", -1, "a"}};
    for (const auto& c : cases) EXPECT_EQ(NextVariant(groups, c.word, c.direction), c.next) << c.word << c.direction;
    EXPECT_EQ(NextVariant({}, "a", 1), "");
}

TEST_F(MainWindowTest, CyclingATranslatedWordWalksItsVariantsInPlace) {
    auto window = Started();
    window->actRus2Bel->trigger();
    window->Editor->setPlainText(QStringLiteral("Дом или брат."));
    window->Translate(true);
    const QString output = window->Editor2->toPlainText();
    std::optional<TPaneWord> first = PaneWordAt(*window->Editor2, 0);
    ASSERT_TRUE(first);
    ASSERT_TRUE(BuildVariantsAt(window->Module, first->line, first->column)) << output.toStdString();
    std::size_t items = 0;
    for (const TVariantGroup& group : VariantGroups) items += group.Items.size();
    ASSERT_GE(items, 2u) << "the fixture gives дом two translations";

    QTextCursor caret(window->Editor2->document());
    caret.setPosition(1);
    window->Editor2->setTextCursor(caret);
    std::set<QString> seen;
    for (std::size_t i = 0; i < items; ++i) {
        EXPECT_TRUE(CycleVariant(window->Module, *window->Editor2, 1));
        const std::optional<TPaneWord> word = PaneWordAt(*window->Editor2, 1);
        ASSERT_TRUE(word);
        EXPECT_TRUE(FromCp1251(word->text).at(0).isUpper()) << "the capital stays";
        seen.insert(FromCp1251(word->text));
        // The later words still lead back to their source words.
        const int later = static_cast<int>(word->text.size()) + 1;
        const std::optional<TPaneWord> next = PaneWordAt(*window->Editor2, later);
        ASSERT_TRUE(next);
        int index = 0;
        EXPECT_TRUE(FindPosition(next->line, next->column, index)) << next->column;
    }
    EXPECT_EQ(seen.size(), items);
    EXPECT_EQ(window->Editor2->toPlainText(), output) << "a full round gives the first translation back";
}

TEST_F(MainWindowTest, FindStartsWithTheWordAtTheCaretAndWrapsAtTheEnd) {
    auto window = Started();
    window->Editor->setPlainText(QStringLiteral("брат и Брат, братья"));
    QTextCursor caret(window->Editor->document());
    caret.setPosition(2);
    window->Editor->setTextCursor(caret);
    window->actFind->trigger();
    TFindDialog* find = window->FindDialog();
    ASSERT_TRUE(find->HasSearchText());
    std::vector<int> starts;
    for (int i = 0; i < 4; ++i) {
        find->FindNext();
        starts.push_back(window->Editor->textCursor().selectionStart());
    }
    // From inside the first word: the second, the third (as part of a
    // longer word), then nothing (caret to the end), then the first again.
    EXPECT_EQ(starts, (std::vector<int>{7, 13, 19, 0}));
    window->actReplace->trigger();
    EXPECT_EQ(find->ReplaceAll(), 3) << "the selected first word is the search text";
    EXPECT_EQ(window->Editor->toPlainText(), QStringLiteral(" и , ья"));
}

TEST_F(MainWindowTest, StatisticsCountBothLanguagesAndKeepTheDirection) {
    auto window = Started();
    window->actBel2Rus->trigger();
    TfrmStat dialog(window->Module, window.get());
    dialog.Count();
    for (int lang : {0, 1}) {
        TBelModule& m = window->Module;
        const int all = m.EtalonTable(lang).RecordCount() + m.WordsTable(lang).RecordCount() +
                        m.CollocTable(lang).RecordCount();
        EXPECT_EQ(dialog.FieldText(lang, false), QString::number(all)) << lang;
        EXPECT_EQ(dialog.FieldText(lang, true), QStringLiteral("0")) << "the fixture has no changed records";
    }
    EXPECT_EQ(dialog.AllNewText(), QStringLiteral("0"));
    EXPECT_EQ(SourceLang, 1);
}

TEST_F(MainWindowTest, TheWindowComesBackWhereItWasClosed) {
    Settings.FormPlacements[kMainWindowPlacement] = {40, 50, 640, 480};
    Settings.TextPosition = false;
    SaveSettingsFile(Settings, settingsDir.Path() / "kunimor.ini");
    Settings = TSettings();
    auto window = Started();
    EXPECT_EQ(window->geometry(), QRect(40, 50, 640, 480));
    window->actTextsVert->trigger();
    window->setGeometry(30, 35, 600, 400);
    ASSERT_TRUE(window->close());
    TSettings written;
    LoadSettingsFile(written, settingsDir.Path() / "kunimor.ini", false);
    EXPECT_TRUE(written.TextPosition);
    const TFormPlacement& p = written.FormPlacements[kMainWindowPlacement];
    EXPECT_EQ(QRect(p.Left, p.Top, p.Width, p.Height), QRect(30, 35, 600, 400));
}

}  // namespace
