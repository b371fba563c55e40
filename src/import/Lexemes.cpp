#include "import/Lexemes.h"

#include "import/Participles.h"
#include "import/SourceText.h"
#include "import/TagSlots.h"
#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "ground/Cp1251Literal.h"

#include "ground/CharSet.h"

#include <algorithm>
#include <map>
#include <tuple>

namespace kunimor::import {

namespace {

bool EndsWith(const std::string& s, std::string_view tail) { return s.ends_with(tail); }

bool EndsWithAny(const std::string& s, std::initializer_list<std::string_view> tails) {
    return std::any_of(tails.begin(), tails.end(), [&](std::string_view t) { return EndsWith(s, t); });
}

void Place(TFormTable& table, const TLexeme::TForm& f, TImportReport& report) {
    auto& [main, alt] = table[f.Form - 1];
    if (f.Fallback) {
        if (main.empty() && alt != f.Text) main = f.Text;
        else if (f.Alt && alt.empty() && main != f.Text) alt = f.Text;
        return;
    }
    std::string& wanted = f.Alt ? alt : main;
    if (wanted == f.Text || (!f.Alt && alt == f.Text) || (f.Alt && main == f.Text)) return;
    if (wanted.empty()) {
        wanted = f.Text;
    } else if (!f.Alt && alt.empty()) {
        alt = f.Text;
    } else {
        report.Count("dropped", "third variant of a form");
    }
}

// Russian feminine nouns: the data gives книгу as the dative of книга and
// женщины as the prepositional of женщина.
void RepairRussianNoun(const TLexeme& w, TFormTable& t, TImportReport& report) {
    if (w.Gender != 2) return;
    std::string& nom = t[0].first;
    std::string& gen = t[1].first;
    std::string& dat = t[2].first;
    std::string& acc = t[3].first;
    std::string& prp = t[5].first;
    if (EndsWithAny(nom, {"ка"_cp1251, "га"_cp1251, "ха"_cp1251}) && !dat.empty() && dat == acc && EndsWith(prp, "е"_cp1251)) {
        dat = prp;  // -ка/-га/-ха: dative = prepositional (книге)
        report.Count("repaired", "Russian -ка/-га/-ха noun: dative singular equal to the accusative");
    }
    if (w.Animate && EndsWithAny(nom, {"а"_cp1251, "я"_cp1251}) && !prp.empty() && prp == gen && !dat.empty() && dat != gen) {
        prp = dat;  // женщине
        report.Count("repaired", "Russian animate feminine noun: prepositional singular equal to the genitive");
    }
}

// Belarusian passive participles: the data gives the feminine genitive the
// neuter nominative's ending (знойдзенае for знойдзенай) and has no short
// forms, those of "файл не знойдзена", "праца скончана", "файлы выдалены".
void RepairBelarusianParticiple(TFormTable& t, TImportReport& report) {
    constexpr int kMasculineNominative = 1, kFeminineNominative = 2, kNeuterNominative = 3, kPluralNominative = 4;
    constexpr int kFeminineGenitive = 6, kFeminineDative = 10;
    std::string& neuter = t[kNeuterNominative - 1].first;
    std::string& genitive = t[kFeminineGenitive - 1].first;
    const std::string& dative = t[kFeminineDative - 1].first;
    if (!genitive.empty() && genitive == neuter && !dative.empty()) {
        genitive = dative;
        report.Count("repaired", "Belarusian participle: feminine genitive equal to the neuter nominative");
    }
    // Participles of verbs in -ваць have one н (выкарыстоўваны); the data doubles it.
    const std::string doubled("ванн"_cp1251);
    for (auto& [main, alt] : t) {
        for (std::string* f : {&main, &alt}) {
            const size_t at = f->rfind(doubled);
            if (at == std::string::npos) continue;
            f->erase(at + doubled.size() - 1, 1);
            report.Count("repaired", "Belarusian participle: нн of a -ваць verb");
        }
    }
    if (!EndsWith(neuter, "ае"_cp1251)) return;
    // The short feminine and neuter end in -а, the short plural is the full masculine.
    const std::string shortForm = neuter.substr(0, neuter.size() - 1);
    const std::string& masculine = t[kMasculineNominative - 1].first;
    for (const auto& [form, text] : {std::pair{kFeminineNominative, shortForm}, std::pair{kNeuterNominative, shortForm},
                                     std::pair{kPluralNominative, masculine}}) {
        std::string& alt = t[form - 1].second;
        if (!alt.empty() || text.empty()) continue;
        alt = text;
        report.Count("repaired", "Belarusian passive participle: short form added");
    }
}

// Russian passive participles of some verbs come with two endings glued
// together (загружённыйенный for загружённый).
void RepairGluedEndings(TFormTable& t, TImportReport& report) {
    const std::string glued("ныйенн"_cp1251);
    for (auto& [main, alt] : t) {
        for (std::string* f : {&main, &alt}) {
            const size_t at = f->find(glued);
            if (at == std::string::npos) continue;
            f->replace(at, glued.size(), std::string("нн"_cp1251));
            report.Count("repaired", "Russian participle: two endings glued together");
        }
    }
}

// Russian relative adjectives in -ский/-цкий (циклический, детский) have no
// short forms, and their adverb ends in -ски; the data gives циклическо for both.
void RepairRelativeAdjective(TFormTable& t, TImportReport& report) {
    constexpr int kAdverb = 25;
    const std::string& nominative = t[0].first;
    // плоский, броский are qualities: плоско, броско.
    const bool relative = EndsWith(nominative, "цкий"_cp1251) ||
                          (EndsWith(nominative, "ский"_cp1251) && !EndsWith(nominative, "оский"_cp1251));
    if (!relative) return;
    for (int form = 1; form <= 4; ++form) {
        if (t[form - 1].second.empty()) continue;
        t[form - 1].second.clear();
        report.Count("repaired", "Russian relative adjective: short form dropped");
    }
    std::string& adverb = t[kAdverb - 1].first;
    if (EndsWith(adverb, "о"_cp1251)) {
        adverb.back() = "и"_cp1251[0];
        report.Count("repaired", "Russian relative adjective: adverb in -ски");
    }
}

// Some Russian adjectives come with short forms and an adverb cut off
// inside the stem (высокий: вы, выа, выо). A short form keeps the stem but
// for its last two letters (лёгок, умён, достоин); the cut ones are
// built again from the stem where it ends in vowel and consonant (высок,
// высока, высоко, высоки), and dropped otherwise.
void RepairCutShortForms(TFormTable& t, TImportReport& report) {
    constexpr int kAdverb = 25;
    const std::string& nominative = t[0].first;
    if (nominative.size() < 5) return;
    const std::string stem = nominative.substr(0, nominative.size() - 2);
    const std::string kept = stem.substr(0, stem.size() - 2);
    const CharSet vowels("аеёиоуыэюя"_cp1251);
    const bool simple = vowels.Contains(stem[stem.size() - 2]) && !vowels.Contains(stem.back());
    const bool velar = CharSet("гкхжшчщ"_cp1251).Contains(stem.back());
    const auto rebuilt = [&](int form) -> std::string {
        if (!simple) return {};
        switch (form) {
            case 1: return stem;
            case 2: return stem + std::string("а"_cp1251);
            case 4: return stem + std::string(velar ? "и"_cp1251 : "ы"_cp1251);
            default: return stem + std::string("о"_cp1251);
        }
    };
    for (int form : {1, 2, 3, 4, kAdverb}) {
        std::string& text = form == kAdverb ? t[form - 1].first : t[form - 1].second;
        if (text.empty() || text.starts_with(kept)) continue;
        text = rebuilt(form);
        report.Count("repaired", text.empty() ? "Russian adjective: cut short form dropped"
                                              : "Russian adjective: cut short form built again");
    }
}

// No word of either language has a consonant three times running; the
// data's умываеццца is умываецца.
void RepairTripleLetters(TFormTable& t, TImportReport& report) {
    const CharSet vowels("аеёиіоуыэюя"_cp1251);
    for (auto& [main, alt] : t) {
        for (std::string* f : {&main, &alt}) {
            for (size_t i = 2; i < f->size();) {
                const char c = (*f)[i];
                if (c == (*f)[i - 1] && c == (*f)[i - 2] && !vowels.Contains(c)) {
                    f->erase(i, 1);
                    report.Count("repaired", "form with a consonant three times running");
                } else {
                    ++i;
                }
            }
        }
    }
}

// ¹ ² ³ at the end of a lemma of the data; 0 when it has none.
int HomonymMark(std::string_view lemma) {
    static constexpr std::string_view kMarks[] = {"\u00B9", "\u00B2", "\u00B3"};
    for (int i = 0; i < 3; ++i)
        if (lemma.ends_with(kMarks[i])) return i + 1;
    return 0;
}

}  // namespace

void TLexemeCollector::Add(std::string_view analysis, std::string_view surface) {
    auto a = SplitAnalysis(analysis);
    if (!a) {
        report_.Count("dropped", "generator entry: multiword or untagged");
        return;
    }
    int kind = KindOfTags(a->Tags);
    // A participle is a word of its own, declined like an adjective.
    const auto participle = IsVerb(kind) ? ParticipleType(a->Tags) : std::nullopt;
    const int verbKind = kind;
    if (participle) kind = kAdjective;
    if (kind == kUndefinedKind) {
        report_.Count("dropped", "generator entry: part of speech " + a->Tags.front());
        return;
    }
    // Belarusian быць is tagged as an ordinary verb, but like Russian быть its
    // finite forms are the future ones (ёсць is its only present).
    if (lang_ == kBelarusian && a->Lemma == "быць") a->Tags.push_back("vbser");
    const TSlotResult slot = FormSlotOfTags(lang_, kind, a->Tags);
    if (!slot.Slot) {
        report_.Count("dropped", std::string("form: ") + slot.DropReason);
        return;
    }
    if (surface.find(' ') != std::string_view::npos || surface.empty()) {
        report_.Count("dropped", "form: analytic or empty");
        return;
    }
    const int gender = kind == kNoun ? NounGenderOfTags(a->Tags) : 0;
    const bool proper = a->Tags.front() == "np";
    std::string key = a->Lemma;
    key += '\x01';
    key += static_cast<char>('0' + kind);
    key += static_cast<char>('0' + gender);
    key += proper ? 'p' : 'c';
    if (participle) key += ParticipleLemma("", verbKind, *participle);
    auto [it, fresh] = byKey_.try_emplace(std::move(key), lexemes_.size());
    if (fresh) {
        const auto lemma = DictionaryText(lang_, a->Lemma, report_);
        TLexeme w;
        w.Lemma = lemma.value_or(std::string());
        w.Homonym = HomonymMark(a->Lemma);
        w.Participle = participle.value_or(std::string());
        if (participle && lemma) w.Lemma = ParticipleLemma(w.Lemma, verbKind, *participle);
        w.Kind = kind;
        w.Gender = gender;
        w.ProperName = proper;
        lexemes_.push_back(std::move(w));
    }
    TLexeme& w = lexemes_[it->second];
    if (w.Lemma.empty()) return;  // counted once when the lemma was read
    const auto hasTag = [&](std::string_view tag) { return std::find(a->Tags.begin(), a->Tags.end(), tag) != a->Tags.end(); };
    if (kind == kNoun && hasTag("aa")) w.Animate = true;
    if (IsVerb(kind) && hasTag("tv")) w.Transitive = true;
    // Modern Russian says есть in every person (у меня есть); есмь, еси, суть are archaic.
    if (lang_ == kRussian && a->Tags.front() == "vbser" && hasTag("pres")) surface = "есть";
    const auto text = DictionaryText(lang_, surface, report_);
    if (!text) return;
    w.Forms.push_back({static_cast<uint8_t>(slot.Slot->Form), slot.Slot->Alt, slot.Slot->Fallback, *text});
}

TFormTable FormTableOf(int lang, const TLexeme& lexeme, TImportReport& report) {
    TFormTable table(FormCount(lexeme.Kind));
    for (const auto& f : lexeme.Forms)
        if (!f.Fallback) Place(table, f, report);
    for (const auto& f : lexeme.Forms)
        if (f.Fallback) Place(table, f, report);
    if (lang == kRussian && lexeme.Kind == kNoun) RepairRussianNoun(lexeme, table, report);
    if (lang == kBelarusian && lexeme.Participle.ends_with("pasv")) RepairBelarusianParticiple(table, report);
    if (lang == kRussian && !lexeme.Participle.empty()) RepairGluedEndings(table, report);
    if (lang == kRussian && lexeme.Kind == kAdjective && lexeme.Participle.empty()) {
        RepairCutShortForms(table, report);
        RepairRelativeAdjective(table, report);
    }
    RepairTripleLetters(table, report);
    return table;
}

std::vector<TLexeme>& TLexemeCollector::Lexemes() {
    // Each group of homonyms keeps the places its words took, filled in mark order.
    std::map<std::tuple<std::string, int, int, std::string>, std::vector<size_t>> groups;
    for (size_t i = 0; i < lexemes_.size(); ++i) {
        const TLexeme& w = lexemes_[i];
        if (w.Homonym != 0) groups[{w.Lemma, w.Kind, w.Gender, w.Participle}];
    }
    if (groups.empty()) return lexemes_;
    for (size_t i = 0; i < lexemes_.size(); ++i) {
        const TLexeme& w = lexemes_[i];
        const auto g = groups.find({w.Lemma, w.Kind, w.Gender, w.Participle});
        if (g != groups.end()) g->second.push_back(i);
    }
    for (auto& [key, places] : groups) {
        if (places.size() < 2) continue;
        std::vector<TLexeme> words;
        for (size_t i : places) words.push_back(std::move(lexemes_[i]));
        std::stable_sort(words.begin(), words.end(),
                         [](const TLexeme& a, const TLexeme& b) { return a.Homonym < b.Homonym; });
        for (size_t k = 0; k < places.size(); ++k) lexemes_[places[k]] = std::move(words[k]);
    }
    byKey_.clear();  // the places changed; collecting is over
    return lexemes_;
}

}  // namespace kunimor::import
