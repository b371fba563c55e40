#pragma once

#include <cstdint>
#include <string>

#include "ground/LetterCase.h"
#include "translator/WordForm.h"

namespace kunimor {

// What kind of word an element holds (TWordEl::TokenKind); also the style
// the source stretch of the element is marked with.
inline constexpr uint8_t kKnownToken = 0;
inline constexpr uint8_t kUnknownToken = 1;
inline constexpr uint8_t kForeignToken = 2;  // has characters outside the alphabet

// One element of the piece being translated: a word, a recognised
// abbreviation, or the mark of the place a word was moved away from.
// Elements form a doubly linked list; an element owns its candidate lists.
struct TWordEl {
    TWordEl() = default;
    TWordEl(const TWordEl&) = delete;
    TWordEl& operator=(const TWordEl&) = delete;
    ~TWordEl() {
        FreeWordForms(Readings);
        FreeWordForms(Trans);
    }

    char SepClass = 0;  // separator class of the gap after it; 0 until computed
    TWordEl* Next = nullptr;
    TWordEl* Prev = nullptr;
    int32_t StartPos = 0;  // 1-based position in the source text
    int32_t EndPos = 0;    // just past the last character; = StartPos once moved
    bool Placeholder = false;
    bool IsAbbr = false;   // Text already holds the abbreviation's translation
    TCasePattern CaseKind = TCasePattern::csLower;
    TWordForm* Readings = nullptr;
    TWordForm* Trans = nullptr;
    uint8_t KindSum = 0;
    uint8_t Role = 0;
    uint8_t TokenKind = kKnownToken;
    // The normalised source word while unknown, the abbreviation's
    // translation, and after transfer the target text.
    std::string Text;
};

}  // namespace kunimor
