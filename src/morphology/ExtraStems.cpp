#include "morphology/ExtraStems.h"

#include "morphology/FormSynthesis.h"
#include "morphology/FormsText.h"
#include "morphology/WordKind.h"

#include <set>

namespace kunimor {

std::vector<std::string> ExtraStems(int lang, const std::string& stem, std::string_view forms) {
    std::set<std::string> stems;
    for (int f = 1; f <= kMaxFormNo; ++f) {
        for (bool alt : {false, true}) {
            std::string_view part = FormEnding(forms, f, alt);
            if (part.empty()) continue;
            std::string built = stem;
            if (!ApplyEnding(lang, built, part, true)) continue;
            if (!(built + std::string(part)).starts_with(stem)) stems.insert(built);
        }
    }
    return {stems.begin(), stems.end()};
}

}  // namespace kunimor
