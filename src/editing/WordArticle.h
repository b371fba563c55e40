#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace kunimor {

class TBelEditModule;

// One translation of an article row, seen from the source word.
struct TArticleTrans {
    int32_t No = 0;
    std::string Text, SgForm, PlForm;  // Windows-1251
    int Animacy = 0;
    int16_t TargetTag = 0;
    int Priority = 2;   // towards the target: 0 exclusive, 1 preferred, 2 normal, 3 disabled
    int LinkFlags = 0;  // 1 "11", 2 "22", 4 "12", 8 "21", seen from the source
};

// One source entry of the article.
struct TArticleRow {
    int32_t No = 0;
    int Kind = 0;
    int16_t EtalonNo = -1;
    std::string Osnova, Forms, Lemma, SgLemma, PlLemma;
    int16_t Tag = 0;
    int Animacy = 0;
    std::vector<TArticleTrans> Trans;  // by priority, then text
};

// What the word article editor shows of a source entry (SourceLang) and the
// words that look like it, with their translations into TargetLang, and
// the changes it writes through the editing module at once. The rows are
// rebuilt from the tables after every change.
class TWordArticle {
public:
    explicit TWordArticle(TBelEditModule& module) : m_(module) {}

    // The entry and every word whose stem shares its first five letters.
    void Build(int32_t no);
    int RowOf(int32_t no) const;
    std::vector<TArticleRow> Rows;

    // Whether moving a translation of priority p needs the exclusive-priority question.
    static bool TouchesExclusive(int priority, bool up);
    // Raises (or lowers) the translation's priority; raising to p lowers the
    // other translations of priority p to the one it left.
    void MovePriority(int row, int trans, bool up);
    void SetLinkFlags(int row, int trans, int flags);
    void DeleteTranslation(int row, int trans);

    // What keeps the editor from closing, in row order. An error refuses;
    // a question (an untranslated word, with checkUntranslated) is asked once.
    struct TCloseProblem {
        bool question = false;
        std::string message;
        int row = -1, trans = -1;
    };
    std::vector<TCloseProblem> CloseProblems(bool checkUntranslated) const;

private:
    void WriteLink(const TArticleRow& row, const TArticleTrans& trans);
    TArticleRow MakeRow(int32_t no);

    TBelEditModule& m_;
    int32_t requested_ = 0;
};

}  // namespace kunimor
