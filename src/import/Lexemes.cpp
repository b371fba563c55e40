#include "import/Lexemes.h"

#include "import/Participles.h"
#include "import/SourceText.h"
#include "import/TagSlots.h"
#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "ground/Cp1251Literal.h"

#include <algorithm>

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
// neuter, the form of "файл не знойдзена".
void RepairBelarusianParticiple(TFormTable& t, TImportReport& report) {
    constexpr int kNeuterNominative = 3, kFeminineGenitive = 6, kFeminineDative = 10;
    std::string& neuter = t[kNeuterNominative - 1].first;
    std::string& genitive = t[kFeminineGenitive - 1].first;
    const std::string& dative = t[kFeminineDative - 1].first;
    if (!genitive.empty() && genitive == neuter && !dative.empty()) {
        genitive = dative;
        report.Count("repaired", "Belarusian participle: feminine genitive equal to the neuter nominative");
    }
    std::string& shortNeuter = t[kNeuterNominative - 1].second;
    if (shortNeuter.empty() && EndsWith(neuter, "ае"_cp1251)) {
        shortNeuter = neuter.substr(0, neuter.size() - 1);
        report.Count("repaired", "Belarusian passive participle: short neuter added");
    }
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
    return table;
}

}  // namespace kunimor::import
