#pragma once

#include <cstdint>
#include <string>

namespace kunimor {

// What a translation run did, shown to the user when it ends.
struct TTranslationStats {
    int32_t Words = 0;       // every element created
    int32_t Translated = 0;  // emitted with a translation not marked inexact
    int32_t Unknown = 0;     // emitted without translation
    int32_t Inexact = 0;     // emitted with a translation marked inexact
};

// The counters of the current (or last) run; zeroed when a run starts.
inline TTranslationStats Counters;

// "Слов: 5, переведено: 3, неизвестных: 1, неточных: 1", Windows-1251.
std::string StatsText(const TTranslationStats& stats);

}  // namespace kunimor
