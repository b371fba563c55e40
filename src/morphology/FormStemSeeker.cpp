#include "morphology/FormStemSeeker.h"

#include <algorithm>
#include <set>
#include <vector>

#include "ground/Language.h"
#include "morphology/FormSynthesis.h"
#include "morphology/FormsText.h"
#include "morphology/Junction.h"
#include "morphology/ModifRules.h"
#include "morphology/ReflexiveSuffix.h"
#include "morphology/ReverseRules.h"
#include "morphology/StemList.h"
#include "ground/Cp1251Literal.h"

namespace kunimor {
namespace {

// The ending that, added to stem (with the Belarusian seam spelling), gives
// form. A softened д takes the з of the form (вад + е → вадзе), so the
// longer reading is tried first.
std::optional<std::string> DirectEnding(int lang, const std::string& stem, const std::string& form) {
    if (form.size() < stem.size()) return std::nullopt;
    if (lang != kBelarusian) {
        if (!form.starts_with(stem)) return std::nullopt;
        return form.substr(stem.size());
    }
    for (std::size_t at : {stem.size() + 1, stem.size()}) {
        if (at > form.size()) continue;
        const std::string ending = form.substr(at);
        std::string joined = stem;
        ApplyJunction(joined, ending, false);
        if (joined.size() == at && form.starts_with(joined)) return ending;
    }
    return std::nullopt;
}

std::string EntryFor(std::string_view codes, const std::string& ending) {
    return std::string(codes) + (ending.empty() ? std::string(1, kStemItself) : ending);
}

}  // namespace

int FormsTextCost(std::string_view text) {
    int letters = 0, codes = 0, threes = 0, fours = 0;
    const std::size_t examined = text.empty() ? 0 : text.size() - 1;
    for (std::size_t i = 0; i < examined; ++i) {
        const char c = text[i];
        if (IsModifRuleCode(c)) {
            ++codes;
            threes += c == '3';
            fours += c == '4';
        } else if (c != ';' && c != '|' && c != kStemItself) {
            ++letters;
        }
    }
    const int penalty = (threes > 2 ? threes + 3 : 0) + 3 * std::max(fours - 3, 0);
    return 10 * (letters + penalty) + codes + 1;
}

TStemSeeker::TStemSeeker(int lang, int count) : TFormContainer(lang, count) { ModifVariants(lang); }

std::optional<std::string> TStemSeeker::FindEntry(const std::string& stem, const std::string& form) const {
    if (!IsKnownForm(form)) return std::string();
    if (auto ending = DirectEnding(Lang, stem, form)) return EntryFor("", *ending);
    for (const std::string& variant : ModifVariants(Lang)) {
        const bool anyTarget = variant.back() == '*';
        const std::string_view targets = anyTarget ? Rule4Targets(Lang) : std::string_view(" ");
        for (char target : targets) {
            std::string codes = variant;
            if (anyTarget) codes.back() = target;
            std::string changed = stem;
            bool applied = true;
            for (std::size_t i = 0; i < codes.size() && applied;) {
                applied = ApplyModifRule(Lang, changed, std::string_view(codes).substr(i));
                i += ModifRuleCodeLength(codes[i]);
            }
            if (!applied) continue;
            if (auto ending = DirectEnding(Lang, changed, form)) return EntryFor(codes, *ending);
        }
    }
    return std::nullopt;
}

std::optional<std::string> TStemSeeker::BuildFormsText(const std::string& stem, int bound) const {
    std::string text;
    for (const auto& [main, alt] : FormSlots) {
        for (const std::string* form : {&main, &alt}) {
            const std::optional<std::string> entry = FindEntry(stem, *form);
            if (!entry) return std::nullopt;
            text += *entry;
            text += form == &main ? '|' : ';';
            if (bound != 0 && FormsTextCost(text) >= bound) return std::nullopt;
        }
    }
    return text;
}

bool TStemSeeker::FindStemAndForms(std::optional<std::string_view> stems) {
    // Unknown forms take no part: they neither propose stems nor need entries.
    std::vector<const std::string*> known;
    for (const auto& [main, alt] : FormSlots) {
        if (IsKnownForm(main)) known.push_back(&main);
        if (IsKnownForm(alt)) known.push_back(&alt);
    }
    if (known.empty()) return false;
    const std::string& shortest =
        **std::min_element(known.begin(), known.end(),
                           [](const std::string* a, const std::string* b) { return a->size() < b->size(); });
    const std::size_t m = shortest.size();

    std::set<std::string> candidates;
    if (stems) {
        for (std::string& stem : SplitStemList(*stems)) candidates.insert(std::move(stem));
    } else {
        std::size_t common = m;
        for (const std::string* form : known) {
            const auto diff = std::mismatch(shortest.begin(), shortest.begin() + common, form->begin());
            common = static_cast<std::size_t>(diff.first - shortest.begin());
        }
        common = std::max<std::size_t>({common, 1, m > 10 ? m - 10 : 0});
        for (std::size_t l = m; l >= common; --l) {
            const std::string prefix = shortest.substr(0, l);
            std::vector<std::string> bases{prefix};
            if (Lang == kBelarusian) {
                for (std::string_view ending : {std::string_view("я"_cp1251), std::string_view()}) {
                    std::string restored = prefix;
                    if (ReverseJunction(restored, ending, false)) bases.push_back(restored);
                }
            }
            for (const std::string& base : bases) {
                candidates.insert(base);
                std::vector<std::string> reversed;
                for (const std::string& variant : ModifVariants(Lang)) {
                    ReverseVariant(Lang, base, variant, m + 1, reversed);
                }
                candidates.insert(reversed.begin(), reversed.end());
            }
        }
    }

    std::optional<std::string> bestText;
    std::string bestStem;
    int bestCost = 0;
    for (const std::string& stem : candidates) {
        std::optional<std::string> text = BuildFormsText(stem, bestCost);
        if (!text) continue;
        const int cost = FormsTextCost(*text);
        if (!bestText || cost < bestCost) {
            bestText = std::move(text);
            bestStem = stem;
            bestCost = cost;
        }
    }
    if (!bestText) return false;
    BestStem = bestStem;
    BestForms = TrimForms(*bestText);
    return true;
}

bool TStemSeeker::Reproduces(const std::string& stem, std::string_view paradigmForms) const {
    for (int formNo = 1; formNo <= FormCount(); ++formNo) {
        for (bool alt : {false, true}) {
            const std::string& form = GetForm(formNo, alt);
            if (form == kUnknownForm) continue;
            std::string built;
            if (!TryBuildForm(Lang, stem, paradigmForms, true, built, alt, formNo)) return false;
            if (built != form) return false;
        }
    }
    return true;
}

bool TStemSeeker::ExtractStems(std::string_view paradigmForms, std::string& stems) const {
    std::vector<std::string> candidates;
    bool proposed = false;  // the first form both have proposes the stems
    for (int formNo = 1; formNo <= FormCount() && !proposed; ++formNo) {
        for (bool alt : {false, true}) {
            const std::string& form = GetForm(formNo, alt);
            if (form == kUnknownForm) continue;
            const std::string_view entry = FormEnding(paradigmForms, formNo, alt);
            if (form.empty() != entry.empty()) return false;
            if (form.empty()) continue;
            std::string_view ending = entry;
            while (!ending.empty() && IsModifRuleCode(ending.front())) {
                ending.remove_prefix(std::min(ending.size(), ModifRuleCodeLength(ending.front())));
            }
            const std::string_view codes = entry.substr(0, entry.size() - ending.size());
            if (ending.size() == 1 && ending.front() == kStemItself) ending = {};
            if (!std::string_view(form).ends_with(ending)) return false;
            std::vector<std::string> parts{form.substr(0, form.size() - ending.size())};
            if (Lang == kBelarusian) {
                std::string restored = parts.front();
                if (ReverseJunction(restored, ending, false)) parts.push_back(restored);
            }
            for (const std::string& part : parts) {
                if (codes.empty()) {
                    if (std::find(candidates.begin(), candidates.end(), part) == candidates.end()) {
                        candidates.push_back(part);
                    }
                } else {
                    ReverseVariant(Lang, part, codes, 30, candidates);
                }
            }
            proposed = true;
            break;
        }
    }
    std::erase_if(candidates, [&](const std::string& stem) { return !Reproduces(stem, paradigmForms); });
    if (candidates.empty()) return false;
    stems = JoinStemList(candidates);
    return true;
}

bool TStemSeeker::CheckReflexiveForms(int& formNo, bool& alt, std::string& suggestion) const {
    const int half = FormCount() / 2;
    bool plain = false, reflexive = false;
    for (int f = 1; f <= half; ++f) {
        plain = plain || !GetForm(f, false).empty();
        reflexive = reflexive || !GetForm(f + half, false).empty();
    }
    if (!plain || !reflexive) return true;
    for (int f = half + 1; f <= 2 * half; ++f) {
        for (bool a : {false, true}) {
            const std::string& base = GetForm(f - half, a);
            const std::string& actual = GetForm(f, a);
            // Unknown forms cannot be compared, and a missing plain form has
            // no reflexive counterpart.
            if (base == kUnknownForm || actual == kUnknownForm) continue;
            std::string expected = base.empty() ? std::string() : ReflexiveSuffix(Lang, f, base);
            if (a && expected == GetForm(f, false)) expected.clear();
            if (expected != actual) {
                formNo = f;
                alt = a;
                suggestion = std::move(expected);
                return false;
            }
        }
    }
    return true;
}

}  // namespace kunimor
