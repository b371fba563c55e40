#include "import/WordParadigm.h"

#include "morphology/WordKind.h"
#include "morphology/FormSynthesis.h"
#include "morphology/FormsText.h"
#include "dictionary/StemSeeker.h"

#include <algorithm>
#include <map>

namespace kunimor::import {

namespace {

size_t CommonPrefix(const std::string& a, const std::string& b) {
    size_t n = 0;
    while (n < a.size() && n < b.size() && a[n] == b[n]) ++n;
    return n;
}

// The forms that decide the stem: for adjectives the declension (not the
// adverb and the comparative), for verbs the plain forms, for nouns all.
bool DecidesStem(int kind, int formNo) {
    if (kind == kAdjective) return formNo <= 24;
    if (IsVerb(kind)) return formNo <= 15;
    return true;
}

std::string FirstForm(const TFormTable& forms) {
    for (const auto& [main, alt] : forms) {
        if (!main.empty()) return main;
        if (!alt.empty()) return alt;
    }
    return {};
}

// The longest prefix that the deciding forms sharing the dictionary form's
// first letter have in common. A stray form (the data's typo санцыяніруеш
// beside санкцыяніраваць) that would leave the dictionary form an ending
// longer than endings may be does not count: it cannot be kept anyway.
size_t StemLength(int kind, const TFormTable& forms, const std::string& first) {
    const size_t floor = first.size() > kMaxEndingLength ? first.size() - kMaxEndingLength : 0;
    size_t length = first.size();
    for (size_t i = 0; i < forms.size(); ++i) {
        if (!DecidesStem(kind, static_cast<int>(i) + 1)) continue;
        for (const std::string* f : {&forms[i].first, &forms[i].second}) {
            if (f->empty() || (*f)[0] != first[0]) continue;
            const size_t shared = CommonPrefix(first, *f);
            if (shared >= floor) length = std::min(length, shared);
        }
    }
    return std::min(length, kMaxStemLength);
}

std::string Part(const std::string& stem, const std::string& form) {
    if (form.empty()) return {};
    if (!form.starts_with(stem) || form.size() - stem.size() > kMaxEndingLength) return {};
    return form.size() == stem.size() ? std::string(1, kStemItself) : form.substr(stem.size());
}

std::string JoinForms(const std::vector<std::pair<std::string, std::string>>& parts) {
    std::string text;
    for (size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) text += ';';
        text += parts[i].first;
        if (!parts[i].second.empty()) text += '|' + parts[i].second;
    }
    return TrimForms(text);
}

// The word with this stem: the parts that rebuild their form exactly, and
// the forms that do not.
TWordParadigm TryStem(int lang, const TFormTable& forms, const std::string& stem) {
    std::vector<std::pair<std::string, std::string>> parts(forms.size());
    for (size_t i = 0; i < forms.size(); ++i)
        parts[i] = {Part(stem, forms[i].first), Part(stem, forms[i].second)};
    TWordParadigm word;
    word.Stem = stem;
    const std::string text = JoinForms(parts);
    for (size_t i = 0; i < forms.size(); ++i) {
        for (int alt = 0; alt < 2; ++alt) {
            const std::string& form = alt ? forms[i].second : forms[i].first;
            std::string& part = alt ? parts[i].second : parts[i].first;
            if (form.empty()) continue;
            std::string built;
            if (part.empty() || !TryBuildForm(lang, stem, text, true, built, alt != 0, static_cast<int>(i) + 1) ||
                built != form) {
                part.clear();
                word.Dropped.push_back(form);
            }
        }
    }
    word.Forms = word.Dropped.empty() ? text : JoinForms(parts);
    return word;
}

}  // namespace

TWordParadigm WordParadigmFromForms(int lang, int kind, const TFormTable& forms) {
    const std::string first = FirstForm(forms);
    if (first.empty()) return {};
    const size_t longest = StemLength(kind, forms, first);
    // A junction (д → дз, г → з) may need the stem one or two letters shorter.
    TWordParadigm best;
    for (size_t length = longest; length >= 1 && length + 3 > longest; --length) {
        TWordParadigm word = TryStem(lang, forms, first.substr(0, length));
        const bool keepsFirst = std::find(word.Dropped.begin(), word.Dropped.end(), first) == word.Dropped.end();
        if (!keepsFirst) continue;
        if (best.Stem.empty() || word.Dropped.size() < best.Dropped.size()) best = std::move(word);
        if (best.Dropped.empty()) break;
    }
    return best;
}

std::vector<TFormTable> SuppletiveGroups(const TFormTable& forms, const std::string& stem) {
    std::map<unsigned char, TFormTable> groups;  // by letter code
    if (stem.empty()) return {};
    for (size_t i = 0; i < forms.size(); ++i) {
        for (int alt = 0; alt < 2; ++alt) {
            const std::string& form = alt ? forms[i].second : forms[i].first;
            if (form.empty() || form[0] == stem[0]) continue;
            TFormTable& group = groups.try_emplace(static_cast<unsigned char>(form[0]), TFormTable(forms.size())).first->second;
            auto& [main, second] = group[i];
            (main.empty() ? main : second) = form;
        }
    }
    std::vector<TFormTable> out;
    for (auto& entry : groups) out.push_back(std::move(entry.second));
    return out;
}

}  // namespace kunimor::import
