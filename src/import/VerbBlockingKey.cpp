#include "import/VerbBlockingKey.h"

#include <array>
#include <span>

#include "ground/Cp1251Literal.h"

namespace kunimor::import {

namespace {

constexpr std::size_t kKeyLetters = 4;

constexpr std::array kRuEndings = {"ться"_cp1251, "тись"_cp1251, "чься"_cp1251, "ть"_cp1251, "ти"_cp1251, "чь"_cp1251};
constexpr std::array kBeEndings = {"цца"_cp1251, "ціся"_cp1251, "чыся"_cp1251, "ць"_cp1251, "ці"_cp1251, "чы"_cp1251};
constexpr std::string_view kDropped = "аоуыэеёиіяюўвйьъ'"_cp1251;

std::string_view Stem(std::string_view infinitive, bool russian) {
    for (const std::string_view ending : russian ? std::span<const std::string_view>(kRuEndings)
                                                 : std::span<const std::string_view>(kBeEndings)) {
        if (infinitive.size() > ending.size() && infinitive.ends_with(ending)) {
            return infinitive.substr(0, infinitive.size() - ending.size());
        }
    }
    return infinitive;
}

}  // namespace

std::string VerbBlockingKey(std::string_view infinitive, bool russian) {
    std::string key;
    const std::string_view stem = Stem(infinitive, russian);
    const auto add = [&key](char letter) {
        if (key.empty() || key.back() != letter) key += letter;  // doubled letters differ between the languages
    };
    for (std::size_t i = 0; i < stem.size() && key.size() < kKeyLetters; ++i) {
        const char letter = stem[i];
        if (kDropped.find(letter) != std::string_view::npos) continue;
        if (letter == U'ц'_cp1251) {
            add(U'т'_cp1251);
        } else if (letter == U'з'_cp1251) {
            if (russian || key.empty() || stem[i - 1] != U'д'_cp1251) add(U'с'_cp1251);
        } else if (letter == U'щ'_cp1251) {
            add(U'ш'_cp1251);
            add(U'ч'_cp1251);
        } else {
            add(letter);
        }
    }
    return key.substr(0, kKeyLetters);
}

}  // namespace kunimor::import
