#include "morphology/FormsText.h"

#include "morphology/WordKind.h"

namespace kunimor {
namespace {

constexpr char kEntrySeparator = ';';
constexpr char kAltSeparator = '|';

std::string_view Entry(std::string_view forms, int formNo) {
    for (int i = 1; i < formNo; ++i) {
        const std::size_t end = forms.find(kEntrySeparator);
        if (end == std::string_view::npos) return {};
        forms.remove_prefix(end + 1);
    }
    return forms.substr(0, forms.find(kEntrySeparator));
}

bool AnyFormIn(std::string_view forms, int first, int last) {
    for (int formNo = first; formNo <= last; ++formNo) {
        if (!FormEnding(forms, formNo, false).empty() || !FormEnding(forms, formNo, true).empty()) {
            return true;
        }
    }
    return false;
}

}  // namespace

std::string_view FormEnding(std::string_view forms, int formNo, bool alt) {
    const std::string_view entry = Entry(forms, formNo < 1 ? 1 : formNo);
    const std::size_t bar = entry.find(kAltSeparator);
    if (bar == std::string_view::npos) return alt ? std::string_view{} : entry;
    return alt ? entry.substr(bar + 1) : entry.substr(0, bar);
}

std::string TrimForms(std::string_view forms) {
    while (!forms.empty() && (forms.back() == kEntrySeparator || forms.back() == kAltSeparator)) {
        forms.remove_suffix(1);
    }
    std::string out;
    out.reserve(forms.size());
    for (std::size_t i = 0; i < forms.size(); ++i) {
        const bool emptyAlt = forms[i] == kAltSeparator && i + 1 < forms.size() &&
                              forms[i + 1] == kEntrySeparator;
        if (!emptyAlt) out += forms[i];
    }
    return out;
}

FormHalves HalfForms(int kind, std::string_view forms) {
    const int half = FormCount(kind) / 2;
    return {AnyFormIn(forms, 1, half), AnyFormIn(forms, half + 1, 2 * half)};
}

int Animacy(std::string_view forms, bool preferSingular, int kind) {
    // Six bare-stem entries in a row mark an indeclinable noun: nothing to tell.
    if (kind != kNoun || forms.find("@;@;@;@;@;@") != std::string_view::npos) return 0;
    constexpr int kAccusativeOffset = 3;
    constexpr int kSingularNominative = 1;
    constexpr int kPluralNominative = 7;
    for (int nominative : {kSingularNominative, kPluralNominative}) {
        if (nominative == kSingularNominative && !preferSingular) continue;
        const std::string_view nom = FormEnding(forms, nominative, false);
        const std::string_view acc = FormEnding(forms, nominative + kAccusativeOffset, false);
        if (!nom.empty() && !acc.empty()) return nom == acc ? 1 : 2;
    }
    return 0;
}

}  // namespace kunimor
