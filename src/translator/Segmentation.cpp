#include "translator/Segmentation.h"

#include <string>

#include "dictionary/BelModule.h"
#include "ground/Direction.h"
#include "ground/Language.h"
#include "ground/Alphabet.h"
#include "dictionary/StemSeeker.h"
#include "ground/CharClasses.h"
#include "ground/Cp1251Literal.h"
#include "ground/NormalizeWord.h"
#include "translator/CollectReading.h"
#include "translator/ElementList.h"
#include "translator/SegmentationSettings.h"
#include "translator/SourceText.h"
#include "translator/TranslationStats.h"

namespace kunimor {
namespace {

// Longer tokens are never looked up as abbreviations.
constexpr int kMaxAbbrTokenLength = 6;

char At(int pos) { return SourceText[static_cast<std::size_t>(pos - 1)]; }
int TextLength() { return static_cast<int>(SourceText.size()); }

bool EndsSentence(char c) { return SentenceEndChars().Contains(c) || (ReturnCounts && c == '\r'); }

void Mark(const TMarkProc& markProc, int style, int from, int to) {
    if (markProc) markProc(style, from - 1, to - 1);
}

// The source text from some position on, blank runs collapsed to one space
// and letters lower-cased, built only as far as a comparison needs it.
class TNormalizedText {
public:
    explicit TNormalizedText(int pos) : next_(pos) {}

    const std::string& Text() const { return text_; }
    int NextPos() const { return next_; }

    void ExtendTo(std::size_t length) {
        while (text_.size() < length && next_ <= TextLength()) {
            const char c = At(next_++);
            if (GapChars().Contains(c)) {
                if (!afterBlank_) text_ += ' ';
                afterBlank_ = true;
                continue;
            }
            afterBlank_ = false;
            text_ += SrcLetters().Contains(c) ? LoCaseCyr(c) : c;
        }
    }

private:
    std::string text_;
    int next_;
    bool afterBlank_ = false;
};

bool EndsOnBoundary(std::string_view abbr, int next) {
    return DelimiterChars().Contains(abbr.back()) || next > TextLength() || DelimiterChars().Contains(At(next));
}

bool CapitalFollows(int pos) {
    while (pos <= TextLength() && GapChars().Contains(At(pos))) ++pos;
    return pos <= TextLength() && SrcUpper().Contains(At(pos));
}

// Looks el's word up, as an abbreviation first when it is short enough.
void AnalyzeWord(TBelModule& module, TWordEl& el) {
    const bool roomForAbbr = TextLength() - el.StartPos >= 2;
    if (el.EndPos - el.StartPos <= kMaxAbbrTokenLength && roomForAbbr && MatchAbbreviation(module, el.StartPos, el))
        return;
    LookupElement(module, el);
    if (!el.Readings) el.TokenKind = kUnknownToken;
}

// A word written with a hyphen that the dictionary has whole, with a
// translation (кто-то, хто-небудзь), is one element; el grows over it then.
// Without one its parts may still be translated (па-беларуску).
bool LookupHyphenedWord(TBelModule& module, TWordEl& el) {
    int end = el.EndPos;
    if (end >= TextLength() || At(end) != '-' || !SrcLetters().Contains(At(end + 1)) || At(end + 1) == '\'') return false;
    for (++end; end <= TextLength() && !DelimiterChars().Contains(At(end)); ++end)
        if (!SrcLetters().Contains(At(end))) return false;
    while (At(end - 1) == '\'') --end;
    const int wordEnd = el.EndPos;
    el.EndPos = end;
    LookupElement(module, el);
    for (const TWordForm* r = el.Readings; r; r = r->Next)
        if (module.ForEachTranslation(r->WordNo, r->Kind, nullptr, r->FormVar, r->Form)) return true;
    FreeWordForms(el.Readings);
    el.EndPos = wordEnd;
    el.Text.clear();
    return false;
}

}  // namespace

TCasePattern CasePatternOf(std::string_view word) {
    if (word.empty() || SrcLower().Contains(word.front())) return TCasePattern::csLower;
    if (word.size() == 1) return TCasePattern::csCapital;
    return SrcUpper().Contains(word.back()) ? TCasePattern::csUpper : TCasePattern::csCapital;
}

bool MatchAbbreviation(TBelModule& module, int pos, TWordEl& el) {
    TNormalizedText normalized(pos);
    normalized.ExtendTo(3);
    const std::string key = normalized.Text();
    std::string translation;
    std::string abbr;
    // The normalised text only grows, so once it is longer than an
    // abbreviation that one cannot match any more.
    int32_t no = module.NextAbbr(SourceLang, key, translation, abbr);
    while (no != 0) {
        normalized.ExtendTo(abbr.size());
        if (normalized.Text() == abbr && EndsOnBoundary(abbr, normalized.NextPos())) break;
        no = module.NextAbbr(SourceLang, {}, translation, abbr);
    }
    if (no == 0) return false;
    int end = normalized.NextPos();
    if (abbr.back() == '.' && CapitalFollows(end)) {
        --end;
        // the full stop stays in the text to end the sentence
        if (!translation.empty() && translation.back() == '.') translation.pop_back();
    }
    el.CaseKind = CasePatternOf(SourceRange(pos, end));
    el.EndPos = end;
    el.IsAbbr = true;
    el.Text = std::move(translation);
    return true;
}

void LookupElement(TBelModule& module, TWordEl& el) {
    const std::string written = WrittenText(el);
    el.CaseKind = CasePatternOf(written);
    std::string word = LowerCaseCyr(written);
    if (SourceLang == kRussian) NormalizeWord(kRussian, word);
    else if (word.front() == U'ў'_cp1251) word.front() = U'у'_cp1251;
    TCandidateLookup lookup{SourceLang, 0, &el.Readings};
    SeekWord(module, word, CollectReading(module, lookup));
    if (!el.Readings) el.Text = std::move(word);
}

int BuildElementList(TBelModule& module, int startPos, const TMarkProc& markProc) {
    FreeElements(ElementList, -1);  // a list left by an earlier piece
    const int length = TextLength();
    TWordEl* last = nullptr;
    int pos = startPos;
    for (;;) {
        // the gap before the next token
        int q = pos;
        bool sentenceEnd = false;
        for (; q <= length && (DelimiterChars().Contains(At(q)) || At(q) == '\''); ++q)
            sentenceEnd = sentenceEnd || EndsSentence(At(q));
        Mark(markProc, kOtherTextStyle, pos, q);
        if (sentenceEnd || q > length) return q;

        int r = q;
        bool hasLetter = false;
        bool hasNonLetter = false;
        for (; r <= length && !DelimiterChars().Contains(At(r)); ++r) {
            const char c = At(r);
            if (!SrcLetters().Contains(c)) hasNonLetter = true;
            else if (c != '\'') hasLetter = true;
        }
        if (!hasLetter) {  // numbers, Latin words, symbols
            Mark(markProc, kOtherTextStyle, q, r);
            pos = r;
            continue;
        }
        while (At(r - 1) == '\'') --r;  // a trailing apostrophe belongs to the gap

        TWordEl* el = last = AppendElement(last);
        el->StartPos = q;
        el->EndPos = r;
        if (hasNonLetter) {
            el->TokenKind = kForeignToken;
            el->Text = SourceRange(q, r);
        } else if (!LookupHyphenedWord(module, *el)) {
            AnalyzeWord(module, *el);
        }
        Mark(markProc, el->TokenKind, el->StartPos, el->EndPos);
        ++Counters.Words;
        pos = el->EndPos;
    }
}

}  // namespace kunimor
