#include "import/FrequencyLists.h"

#include <algorithm>
#include <iterator>

#include "dictionary/BelModule.h"
#include "ground/Error.h"
#include "ground/Language.h"
#include "import/EveryForm.h"

namespace kunimor::import {

namespace {

using TEntries = std::vector<std::string>;

TEntries Common(const TEntries& a, const TEntries& b) {
    TEntries out;
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(out));
    return out;
}

TEntries Without(const TEntries& a, const TEntries& b) {
    TEntries out;
    std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(out));
    return out;
}

}  // namespace

TTrigramSet SplitByPlace(const TTrigramSet& seen) {
    const TEntries& start = seen.TrigramsStart.Entries();
    const TEntries& middle = seen.TrigramsMiddle.Entries();
    const TEntries& end = seen.TrigramsEnd.Entries();
    const TEntries startAndMiddle = Common(start, middle);
    TTrigramSet out;
    out.TrigramsAny.Assign(Common(startAndMiddle, end));
    out.TrigramsNonFinal.Assign(Without(startAndMiddle, end));
    out.TrigramsStart.Assign(Without(start, middle));
    out.TrigramsMiddle.Assign(Without(middle, start));
    out.TrigramsEnd.Assign(Without(end, startAndMiddle));
    return out;
}

void WriteFrequencyLists(const std::filesystem::path& dir, TImportReport& report) {
    TBelModule module;
    if (!module.OpenDictionary(dir.string() + "/")) throw Error("the new dictionary does not open");
    for (int lang : {kBelarusian, kRussian}) {
        TTrigramSet seen;
        ForEachForm(module, lang, [&](int32_t, int, bool, const std::string& form) { AddWordTrigrams(seen, form); });
        const TTrigramSet lists = SplitByPlace(seen);
        WriteFreqListFile(FreqListFile(dir, lang), lists);
        std::size_t count = 0;
        for (const TTrigramList* list : lists.Blocks()) count += list->Entries().size();
        report.Count("written", std::string(lang == kRussian ? "Russian" : "Belarusian") + " letter trigrams",
                     static_cast<int>(count));
    }
}

}  // namespace kunimor::import
