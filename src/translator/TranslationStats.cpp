#include "translator/TranslationStats.h"

#include "ground/Cp1251Literal.h"
#include "ground/FormatText.h"

namespace kunimor {

std::string StatsText(const TTranslationStats& stats) {
    return FormatText("Слов: %d, переведено: %d, неизвестных: %d, неточных: %d"_cp1251,
                      {std::to_string(stats.Words), std::to_string(stats.Translated),
                       std::to_string(stats.Unknown), std::to_string(stats.Inexact)});
}

}  // namespace kunimor
