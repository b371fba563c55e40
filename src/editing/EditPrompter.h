#pragma once

#include <string>

namespace kunimor {

// What AddWord asks when a new word may be the same word as one already in
// the dictionary: both words as the user would see them.
struct TReplaceQuestion {
    int Lang = 0;
    int Kind = 0;
    std::string OldStem, OldForms;
    int OldGender = 0;
    std::string NewStem, NewForms;
    int NewGender = 0;
};

// The answers to a TReplaceQuestion.
enum TReplaceAnswer : int { kKeepOld = 0, kReplaceOld = 1, kKeepBoth = 2 };

// The questions the editing module puts to the user, so that windows, the
// command line and tests each answer them their own way. Texts are
// Windows-1251; captions are "Warning" or "Information".
class TEditPrompter {
public:
    virtual ~TEditPrompter() = default;
    // A Yes/No question with No as the default; true for Yes.
    virtual bool AskYesNo(const std::string& caption, const std::string& text) = 0;
    virtual void Inform(const std::string& caption, const std::string& text) = 0;
    virtual TReplaceAnswer DecideReplacement(const TReplaceQuestion& question) = 0;
};

// Answers without asking anybody: No to questions, keeps both words when
// they differ. The command line and the tests that need no choices use it.
class TQuietPrompter : public TEditPrompter {
public:
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
    void Inform(const std::string&, const std::string&) override {}
    TReplaceAnswer DecideReplacement(const TReplaceQuestion&) override { return kKeepBoth; }
};

}  // namespace kunimor
