#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "import/ImportReport.h"
#include "import/WordParadigm.h"

namespace kunimor::import {

// One word of a generator: its forms as the open data gives them, already
// placed in the project's form slots.
struct TLexeme {
    std::string Lemma;   // dictionary text of the data's lemma
    int Homonym = 0;     // the data's homonym mark: 0 none, 1..3 for ¹²³
    int Kind = 0;
    int Gender = 0;      // nouns: RodChislo from the gender tag
    bool Animate = false;
    bool ProperName = false;
    bool Transitive = false;  // Russian verbs marked tv take the accusative
    std::string Participle;   // the participle type of an adjective-kind word made of a verb's participle forms
    struct TForm {
        uint8_t Form;
        bool Alt, Fallback;
        std::string Text;
    };
    std::vector<TForm> Forms;
};

// Collects the entries of one language's generator into words.
class TLexemeCollector {
public:
    TLexemeCollector(int lang, TImportReport& report) : lang_(lang), report_(report) {}

    // One generator entry: its analysis ("lemma<tags>") and its surface form.
    void Add(std::string_view analysis, std::string_view surface);

    // The words in the order the generator gave them, except that homonyms
    // (нажать¹ нажму, нажать² нажну) stand in the order of their marks, so
    // that the first sense gets the lower word number and wins a tie.
    std::vector<TLexeme>& Lexemes();

private:
    int lang_;
    TImportReport& report_;
    std::vector<TLexeme> lexemes_;
    std::unordered_map<std::string, size_t> byKey_;
};

// The word's forms by slot: a second text for a taken slot becomes its
// alternative, fallbacks fill only empty main forms, and the known faults of
// the Russian noun data, of the participles and adverbs and of doubled
// letters are repaired. Counts what it drops and repairs.
TFormTable FormTableOf(int lang, const TLexeme& lexeme, TImportReport& report);

}  // namespace kunimor::import
