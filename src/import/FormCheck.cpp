#include "import/FormCheck.h"

#include "dictionary/BelModule.h"
#include "ground/Error.h"
#include "ground/Language.h"
#include "dictionary/Schema.h"
#include "dictionary/StemSeeker.h"
#include "import/EveryForm.h"

#include <string>
#include <vector>

namespace kunimor::import {

namespace {

void CheckLanguage(TBelModule& module, int lang, TImportReport& report) {
    module.SetDirection(lang);
    const std::string language = lang == kRussian ? "Russian" : "Belarusian";
    ForEachForm(module, lang, [&](int32_t no, int form, bool alt, const std::string& text) {
        bool found = false;
        SeekWord(module, text, [&](const TWordFormArgs& a) {
            found = found || (a.No == no && a.Form == form && (a.Alt != 0) == alt);
        });
        if (found) report.Count("checked", language + " forms found back by stem seeking");
        else report.CountExample("failed", language + " form not found back by stem seeking", text);
    });
}

}  // namespace

void CheckDictionaryForms(const std::filesystem::path& dir, TImportReport& report) {
    TBelModule module;
    if (!module.OpenDictionary(dir.string() + "/")) throw Error("the new dictionary does not open");
    for (int lang : {kBelarusian, kRussian}) CheckLanguage(module, lang, report);
}

}  // namespace kunimor::import
