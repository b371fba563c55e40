#include "editing/WordArticle.h"

#include "dictionary/TagCodes.h"
#include "dictionary/TranslationLinks.h"
#include "editing/BelEditModule.h"
#include "ground/Cp1251Literal.h"
#include "ground/Direction.h"
#include "ground/FormatText.h"
#include "ground/LetterCase.h"
#include "morphology/FormSynthesis.h"
#include "morphology/FormsText.h"
#include "morphology/KindNames.h"
#include "morphology/WordKind.h"

#include <algorithm>

namespace kunimor {

namespace {

constexpr size_t kPrefixLength = 5;

struct TKeyForms {
    std::string sg, pl;
};

// A word's first singular and first plural form, capitalised as a proper
// name or an abbreviation is.
TKeyForms KeyForms(int lang, int kind, const std::string& stem, const std::string& forms, int16_t tag) {
    TKeyForms keys;
    if (forms.empty()) {
        keys.sg = stem;
        return keys;
    }
    const FirstFormSet set = FirstForms(lang, kind, stem, forms);
    keys.sg = set.first;
    if (kind == kNoun || IsVerb(kind)) {
        // The first form lies in the second half when the first half has none.
        bool alt = false;
        int formNo = 1;
        BuildFirstForm(lang, stem, forms, FormCount(kind), alt, formNo);
        if (formNo > FormCount(kind) / 2) keys = {"", set.first};
        else keys.pl = set.second;
    }
    if (kind == kNoun) {
        const WordTagFields fields = DecodeWordTag(kNoun, tag);
        const auto pattern = fields.b ? TCasePattern::csCapital : fields.c ? TCasePattern::csUpper : TCasePattern::csLower;
        if (pattern != TCasePattern::csLower)
            for (std::string* s : {&keys.sg, &keys.pl}) *s = ApplyCasePattern(*s, pattern, true);
    }
    return keys;
}

}  // namespace

TArticleRow TWordArticle::MakeRow(int32_t no) {
    TArticleRow row;
    row.No = no;
    row.Kind = m_.LoadEntry(SourceLang, no);
    row.EtalonNo = m_.CurWord.EtalonNo;
    row.Osnova = m_.CurWord.Osnova;
    row.Forms = row.EtalonNo >= 0 ? m_.CurEtalon.Forms : std::string();
    row.Tag = m_.CurWord.Tag;
    if (row.Kind == kNoun) row.Animacy = Animacy(row.Forms, m_.CurEtalon.RodChislo == kRodMasculine, kNoun);
    const TKeyForms keys = KeyForms(SourceLang, row.Kind, row.Osnova, row.Forms, row.Tag);
    row.SgLemma = keys.sg;
    row.PlLemma = keys.pl;
    row.Lemma = keys.sg.empty() ? keys.pl : keys.sg;
    for (const TransLink& link : LinksOf(m_.tblTrans(), SourceLang, no)) {
        if (IsCollocNo(link.target)) continue;  // the collocation editors show those
        TArticleTrans t;
        t.No = link.target;
        t.Priority = LinkPriority(link.tag, TargetLang);
        t.LinkFlags = LinkFlags(link.tag, TargetLang);
        const int kind = m_.LoadEntry(TargetLang, link.target);
        t.TargetTag = m_.CurWord.Tag;
        const std::string forms = m_.CurWord.EtalonNo >= 0 ? m_.CurEtalon.Forms : std::string();
        if (kind == kNoun) t.Animacy = Animacy(forms, m_.CurEtalon.RodChislo == kRodMasculine, kNoun);
        const TKeyForms target = KeyForms(TargetLang, row.Kind, m_.CurWord.Osnova, forms, t.TargetTag);
        t.SgForm = target.sg;
        t.PlForm = target.pl;
        t.Text = t.SgForm.empty() ? t.PlForm : t.SgForm;
        row.Trans.push_back(std::move(t));
    }
    std::stable_sort(row.Trans.begin(), row.Trans.end(), [](const TArticleTrans& a, const TArticleTrans& b) {
        return a.Priority != b.Priority ? a.Priority < b.Priority : a.Text < b.Text;
    });
    return row;
}

void TWordArticle::Build(int32_t no) {
    requested_ = no;
    Rows.clear();
    Table& words = m_.WordsTable(SourceLang);
    if (!words.Locate("No", {Value(no)})) return;
    const std::string prefix = words.GetString(WordsField::Osnova).substr(0, kPrefixLength);
    std::vector<int32_t> similar;
    for (words.First(); !words.Eof() && words.HasRecord(); words.Next())
        if (words.GetString(WordsField::Osnova).substr(0, kPrefixLength) == prefix)
            similar.push_back(words.GetInt(WordsField::No));
    for (int32_t n : similar) Rows.push_back(MakeRow(n));
    std::stable_sort(Rows.begin(), Rows.end(),
                     [](const TArticleRow& a, const TArticleRow& b) { return LowerCaseCyr(a.Lemma) < LowerCaseCyr(b.Lemma); });
}

int TWordArticle::RowOf(int32_t no) const {
    for (size_t i = 0; i < Rows.size(); ++i)
        if (Rows[i].No == no) return static_cast<int>(i);
    return Rows.empty() ? -1 : 0;
}

void TWordArticle::WriteLink(const TArticleRow& row, const TArticleTrans& trans) {
    int16_t tag = DefaultLinkTag();
    SetLinkPriority(tag, TargetLang, trans.Priority);
    SetLinkFlags(tag, TargetLang, trans.LinkFlags);
    m_.SetLink(row.No, trans.No, tag);
}

bool TWordArticle::TouchesExclusive(int priority, bool up) { return up ? priority <= 1 : priority == 0; }

void TWordArticle::MovePriority(int row, int trans, bool up) {
    TArticleRow& r = Rows.at(static_cast<size_t>(row));
    TArticleTrans& t = r.Trans.at(static_cast<size_t>(trans));
    const int p = t.Priority;
    if (up) {
        if (p == 0) return;
        t.Priority = p - 1;
        if (p == 1 || p == 2)
            for (TArticleTrans& other : r.Trans)
                if (&other != &t && other.Priority == p - 1) {
                    other.Priority = p;
                    WriteLink(r, other);
                }
    } else {
        if (p == 3) return;
        t.Priority = p + 1;
    }
    WriteLink(r, t);
    Build(requested_);
}

void TWordArticle::SetLinkFlags(int row, int trans, int flags) {
    TArticleRow& r = Rows.at(static_cast<size_t>(row));
    TArticleTrans& t = r.Trans.at(static_cast<size_t>(trans));
    t.LinkFlags = flags;
    WriteLink(r, t);
    Build(requested_);
}

void TWordArticle::DeleteTranslation(int row, int trans) {
    const TArticleRow& r = Rows.at(static_cast<size_t>(row));
    m_.DeleteLink(r.No, r.Trans.at(static_cast<size_t>(trans)).No);
    Build(requested_);
}

std::vector<TWordArticle::TCloseProblem> TWordArticle::CloseProblems(bool checkUntranslated) const {
    std::vector<TCloseProblem> problems;
    for (size_t i = 0; i < Rows.size(); ++i) {
        const TArticleRow& r = Rows[i];
        const int ri = static_cast<int>(i);
        if (r.Trans.empty()) {
            if (checkUntranslated)
                problems.push_back({true, FormatText("Для слова \"%s\" не определен перевод.\rВсе равно выйти?"_cp1251, {r.Lemma}), ri, -1});
            continue;
        }
        if (r.Kind != kNoun && !IsVerb(r.Kind)) continue;
        bool sgCovered = r.SgLemma.empty(), plCovered = r.PlLemma.empty();
        for (size_t j = 0; j < r.Trans.size(); ++j) {
            const TArticleTrans& t = r.Trans[j];
            const int tj = static_cast<int>(j);
            if (t.LinkFlags == 0) {
                problems.push_back({false,
                                    FormatText("Для слова \"%s\" отключены все переводы\rв слово \"%s\".\rПожалуйста, "
                                               "отметьте нужные переводы\rв группе \"Связи слова с переводами\""_cp1251,
                                               {r.Lemma, t.Text}),
                                    ri, tj});
                return problems;
            }
            if (t.LinkFlags & (1 | 4)) sgCovered = true;
            if (t.LinkFlags & (2 | 8)) plCovered = true;
            if (r.Animacy != 0 && t.Animacy != 0 && r.Animacy != t.Animacy) {
                problems.push_back(
                    {false,
                     FormatText("Не совпадает признак одушевленности существительного и его перевода:\rСлово \"%s\" - "
                                "%s,\rа его перевод \"%s\" - %s"_cp1251,
                                {r.Lemma, AnimacyName(SourceLang, r.Animacy), t.Text, AnimacyName(TargetLang, t.Animacy)}),
                     ri, tj});
                return problems;
            }
        }
        if (!sgCovered || !plCovered) {
            problems.push_back({false,
                                FormatText("Для части форм слова \"%s\" не указаны переводы.\rПожалуйста, отметьте "
                                           "нужные переводы\rв группе \"Связи слова с переводами\""_cp1251,
                                           {r.Lemma}),
                                ri, -1});
            return problems;
        }
    }
    return problems;
}

}  // namespace kunimor
