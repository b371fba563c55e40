#include "morphology/SampleForms.h"

#include "morphology/FormSynthesis.h"
#include "morphology/WordKind.h"
#include "ground/Cp1251Literal.h"
#include "ground/Language.h"

namespace kunimor {
namespace {

struct SampleSlot {
    int formNo;
    bool alt;
    std::string_view prefix;
    std::string_view suffix;
};

constexpr std::string_view kOpenEnded = "-...";
constexpr std::string_view kListSeparator = ", ";
constexpr std::string_view kBrokenForm = "?";

class SampleList {
public:
    SampleList(int lang, std::string_view stem, std::string_view forms, TCasePattern pattern)
        : lang_(lang), stem_(stem), forms_(forms), pattern_(pattern) {}

    void Add(const SampleSlot& slot) {
        std::string form;
        const bool built = TryBuildForm(lang_, stem_, forms_, true, form, slot.alt, slot.formNo);
        if (built && form.empty()) return;
        if (!text_.empty()) text_ += kListSeparator;
        text_ += slot.prefix;
        text_ += built ? ApplyCasePattern(form, pattern_, true) : std::string(kBrokenForm);
        text_ += slot.suffix;
    }

    const std::string& Text() const { return text_; }

private:
    int lang_;
    std::string_view stem_;
    std::string_view forms_;
    TCasePattern pattern_;
    std::string text_;
};

}  // namespace

std::string SampleForms(int lang, int kind, std::string_view stem, bool withLemma,
                        TCasePattern casePattern, std::string_view forms) {
    bool alt = false;
    int firstFormNo = 1;
    const std::string lemma = ApplyCasePattern(
        BuildFirstForm(lang, stem, forms, kMaxFormNo, alt, firstFormNo), casePattern, true);

    SampleList list(lang, stem, forms, casePattern);
    if (kind == kNoun) {
        if (firstFormNo != 7) list.Add({7, false, "", ""});
        list.Add({13, false, "", kOpenEnded});
    } else if (kind == kAdjective) {
        list.Add({1, true, "", ""});
        list.Add({25, false, "", kOpenEnded});
        list.Add({25, true, lang == kBelarusian ? "па-"_cp1251 : "[по-]"_cp1251, ""});
        list.Add({26, false, "", ""});
    } else if (IsVerb(kind)) {
        list.Add({2, false, "", ""});
        list.Add({firstFormNo == 1 ? 16 : 17, false, "", ""});
    }

    if (list.Text().empty()) return lemma;
    return withLemma ? lemma + " (" + list.Text() + ")" : list.Text();
}

}  // namespace kunimor
