#include "morphology/ParsedParadigm.h"

#include <algorithm>

#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "morphology/FormsText.h"
#include "morphology/ModifRules.h"

namespace kunimor {
namespace {

// The rule codes a part begins with, read as ApplyEnding reads them.
std::string_view RuleCodes(std::string_view part) {
    std::size_t end = 0;
    while (end < part.size() && IsModifRuleCode(part[end])) {
        end += std::min(part.size() - end, ModifRuleCodeLength(part[end]));
    }
    return part.substr(0, end);
}

using Cache = std::vector<std::shared_ptr<const TParsedParadigm>>;

Cache& CacheOf(int lang) {
    static Cache caches[2];
    return caches[lang == kBelarusian ? 1 : 0];
}

TParsedParadigm ParseParadigm(int kind, std::string_view forms) {
    TParsedParadigm parsed;
    parsed.Kind = static_cast<uint8_t>(kind);
    parsed.Forms = forms;
    std::vector<std::string_view> runCodes;  // the rule codes of each of RuleRuns
    const int count = FormCount(kind);
    for (int formNo = 1; formNo <= count; ++formNo) {
        for (const bool alt : {false, true}) {
            const std::string_view part = FormEnding(forms, formNo, alt);
            if (part.empty()) continue;
            const std::string_view rules = RuleCodes(part);
            std::string_view ending = part.substr(rules.size());
            if (ending.size() == 1 && ending.front() == kStemItself) ending = {};
            TParsedForm form;
            form.FormNo = static_cast<uint8_t>(formNo);
            form.Alt = alt ? 1 : 0;
            form.Ending = ending;
            if (!rules.empty()) {
                const auto run = std::find(runCodes.begin(), runCodes.end(), rules);
                form.RuleRun = static_cast<int>(run - runCodes.begin());
                if (run == runCodes.end()) {
                    runCodes.push_back(rules);
                    parsed.RuleRuns.emplace_back(part);
                }
            }
            parsed.Parts.push_back(std::move(form));
        }
    }
    return parsed;
}

}  // namespace

std::shared_ptr<const TParsedParadigm> ParsedParadigm(int lang, int etalonNo, int kind,
                                                      std::string_view forms) {
    Cache& cache = CacheOf(lang);
    const std::size_t slot = etalonNo < 0 ? 0 : static_cast<std::size_t>(etalonNo) + 1;
    if (slot >= cache.size()) cache.resize(slot + 1);
    std::shared_ptr<const TParsedParadigm>& entry = cache[slot];
    if (!entry || entry->Kind != kind || entry->Forms != forms) {
        entry = std::make_shared<const TParsedParadigm>(ParseParadigm(kind, forms));
    }
    return entry;
}

}  // namespace kunimor
