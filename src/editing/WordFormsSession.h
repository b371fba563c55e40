#pragma once

#include "dictionary/AdvStemSeeker.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kunimor {

class TBelEditModule;

// What the declension view asks and remembers while the user gives a new
// word's forms one by one: the current question (form slot and whether it
// is the alternative), the paradigms that still fit, the form each would
// propose, the answers so far. Forms on which every remaining paradigm
// agrees are filled in without a question. Nothing reaches the tables
// before Store. Windows-1251 texts.
class TWordFormsSession {
public:
    // The guesser uses the module's tables; module must outlive the session.
    TWordFormsSession(TBelEditModule& module, int lang, int kind, std::string word, int16_t tag);

    int Lang() const { return lang_; }
    int Kind() const { return kind_; }
    const std::string& Word() const { return word_; }
    int Slot() const { return slot_; }
    bool Alt() const { return alt_; }
    int SlotCount() const { return seeker_.FormCount(); }
    // The question and the description of the current form (tblWForms).
    std::string Question() const;
    std::string Description() const;

    const std::vector<TEtaRec>& Candidates() const { return seeker_.Candidates; }
    // The candidate paradigm's own form (from its sample stem) for the current question.
    std::string CandidateForm(int index) const;
    // The form the candidate gives the new word for the current question:
    // of its stems for the word, the one whose form most resembles the
    // candidate's own. The word itself when it has none.
    std::string Proposal(int index) const;

    enum class TStep { More, Done, NoCandidate };
    // Takes form as the answer to the current question and moves on to the
    // next one that the remaining candidates do not settle. With keep, that
    // candidate survives the pruning. NoCandidate leaves the answer in, for
    // CreateParadigm or Back.
    TStep Accept(const std::string& form, int keep = -1);
    // Answers every remaining question with candidate index's proposals;
    // Done when that settles every form (Store then uses that candidate).
    TStep ApplyCandidate(int index);
    // Takes the last answer back: its question is current again and the
    // forms from there on are unknown.
    void Back();
    bool CanGoBack() const { return !history_.empty(); }

    // The entered forms, per slot "main|alternative;" for the paradigm editor.
    std::string EnteredForms() const;
    // Makes the paradigm given by the editor's stem and forms the only
    // candidate, adding it to the dictionary.
    void UseNewParadigm(const std::string& stem, const std::string& forms, int gender);

    // Stores the word with the first candidate through SaveWord and returns
    // its number; throws Error when the candidate cannot take the word.
    int32_t Store(int32_t wordNo = -1);

    struct TAnswer {
        int slot;
        bool alt;
        std::string question;
        std::string form;
    };
    const std::vector<TAnswer>& History() const { return history_; }

private:
    bool Next(int& slot, bool& alt) const;  // false past the last alternative
    // The forms of every stem of every remaining candidate at (slot, alt).
    std::vector<std::string> BuiltForms(int slot, bool alt) const;
    std::vector<std::string> CandidateStemForms(const TEtaRec& rec, int slot, bool alt) const;
    bool AutoAdvance();  // false when it passed the last question
    void Prune(int keep);
    void ResetFrom(int slot, bool alt);

    TBelEditModule& module_;
    int lang_;
    int kind_;
    std::string word_;
    int16_t tag_;
    TAdvStemSeeker seeker_;
    int slot_ = 1;
    bool alt_ = false;
    std::vector<TAnswer> history_;
};

}  // namespace kunimor
