#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "dictionary/Schema.h"

namespace kunimor {

// Copies of dictionary records, filled by the data module's queries.

struct TEtalonRec {
    int16_t No = -1;  // -1: the word has no paradigm
    std::string Osnova;
    uint8_t Kind = 0;
    std::string Forms;
    uint8_t RodChislo = 0;
    bool Modif = false;
};

struct TWordsRec {
    int16_t EtalonNo = 0;
    int16_t Tag = 0;
    std::string Osnova;
    bool Modif = false;
};

struct TCollocWord {
    int32_t No = 0;
    uint8_t Found = 0;  // used by the engine while matching
    uint8_t Frm = 0;    // 0 = agrees with the requested form
    bool Alt = false;
    char Delim = 0;

    bool operator==(const TCollocWord&) const = default;
};

struct TCollocRec {
    uint8_t Kind = 0;
    int32_t Count = 0;  // word slots in use
    int8_t MainPar = 0;
    int16_t Tag = 0;
    std::array<TCollocWord, kCollocSlots> Words{};
    bool Modif = false;

    bool operator==(const TCollocRec&) const = default;
};

struct TAbbrRec {
    std::string Bel;
    std::string Rus;
    bool Modif = false;
};

struct TGlossaryRec {
    uint8_t Lang = 0;
    std::string Title;
    std::string Text;
    bool Modif = false;
};

}  // namespace kunimor
