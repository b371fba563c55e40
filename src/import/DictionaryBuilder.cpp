#include "import/DictionaryBuilder.h"

#include "morphology/ExtraStems.h"

#include "ground/Error.h"
#include "store/KunimorStreamFormat.h"
#include "ground/PathText.h"
#include "morphology/WordKind.h"

#include "morphology/FormSynthesis.h"
#include "morphology/FormsText.h"

#include <algorithm>
#include <limits>
#include <set>
#include <tuple>

namespace kunimor::import {

namespace {

const std::string kNoForms;
const std::vector<TDictionaryBuilder::TWordRef> kNoWords;

TableId EtalonTable(int lang) { return lang == 1 ? TableId::EtalonB : TableId::EtalonR; }
TableId WordsTable(int lang) { return lang == 1 ? TableId::WordsB : TableId::WordsR; }

}  // namespace

TDictionaryBuilder::TDictionaryBuilder() {
    for (const TableSpec& spec : TableSpecs()) tables_.push_back(CreateTable(spec));
}

int16_t TDictionaryBuilder::AddParadigm(int lang, int kind, int rodChislo, const std::string& forms,
                                        const std::string& sampleStem) {
    auto [it, fresh] = paradigms_[lang].try_emplace({kind, rodChislo, forms}, 0);
    if (!fresh) return it->second;
    if (paradigmForms_[lang].size() >= static_cast<size_t>(std::numeric_limits<int16_t>::max()))
        throw Error("more paradigms than 16-bit paradigm numbers");
    paradigmForms_[lang].push_back(forms);
    paradigmKinds_[lang].push_back(kind);
    it->second = static_cast<int16_t>(paradigmForms_[lang].size());
    Table& t = Tbl(EtalonTable(lang));
    t.Insert();
    t.Set(EtalonField::No, Value(static_cast<int32_t>(it->second)));
    t.Set(EtalonField::Osnova, Value(sampleStem));
    t.Set(EtalonField::Kind, Value(static_cast<int32_t>(kind)));
    t.Set(EtalonField::Forms, Value(forms));
    t.Set(EtalonField::RodChislo, Value(static_cast<int32_t>(rodChislo)));
    t.Set(EtalonField::Modif, Value(false));
    t.Post();
    return it->second;
}

int32_t TDictionaryBuilder::AddWord(int lang, const std::string& stem, int16_t etalonNo, int16_t tag) {
    auto [it, fresh] = words_[lang].try_emplace({stem, etalonNo}, 0);
    if (!fresh) return it->second;
    wordEtalon_[lang].push_back(etalonNo);
    wordStem_[lang].push_back(stem);
    it->second = static_cast<int32_t>(wordEtalon_[lang].size());
    Table& t = Tbl(WordsTable(lang));
    t.Insert();
    t.Set(WordsField::No, Value(it->second));
    t.Set(WordsField::Osnova, Value(stem));
    t.Set(WordsField::EtalonNo, Value(static_cast<int32_t>(etalonNo)));
    t.Set(WordsField::Tag, Value(static_cast<int32_t>(tag)));
    t.Set(WordsField::Modif, Value(false));
    t.Post();
    if (etalonNo > 0) AddExtraStems(lang, it->second, stem, paradigmForms_[lang][etalonNo - 1]);
    return it->second;
}

void TDictionaryBuilder::AddExtraStems(int lang, int32_t wordNo, const std::string& stem, const std::string& forms) {
    Table& t = Tbl(lang == 1 ? TableId::StemB : TableId::StemR);
    for (const std::string& s : ExtraStems(lang, stem, forms)) {
        extraStemWords_[lang].emplace(s, wordNo);
        t.Insert();
        t.Set(StemField::Stem, Value(s));
        t.Set(StemField::WordNo, Value(wordNo));
        t.Post();
    }
}

void TDictionaryBuilder::IndexLemma(int lang, const std::string& lemma, int kind, int rodChislo, int32_t wordNo) {
    auto& refs = lemmas_[lang][lemma];
    for (const TWordRef& r : refs)
        if (r.No == wordNo) return;
    refs.push_back({wordNo, kind, rodChislo});
}

const std::vector<TDictionaryBuilder::TWordRef>& TDictionaryBuilder::WordsOfLemma(int lang,
                                                                                  const std::string& lemma) const {
    const auto it = lemmas_[lang].find(lemma);
    return it == lemmas_[lang].end() ? kNoWords : it->second;
}

const std::string& TDictionaryBuilder::FormsOfWord(int lang, int32_t wordNo) const {
    if (wordNo < 1 || wordNo > static_cast<int32_t>(wordEtalon_[lang].size())) return kNoForms;
    const int16_t etalon = wordEtalon_[lang][wordNo - 1];
    if (etalon < 1) return kNoForms;
    return paradigmForms_[lang][etalon - 1];
}

int TDictionaryBuilder::KindOfWord(int lang, int32_t wordNo) const {
    if (wordNo < 1 || wordNo > static_cast<int32_t>(wordEtalon_[lang].size())) return 0;
    const int16_t etalon = wordEtalon_[lang][wordNo - 1];
    return etalon < 1 ? kUnchangeable : paradigmKinds_[lang][etalon - 1];
}

std::vector<TDictionaryBuilder::TFormRef> TDictionaryBuilder::WordsWithForm(int lang, const std::string& form) const {
    constexpr int kMaxForms = 30;
    std::set<int32_t> candidates;  // words whose stem, or a stem its forms are built on, begins the form
    for (size_t length = 0; length <= form.size(); ++length) {
        const std::string prefix = form.substr(0, length);
        for (auto it = words_[lang].lower_bound({prefix, std::numeric_limits<int16_t>::min()});
             it != words_[lang].end() && it->first.first == prefix; ++it)
            candidates.insert(it->second);
        for (auto [it, end] = extraStemWords_[lang].equal_range(prefix); it != end; ++it) candidates.insert(it->second);
    }
    std::vector<TFormRef> found;
    for (const int32_t no : candidates) {
        const int16_t etalon = wordEtalon_[lang][no - 1];
        const std::string& stem = wordStem_[lang][no - 1];
        if (etalon < 1) {
            if (stem == form) found.push_back({no, 1, false, kUnchangeable});
            continue;
        }
        const std::string& forms = paradigmForms_[lang][etalon - 1];
        for (int f = 1; f <= kMaxForms; ++f)
            for (const bool alt : {false, true}) {
                std::string built;
                if (TryBuildForm(lang, stem, forms, true, built, alt, f) && built == form)
                    found.push_back({no, f, alt, paradigmKinds_[lang][etalon - 1]});
            }
    }
    std::sort(found.begin(), found.end(), [](const TFormRef& a, const TFormRef& b) {
        return std::tuple(a.Kind != kUnchangeable, a.No, a.Form, a.Alt) <
               std::tuple(b.Kind != kUnchangeable, b.No, b.Form, b.Alt);
    });
    return found;
}

void TDictionaryBuilder::MarkCollocationStart(int lang, int32_t wordNo) {
    constexpr int32_t kFirstWordFlag = 1;
    Table& t = Tbl(WordsTable(lang));
    t.SetIndexFieldNames("No");
    if (t.FindKey({Value(wordNo)})) {
        t.Edit();
        t.Set(WordsField::Tag, Value(t.GetInt(WordsField::Tag) | kFirstWordFlag));
        t.Post();
    }
    t.SetIndexName(SpecOf(WordsTable(lang)).activeIndex);
}

void TDictionaryBuilder::Write(const std::filesystem::path& dir) {
    for (const TableSpec& spec : TableSpecs()) {
        KunimorStreamFormat format;
        const std::filesystem::path file = dir / (spec.baseName + kDictionaryExtension);
        try {
            Tbl(spec.id).SaveToFile(file.string(), format);
        } catch (const Error& e) {
            throw Error(PathText(file) + ": " + e.what());
        }
    }
}

}  // namespace kunimor::import
