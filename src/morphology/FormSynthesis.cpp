#include "morphology/FormSynthesis.h"

#include <algorithm>

#include "ground/Error.h"
#include "morphology/FormsText.h"
#include "morphology/Junction.h"
#include "morphology/ModifRules.h"
#include "morphology/WordKind.h"
#include "ground/Language.h"

namespace kunimor {
namespace {

// The first existing form of [firstForm, lastForm] with the alternative of
// the same form number when the one found is a main form.
void FirstOfRange(int lang, std::string_view stem, std::string_view forms, int firstForm,
                  int lastForm, std::string& form, std::string& altForm) {
    bool alt = false;
    int formNo = firstForm;
    form = BuildFirstForm(lang, stem, forms, lastForm, alt, formNo);
    if (!form.empty() && !alt) altForm = BuildForm(lang, stem, forms, true, formNo);
}

}  // namespace

bool ApplyEnding(int lang, std::string& stem, std::string_view& part, bool junction) {
    while (!part.empty() && IsModifRuleCode(part.front())) {
        if (!ApplyModifRule(lang, stem, part)) return false;
        part.remove_prefix(std::min(part.size(), ModifRuleCodeLength(part.front())));
    }
    if (part.size() == 1 && part.front() == kStemItself) part = {};
    if (junction && lang == kBelarusian) ApplyJunction(stem, part, false);
    return true;
}

bool TryBuildForm(int lang, std::string_view stem, std::string_view forms, bool junction,
                  std::string& result, bool alt, int formNo) {
    const std::string_view part = FormEnding(forms, formNo, alt);
    result.clear();
    if (part.empty()) return true;
    std::string built(stem);
    std::string_view ending = part;
    if (!ApplyEnding(lang, built, ending, junction)) {
        result = built + std::string(part);
        return false;
    }
    result = built + std::string(ending);
    return true;
}

std::string BuildForm(int lang, std::string_view stem, std::string_view forms, bool alt,
                      int formNo) {
    std::string result;
    if (!TryBuildForm(lang, stem, forms, true, result, alt, formNo)) {
        throw Error("Error creating form for word \"" + std::string(stem) + "\":\r\n" +
                    LastRuleError());
    }
    return result;
}

std::string BuildFirstForm(int lang, std::string_view stem, std::string_view forms, int maxForm,
                           bool& alt, int& formNo) {
    const int last = maxForm == 0 ? kMaxFormNo : maxForm;
    formNo = std::max(formNo, 1);
    while (formNo <= last) {
        std::string form = BuildForm(lang, stem, forms, alt, formNo);
        if (!form.empty()) return form;
        if (alt) {
            alt = false;
            ++formNo;
        } else {
            alt = true;
        }
    }
    return {};
}

FirstFormSet FirstForms(int lang, int kind, std::string_view stem, std::string_view forms) {
    FirstFormSet set;
    const int count = FormCount(kind);
    if (kind == kAdjective || kind == kUnchangeable) {
        FirstOfRange(lang, stem, forms, 1, count, set.first, set.firstAlt);
    } else if (kind == kNoun || IsVerb(kind)) {
        const int half = count / 2;
        FirstOfRange(lang, stem, forms, 1, half, set.first, set.firstAlt);
        FirstOfRange(lang, stem, forms, half + 1, 2 * half, set.second, set.secondAlt);
    }
    return set;
}

}  // namespace kunimor
