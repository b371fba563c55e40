#pragma once

#include <cstdint>

namespace kunimor {

// A translation link between entries of different kinds stands for a
// participle of a Belarusian verb: bits 4-6 of its Tag hold the participle
// slot and bit 7 says the participle is rendered with "не ".

constexpr int CrossCode(int16_t linkTag) { return (static_cast<uint16_t>(linkTag) >> 4) & 7; }

// Bits 8-14, which a file never holds but an edited Tag may, count as the
// negation flag as well.
constexpr bool CrossFlag(int16_t linkTag) { return ((static_cast<uint16_t>(linkTag) >> 7) & 0xFF) != 0; }

// The verb form a participle slot is built from: 1 present third person
// singular, 2 past masculine, 3 and 4 the same of the reflexive half. The
// slot bits could hold 5-7, but no verb form belongs to those: 0.
constexpr int ParticipleSlotForm(int slot) {
    switch (slot) {
        case 1: return 6;
        case 2: return 9;
        case 3: return 21;
        case 4: return 24;
        default: return 0;
    }
}

}  // namespace kunimor
