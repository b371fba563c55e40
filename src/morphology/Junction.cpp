#include "morphology/Junction.h"

#include "ground/Alphabet.h"
#include "ground/Cp1251Literal.h"

namespace kunimor {
namespace {

constexpr CharSet kSoftensDentals{"іёеьюя"_cp1251};
constexpr CharSet kSoftensVelars{"ёьюя"_cp1251};

// What the final letter becomes, or an empty view when it stays.
std::string_view JunctionReplacement(std::string_view stem, std::string_view ending, bool vToU) {
    const char last = stem.back();
    if (last == U'в'_cp1251) {
        const bool hasPrev = stem.size() > 1;
        const char prev = hasPrev ? stem[stem.size() - 2] : '\0';
        if (hasPrev && kBelConsonants.Contains(prev)) return {};
        const bool wordEnd = ending.empty() && hasPrev && kBelVowels.Contains(prev);
        const bool beforeConsonant = !ending.empty() && kBelConsonants.Contains(ending.front());
        return wordEnd || beforeConsonant ? "ў"_cp1251 : std::string_view{};
    }
    if (ending.empty()) return {};
    const char next = ending.front();
    if (last == U'ў'_cp1251) return vToU && kBelVowels.Contains(next) ? "в"_cp1251 : "";
    if (last == U'д'_cp1251) return kSoftensDentals.Contains(next) ? "дз"_cp1251 : "";
    if (last == U'т'_cp1251) return kSoftensDentals.Contains(next) ? "ц"_cp1251 : "";
    if (last == U'г'_cp1251) return kSoftensVelars.Contains(next) ? "з"_cp1251 : "";
    if (last == U'х'_cp1251) return kSoftensVelars.Contains(next) ? "с"_cp1251 : "";
    return {};
}

}  // namespace

bool ApplyJunction(std::string& stem, std::string_view ending, bool vToU) {
    if (stem.empty()) return false;
    const std::string_view replacement = JunctionReplacement(stem, ending, vToU);
    if (replacement.empty()) return false;
    stem.pop_back();
    stem += replacement;
    return true;
}

}  // namespace kunimor
