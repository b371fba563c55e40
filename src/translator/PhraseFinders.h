#pragma once

#include <cstdint>

#include "translator/WordEl.h"

namespace kunimor {

class TBelModule;

// Roles an element takes while phrases are examined (TWordEl::Role).
inline constexpr uint8_t kNoRole = 0;
inline constexpr uint8_t kTransparentRole = 1;  // a word a phrase passes over
inline constexpr uint8_t kAttributeRole = 2;
inline constexpr uint8_t kHeadRole = 3;
inline constexpr uint8_t kVerbRole = 4;

// The most elements a noun phrase or an adjective group takes: no real one
// comes near it, and it keeps the searches linear in a long piece of lists
// or conjunctions.
inline constexpr int kMaxPhraseLength = 64;

// Kinds shared by all readings when they differ.
inline constexpr uint8_t kMixedKinds = 6;

// Kind sets: bit k for word kind k.
constexpr unsigned KindBit(int kind) { return 1u << kind; }
inline constexpr unsigned kNominalKinds = (1u << 1) | (1u << 2);  // nouns and adjectives
inline constexpr unsigned kVerbKinds = (1u << 3) | (1u << 4);

// Whether some reading of el satisfies pred.
template <class Pred>
bool AnyReading(const TWordEl* el, Pred pred) {
    for (const TWordForm* f = el->Readings; f; f = f->Next)
        if (pred(*f)) return true;
    return false;
}

// Bit k set for every Kind k among el's readings.
unsigned KindSetOf(const TWordEl* el);
// The kind all of el's readings share, kMixedKinds when they differ, 0
// without readings; refreshes el->KindSum.
uint8_t KindSumOf(TWordEl* el);

// An agreement set: bit (case - 1) * 4 + gender of every case and
// gender/number a nominal reading or a phrase can be in.
using TAgreeSet = uint32_t;
// The agreement bit of a case and gender/number, 0 when either is missing.
TAgreeSet AgreeBitOf(int nounCase, int gender);
// The agreement bit of a reading's Case and Gender.
TAgreeSet AgreeBit(const TWordForm& f);
// Bit c set for every case c of the set.
unsigned CasesOf(TAgreeSet s);

// A noun or adjective reading in a form with a case.
bool IsNominalReading(const TWordForm& f);

// An adjective reading in the form without case or gender and without the
// hyphen prefix: an adverb.
bool IsAdverbReading(const TWordForm& f);
// The same form written with the hyphen prefix (по-русски, па-руску).
bool IsHyphenAdverbReading(const TWordForm& f);

// el's first reading is the source language's я or ты.
bool IsPersonalPronoun(const TBelModule& module, const TWordEl* el);

// el's first reading is a linking conjunction of the source language
// (and, or ...), or, when not strict, one of the further particles (would,
// not ...) that phrases pass over as well.
bool IsLinkWord(TBelModule& module, const TWordEl* el, bool strict);

// el is a preposition directly before a word: its readings (or, when
// fromReadings is false, its first translation) govern cases, which are
// stored in cases (bit c for case c).
bool IsPrepBefore(TWordEl* el, bool fromReadings, unsigned& cases);

// el has an adjective reading of the source language's indeclinable
// adjective paradigm.
bool IsIndeclAdj(TBelModule& module, const TWordEl* el);

// The noun of el's first nominal noun reading has an accusative different
// from its nominative (an animate noun); false for a feminine or neuter
// singular.
bool AccDiffers(TBelModule& module, const TWordEl* el);

// The noun of el's first nominal noun reading names a living being: its
// plural accusative is not its plural nominative, whatever the reading's
// own gender and number.
bool IsAnimateNoun(TBelModule& module, const TWordEl* el);

// After every adjective reading in the genitive masculine or plural, a copy
// in the accusative that equals it, marked IsDerived (once: a reading that
// already has its twin gets no second one).
void AddAccTwins(TWordForm*& list);

// If some reading's kind is in ifAny (bit k for kind k), removes every
// reading whose kind is in remove; returns whether any went.
bool RemoveKinds(TWordEl* el, unsigned ifAny, unsigned remove);

// What el can be inside a noun phrase and the cases and genders it brings;
// a role other than kNoRole is also stored in el->Role. Loose lets words
// with function-word readings be attributes and heads and particles pass.
struct TNominalClass {
    uint8_t Role = kNoRole;
    TAgreeSet Agree = 0;
};
TNominalClass ClassifyNominal(TBelModule& module, TWordEl* el, bool isHead, bool loose);

// What a phrase search found. Leftwards (from a head noun) bound is the
// element just before the phrase (nullptr at the start of the piece);
// rightwards, the phrase's head.
struct TNounPhrase {
    bool Found = false;
    TWordEl* Bound = nullptr;
    TAgreeSet Agree = 0;
    bool AccExtended = false;  // the head is animate: genitive attributes agree as accusatives
};
TNounPhrase FindNounPhrase(TBelModule& module, TWordEl* start, bool loose, bool rightwards);

// The phrase whose head is head, walked leftwards, as FindNounPhrase
// leftwards finds it but without adding accusative twins. With limit, the
// walk ends once the phrase is known to take limit: Bound is then the
// element before limit and Agree the set of the elements from limit to head.
TNounPhrase ScanNounPhrase(TBelModule& module, TWordEl* head, bool loose, TWordEl* limit = nullptr);

struct TAdjGroup {
    bool Found = false;
    TWordEl* Last = nullptr;  // the group's last usable adjective
    TAgreeSet Agree = 0;
};
TAdjGroup FindAdjGroup(TBelModule& module, TWordEl* start, bool loose);

// What stands from start on: a noun phrase, or an adjective group when it
// reaches further right (or there is no phrase). The roles left in the
// elements are those of the one chosen.
struct TPhraseAt {
    bool Found = false;
    bool IsGroup = false;
    TWordEl* Head = nullptr;  // the phrase's head or the group's last adjective
    TAgreeSet Agree = 0;
};
TPhraseAt FindPhraseAt(TBelModule& module, TWordEl* start);

}  // namespace kunimor
