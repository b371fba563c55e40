#pragma once

#include "ground/Language.h"
#include "morphology/WordKind.h"

#include <cstdint>

namespace kunimor {

// Gender/number (RodChislo of a paradigm, gender override of a noun).
enum RodChislo : uint8_t {
    kRodUndefined = 0,
    kRodMasculine = 1,
    kRodFeminine = 2,
    kRodNeuter = 3,
    kRodPlural = 4,
};

// Number spaces shared by links and operations.
constexpr int32_t kFirstCollocNo = 5000000;
constexpr int32_t kFirstNewAbbrNo = 6000000;
constexpr bool IsCollocNo(int32_t no) { return no > kFirstCollocNo - 1; }

// The word Tag taken apart. Which bits fields A to C come from depends on
// the word kind: nouns hold the gender override, proper-name and
// abbreviation flags; verbs the cases they govern; function words the set
// of cases that may follow them.
struct WordTagFields {
    uint8_t firstWord = 0;  // the word starts at least one collocation
    uint8_t theme = 0;      // Theme.No, 0 = none
    uint8_t a = 0;
    uint8_t b = 0;
    uint8_t c = 0;
    bool operator==(const WordTagFields&) const = default;
};

WordTagFields DecodeWordTag(int kind, int16_t tag);
int16_t EncodeWordTag(int kind, const WordTagFields& fields);

// The noun's gender override when it has one, otherwise the paradigm's.
int NounGender(int rodChislo, int16_t tag);

// Translation-link Tag: bits 0-1 priority into Russian, 2-3 into Belarusian,
// 4-7 the correspondence part.
int LinkPriority(int16_t tag, int targetLang);
void SetLinkPriority(int16_t& tag, int targetLang, int priority);
constexpr int16_t DefaultLinkTag() { return 10; }
// A new link's Tag: normal priority both ways and the correspondence flags
// in their stored orientation (TBelModule::DefaultLinkFlags gives them).
constexpr int16_t NewLinkTag(int storedFlags) { return static_cast<int16_t>(DefaultLinkTag() | (storedFlags & 15) << 4); }
// Correspondence flags as seen towards targetLang (flags 4 and 8 are stored
// from the Belarusian side and exchanged for a Belarusian target).
int LinkFlags(int16_t tag, int targetLang);
void SetLinkFlags(int16_t& tag, int targetLang, int flags);
// Participle links: slot in bits 4-6, negation in bit 7.
void SetLinkCrossCode(int16_t& tag, int code);
void SetLinkCrossFlag(int16_t& tag, bool flag);

}  // namespace kunimor
