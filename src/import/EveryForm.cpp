#include "import/EveryForm.h"

#include <vector>

#include "dictionary/BelModule.h"
#include "dictionary/Schema.h"
#include "morphology/FormSynthesis.h"
#include "morphology/WordKind.h"

namespace kunimor::import {

namespace {

struct TWordCopy {
    int32_t No;
    std::string Osnova;
    int16_t EtalonNo;
};

}  // namespace

void ForEachForm(TBelModule& module, int lang,
                 const std::function<void(int32_t no, int form, bool alt, const std::string& text)>& proc) {
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
                if (!form.empty()) proc(w.No, f, alt != 0, form);
            }
        }
    }
}

}  // namespace kunimor::import
