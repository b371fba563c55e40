#pragma once

#include <cstdint>
#include <functional>

namespace kunimor {

// One candidate of an element: a reading (what the source word can be) or a
// translation (a target word in a form). Candidates form singly linked lists
// owned by their element.
struct TWordForm {
    TWordForm* Next = nullptr;
    int32_t WordNo = 0;         // 5,000,000 and above: a collocation
    uint8_t Form = 0;
    uint8_t FormVar = 0;        // 0 main ending, 1 alternative ending
    uint8_t Kind = 0;
    uint8_t Gender = 0;         // 1 masculine, 2 feminine, 3 neuter, 4 plural, 0 none
    uint8_t RodChislo = 0;      // the noun's own gender/number
    uint8_t Case = 0;           // 1 nominative .. 6 prepositional, 0 none
    uint8_t PrepCases = 0;      // function words: bit c set when case c is governed
    uint8_t ObjCase = 0;        // verbs: object case of the plain forms
    uint8_t ObjCaseRefl = 0;    // verbs: object case of the reflexive forms
    bool StartsColloc = false;  // readings: the word begins a collocation
    bool IsAbbrWord = false;
    bool IsProper = false;
    uint8_t Theme = 0;
    bool IsSpecial = false;
    bool IsDerived = false;
    int32_t Priority = 0;
    uint8_t PartCode = 0;
    bool Negation = false;
    bool Inexact = false;
    // Translations: the form the lookup found in the target paradigm, which
    // synthesis falls back on when a repair asked for a form it lacks.
    uint8_t FoundForm = 0;
    uint8_t FoundFormVar = 0;
};

// Appends a copy of form at the end of the list and returns it.
TWordForm* AppendWordForm(TWordForm*& head, const TWordForm& form);

// Frees the candidates for which drop is true; returns how many went.
int RemoveWordForms(TWordForm*& head, const std::function<bool(const TWordForm&)>& drop);

// Frees every candidate of the list and empties it.
void FreeWordForms(TWordForm*& head);

}  // namespace kunimor
