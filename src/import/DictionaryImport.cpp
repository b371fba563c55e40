#include "import/DictionaryImport.h"

#include "import/AttTransducer.h"
#include "import/CuratedPairs.h"
#include "import/DictionaryBuilder.h"
#include "import/FormCheck.h"
#include "import/FrequencyLists.h"
#include "import/FormDescriptions.h"
#include "import/ImportWords.h"
#include "import/Lexemes.h"
#include "import/LinkCollector.h"
#include "import/SpecialEntries.h"
#include "import/Supplement.h"
#include "import/TransducerText.h"
#include "import/VerbInduction.h"
#include "ground/Language.h"
#include "dictionary/Schema.h"
#include "store/StagedFolder.h"
#include "morphology/WordKind.h"

#include <algorithm>
#include <chrono>
#include <set>

namespace kunimor::import {

namespace {

class TStopwatch {
public:
    explicit TStopwatch(std::ostream& log) : log_(log) {}
    void Step(const std::string& what) {
        const auto now = std::chrono::steady_clock::now();
        log_ << what << " (" << std::chrono::duration_cast<std::chrono::milliseconds>(now - start_).count() / 1000.0
             << " s)\n";
    }

private:
    std::ostream& log_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

std::vector<TLexeme> ReadGenerator(const TImportOptions& o, const std::string& name, int lang,
                                   TImportReport& report) {
    TLexemeCollector collector(lang, report);
    const int skipped =
        ForEachAttEntry(TransducerText(o.SourceDir, name), [&](std::string_view in, std::string_view out) {
            collector.Add(in, out);
        });
    report.Count("dropped", "generator states on cycles (number patterns)", skipped);
    return std::move(collector.Lexemes());
}

// Abbreviations both bilingual dictionaries can give as text, each spelling once.
void AddAbbreviations(const std::vector<TCuratedPair>& pairs, Table& abbr, TImportReport& report) {
    std::set<std::string> bel, rus;
    int32_t no = 0;
    for (const TCuratedPair& p : pairs) {
        if (!p.Abbreviation) continue;
        if (!bel.insert(p.Be).second || !rus.insert(p.Ru).second) {
            report.Count("dropped", "abbreviation: second translation of one spelling");
            continue;
        }
        abbr.Insert();
        abbr.Set(AbbrField::No, Value(++no));
        abbr.Set(AbbrField::Bel, Value(p.Be));
        abbr.Set(AbbrField::Rus, Value(p.Ru));
        abbr.Set(AbbrField::Modif, Value(false));
        abbr.Post();
        report.Count("taken", "abbreviations");
    }
}

std::vector<TLemmaPair> AsLemmaPairs(const std::vector<TCuratedPair>& pairs) {
    std::vector<TLemmaPair> out;
    out.reserve(pairs.size());
    for (const TCuratedPair& p : pairs)
        if (p.RuKind == p.BeKind && p.RuKind != kUndefinedKind) out.push_back({p.Ru, p.Be, p.RuKind, 0});
    return out;
}

// The supplement files: the one given, or every .tsv of the folder given, by name.
std::vector<std::filesystem::path> SupplementFiles(const std::filesystem::path& given) {
    if (given.empty()) return {};
    if (!std::filesystem::is_directory(given)) return {given};
    std::vector<std::filesystem::path> files;
    for (const auto& e : std::filesystem::directory_iterator(given))
        if (e.is_regular_file() && e.path().extension() == ".tsv") files.push_back(e.path());
    std::sort(files.begin(), files.end());
    return files;
}

}  // namespace

TImportReport ImportDictionary(const TImportOptions& o, std::ostream& log) {
    TImportReport report;
    TStopwatch clock(log);
    TDictionaryBuilder builder;
    const TPrepositionCases prepositions =
        o.PrepositionFile.empty() ? TPrepositionCases{} : ReadPrepositionCases(o.PrepositionFile.string());
    AddSpecialEntries(builder, prepositions);
    AddFormDescriptions(builder.Tbl(TableId::WForms));

    std::vector<TLemma> verbs[2];
    {
        auto be = ReadGenerator(o, "rus-bel.autogen", kBelarusian, report);
        clock.Step("read the Belarusian generator");
        verbs[kBelarusian] = AddGeneratorWords(builder, kBelarusian, be, prepositions, report);
    }
    clock.Step("Belarusian words and paradigms");
    {
        auto ru = ReadGenerator(o, "bel-rus.autogen", kRussian, report);
        clock.Step("read the Russian generator");
        verbs[kRussian] = AddGeneratorWords(builder, kRussian, ru, prepositions, report);
    }
    clock.Step("Russian words and paradigms");

    TCuratedPairs curated(report);
    curated.AddBilingual(TransducerText(o.SourceDir, "bel-rus.autobil"), kBelarusian);
    curated.AddBilingual(TransducerText(o.SourceDir, "rus-bel.autobil"), kRussian);
    TLinkCollector links(builder, report);
    for (const TCuratedPair& p : curated.Pairs()) links.AddCurated(p);
    AddAbbreviations(curated.Pairs(), builder.Tbl(TableId::Abbr), report);
    clock.Step("bilingual pairs");
    for (const TLemmaPair& p : InduceVerbPairs(AsLemmaPairs(curated.Pairs()), verbs[kRussian], verbs[kBelarusian]))
        links.AddInduced(p);
    clock.Step("verb pairs by spelling");
    std::vector<TSupplementEntry> core;
    for (const auto& file : SupplementFiles(o.SupplementFile)) {
        for (TSupplementEntry& e : ReadSupplement(file.string())) {
            if (e.CoreFrom[kRussian] || e.CoreFrom[kBelarusian]) core.push_back(std::move(e));
            else links.AddSupplement(e.Ru, e.Be, e.Kind, e.Priority);
        }
    }
    for (const TSupplementEntry& e : core)
        for (int from : {kRussian, kBelarusian})
            if (e.CoreFrom[from]) links.AddCore(e.Ru, e.Be, e.Kind, e.Priority, from);
    links.Write(builder.Tbl(TableId::Trans));

    for (int lang : {kBelarusian, kRussian}) {
        const std::string language = lang == kRussian ? "Russian" : "Belarusian";
        report.Count("written", language + " words", builder.WordCount(lang));
        report.Count("written", language + " paradigms", builder.ParadigmCount(lang));
    }
    report.Count("written", "translation links", builder.Tbl(TableId::Trans).RecordCount());

    StagedFolder out(o.OutDir);
    builder.Write(out.Path());
    clock.Step("dictionary files written");
    WriteFrequencyLists(out.Path(), report);
    clock.Step("letter-combination lists written");
    if (o.CheckForms) {
        CheckDictionaryForms(out.Path(), report);
        clock.Step("every form checked by stem seeking");
    }
    out.Commit();
    return report;
}

}  // namespace kunimor::import
