#include "import/FormCheck.h"

#include "dictionary/BelModule.h"
#include "ground/Error.h"
#include "ground/Language.h"
#include "dictionary/Schema.h"
#include "morphology/WordKind.h"
#include "morphology/FormSynthesis.h"
#include "dictionary/StemSeeker.h"

#include <string>
#include <vector>

namespace kunimor::import {

namespace {

struct TWordCopy {
    int32_t No;
    std::string Osnova;
    int16_t EtalonNo;
};

void CheckLanguage(TBelModule& module, int lang, TImportReport& report) {
    module.SetDirection(lang);
    const std::string language = lang == kRussian ? "Russian" : "Belarusian";
    // Stem seeking moves the words table's cursor: walk a copy.
    std::vector<TWordCopy> words;
    Table& t = module.WordsTable(lang);
    for (t.First(); !t.Eof(); t.Next())
        words.push_back({t.GetInt(WordsField::No), t.GetString(WordsField::Osnova),
                         static_cast<int16_t>(t.GetInt(WordsField::EtalonNo))});
    for (const TWordCopy& w : words) {
        module.LoadEtalon(lang, w.EtalonNo);
        const std::string forms = module.CurEtalon.Forms;
        const int count = FormCount(module.CurEtalon.Kind);
        for (int f = 1; f <= count; ++f) {
            for (int alt = 0; alt < 2; ++alt) {
                const std::string form = BuildForm(lang, w.Osnova, forms, alt != 0, f);
                if (form.empty()) continue;
                bool found = false;
                SeekWord(module, form, [&](const TWordFormArgs& a) {
                    found = found || (a.No == w.No && a.Form == f && a.Alt == alt);
                });
                if (found) report.Count("checked", language + " forms found back by stem seeking");
                else report.CountExample("failed", language + " form not found back by stem seeking", form);
            }
        }
    }
}

}  // namespace

void CheckDictionaryForms(const std::filesystem::path& dir, TImportReport& report) {
    TBelModule module;
    if (!module.OpenDictionary(dir.string() + "/")) throw Error("the new dictionary does not open");
    for (int lang : {kBelarusian, kRussian}) CheckLanguage(module, lang, report);
}

}  // namespace kunimor::import
