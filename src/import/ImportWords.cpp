#include "import/ImportWords.h"

#include "import/SpecialEntries.h"
#include "import/WordParadigm.h"
#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "dictionary/StemSeeker.h"

#include <algorithm>

namespace kunimor::import {

namespace {

constexpr int16_t kProperNameTag = 1 << 3;
constexpr int16_t kAccusativeAfterVerbTag = 4 << 1;

std::string LanguageName(int lang) { return lang == kRussian ? "Russian" : "Belarusian"; }

int16_t WordTag(const TLexeme& w) {
    if (w.Kind == kNoun && w.ProperName) return kProperNameTag;
    if (IsVerb(w.Kind) && w.Transitive) return kAccusativeAfterVerbTag;
    return 0;
}

int CountForms(const TFormTable& table) {
    int n = 0;
    for (const auto& [main, alt] : table) n += !main.empty() + !alt.empty();
    return n;
}

void AddWord(TDictionaryBuilder& builder, int lang, const TLexeme& w, const std::string& stem, int16_t etalon,
             const TPrepositionCases& prepositions) {
    const int16_t tag = w.Kind == kUnchangeable ? PrepositionTag(prepositions, lang, stem) : WordTag(w);
    builder.IndexLemma(lang, w.Lemma, w.Kind, w.Kind == kNoun ? w.Gender : 0, builder.AddWord(lang, stem, etalon, tag));
}

}  // namespace

std::vector<TLemma> AddGeneratorWords(TDictionaryBuilder& builder, int lang, std::vector<TLexeme>& lexemes,
                                      const TPrepositionCases& prepositions, TImportReport& report) {
    const std::string language = LanguageName(lang);
    std::vector<TLemma> verbs;
    for (TLexeme& w : lexemes) {
        if (w.Lemma.empty()) {
            report.Count("dropped", language + " word: lemma outside Windows-1251");
            continue;
        }
        if (IsSpecialLemma(lang, w.Lemma, w.Kind)) {
            report.Count("taken", language + " word: replaced by the engine's special word");
            continue;
        }
        const TFormTable table = FormTableOf(lang, w, report);
        int forms = CountForms(table);
        if (forms == 0) {
            // All its entries were left out (a perfective imperative beside a biaspectual verb).
            report.Count("dropped", language + " word: no form left");
            continue;
        }
        int16_t etalon = -1;
        std::string stem;
        if (w.Kind == kUnchangeable) {
            stem = table[0].first.empty() ? w.Lemma : table[0].first;
            if (stem.size() > kMaxStemLength) {
                report.Count("dropped", language + " word: longer than a stem may be");
                continue;
            }
        } else {
            const TWordParadigm p = WordParadigmFromForms(lang, w.Kind, table);
            if (p.Stem.empty()) {
                report.CountExample("dropped", language + " word: no stem fits its forms", w.Lemma);
                report.Count("dropped", language + " form: of a dropped word", forms);
                continue;
            }
            const int rodChislo = w.Kind == kNoun ? w.Gender : 0;
            std::vector<std::string> dropped = p.Dropped;
            std::vector<TWordParadigm> suppletive;
            for (const TFormTable& group : SuppletiveGroups(table, p.Stem)) {
                TWordParadigm g = WordParadigmFromForms(lang, w.Kind, group);
                if (g.Stem.empty()) continue;
                std::erase_if(dropped, [&](const std::string& form) {
                    return std::find(g.Dropped.begin(), g.Dropped.end(), form) == g.Dropped.end() &&
                           form[0] == g.Stem[0];
                });
                suppletive.push_back(std::move(g));
            }
            for (const std::string& form : dropped)
                report.CountExample("dropped", language + " form: not built from the stem (suppletive or long ending)",
                                    form);
            forms -= static_cast<int>(dropped.size());
            etalon = builder.AddParadigm(lang, w.Kind, rodChislo, p.Forms, p.Stem);
            stem = p.Stem;
            // The word itself first, so that it wins a tie with its suppletive
            // forms (быть before есть).
            AddWord(builder, lang, w, stem, etalon, prepositions);
            for (const TWordParadigm& g : suppletive) {
                const int32_t no = builder.AddWord(lang, g.Stem, builder.AddParadigm(lang, w.Kind, rodChislo, g.Forms, g.Stem), WordTag(w));
                builder.IndexLemma(lang, w.Lemma, w.Kind, rodChislo, no);
                report.Count("taken", language + " words: suppletive forms as a word of the same lemma");
            }
        }
        if (w.Kind == kUnchangeable) AddWord(builder, lang, w, stem, etalon, prepositions);
        report.Count("taken", language + " words", 1);
        report.Count("taken", language + " forms", forms);
        if (IsVerb(w.Kind)) verbs.push_back({w.Lemma, w.Kind, {table[5].first, table[8].first}});
        w.Forms.clear();
        w.Forms.shrink_to_fit();
    }
    return verbs;
}

}  // namespace kunimor::import
