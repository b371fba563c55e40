#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "dictionary/DataFolder.h"
#include "cli/DictionaryFolder.h"
#include "cli/Terminal.h"
#include "dictionary/BelModule.h"
#include "ground/Error.h"
#include "ground/Language.h"
#include "dictionary/ParticipleLink.h"
#include "dictionary/TagCodes.h"
#include "dictionary/TranslationLinks.h"
#include "morphology/FormSynthesis.h"
#include "ground/Cp1251.h"

#include <iostream>

namespace kunimor::cli {

const std::string_view kTranslationsUsage =
    "  translations ru|be LEMMA      the translation links of each word with this dictionary form:\n"
    "                                target number and text, priority, and either the flags\n"
    "                                (source half>target half) or the participle slot\n";

namespace {

// The word's dictionary form: its first existing form; empty when the
// paradigm cannot build any.
std::string Lemma(int lang, const std::string& stem, const std::string& forms) {
    bool alt = false;
    int formNo = 1;
    try {
        return BuildFirstForm(lang, stem, forms, kMaxFormNo, alt, formNo);
    } catch (const Error&) {
        return {};
    }
}

struct SourceWord {
    int32_t no;
    int kind;
};

std::vector<SourceWord> WordsWithLemma(TBelModule& m, int lang, const std::string& lemma) {
    std::vector<SourceWord> found;
    Table& words = m.WordsTable(lang);
    for (words.First(); !words.Eof(); words.Next()) {
        m.LoadWord(lang, 0);  // the current record, leaving the walk where it is
        if (Lemma(lang, m.CurWord.Osnova, m.CurEtalon.Forms) == lemma)
            found.push_back({words.GetInt(WordsField::No), m.CurEtalon.Kind});
    }
    return found;
}

std::string FlagsText(int flags) {
    static constexpr struct {
        int flag;
        const char* text;
    } kFlags[] = {{1, "1>1"}, {2, "2>2"}, {4, "1>2"}, {8, "2>1"}};
    std::string text;
    for (const auto& f : kFlags)
        if (flags & f.flag) text += (text.empty() ? "" : ",") + std::string(f.text);
    return text.empty() ? "none" : text;
}

std::string ParticipleText(int16_t tag) {
    const int slot = CrossCode(tag);
    std::string text = "participle slot " + std::to_string(slot);
    if (const int form = ParticipleSlotForm(slot); form != 0) text += " (form " + std::to_string(form) + ")";
    if (CrossFlag(tag)) text += ", negated";
    return text;
}

// One line for a link of a source word of kind sourceKind in language lang.
std::string LinkLine(TBelModule& m, int lang, int sourceKind, const TransLink& link) {
    const int targetLang = 1 - lang;
    std::string line = "  #" + std::to_string(link.target) + ' ';
    int targetKind = 0;
    try {
        targetKind = m.LoadEntry(targetLang, link.target);
    } catch (const Error&) {
        return line + "dead link";
    }
    std::string text;
    if (IsCollocNo(link.target)) {
        int alt = 0;
        int form = 1;
        text = m.CollocTextAny(targetLang, m.CurColloc, 0, alt, form);
    } else {
        text = Lemma(targetLang, m.CurWord.Osnova, m.CurEtalon.Forms);
    }
    line += '"' + TerminalText(text) + "\"  priority " + std::to_string(LinkPriority(link.tag, targetLang)) + "  ";
    line += sourceKind == targetKind ? "flags " + FlagsText(LinkFlags(link.tag, targetLang)) : ParticipleText(link.tag);
    return line;
}

int ListTranslations(const std::filesystem::path& dataDir, int lang, const std::string& lemma) {
    TBelModule module;
    OpenDictionaryFolder(module, dataDir);
    module.SetDirection(lang);
    const std::vector<SourceWord> words = WordsWithLemma(module, lang, lemma);
    if (words.empty())
        throw Error(std::string(lang == kBelarusian ? "no Belarusian" : "no Russian") + " word has the dictionary form \"" +
                    lemma + "\"");
    for (const SourceWord& w : words) {
        std::cout << TerminalText(lemma) << " #" << w.no << '\n';
        const std::vector<TransLink> links = LinksOf(module.tblTrans(), lang, w.no);
        if (links.empty()) std::cout << "  no translations\n";
        for (const TransLink& link : links) std::cout << LinkLine(module, lang, w.kind, link) << '\n';
    }
    return kExitOk;
}

}  // namespace

int RunTranslationsCommand(std::vector<std::string> args) {
    const std::optional<std::string> dict = TakeOption(args, "--dict");
    RequireNoOptions(args);
    RequireArgumentCount(args, 2, 2, "translations");
    const std::string& language = args[0];
    if (language != "ru" && language != "be")
        throw UsageError("translations: the language is ru or be, not \"" + language + "\"");
    std::string lemma;
    if (!Utf8ToCp1251(args[1], lemma))
        throw UsageError("translations: \"" + args[1] + "\" is not Russian or Belarusian text");
    return ListTranslations(DataFolder(dict), language == "be" ? kBelarusian : kRussian, lemma);
}

}  // namespace kunimor::cli
