#include "morphology/ReflexiveSuffix.h"

#include "ground/Alphabet.h"
#include "morphology/FormsText.h"
#include "ground/Cp1251Literal.h"
#include "ground/Language.h"

namespace kunimor {
namespace {

constexpr CharSet kRusVowels{"аеиоуыэюя"_cp1251};
constexpr std::string_view kTsSoft = "ць"_cp1251;

std::string Joined(std::string_view head, std::string_view tail) {
    std::string out(head);
    out += tail;
    return out;
}

std::string Russian(int formNo, std::string_view text) {
    const char last = text.back();
    const bool afterRuleTwo = text.size() > 2 && text[text.size() - 2] == '2';
    if (kRusVowels.Contains(last) && !afterRuleTwo) return Joined(text, "сь"_cp1251);
    if (formNo == 28) return Joined(text, "шись"_cp1251);
    return Joined(text, "ся"_cp1251);
}

std::string Belarusian(int formNo, std::string_view text) {
    const char last = text.back();
    if (formNo == 21) {
        if (kBelVowels.Contains(last)) return Joined(text, "цца"_cp1251);
        if (text.size() >= 3 && text.ends_with(kTsSoft) &&
            kBelConsonants.Contains(text[text.size() - 3])) {
            return Joined(text.substr(0, text.size() - 2), "ца"_cp1251);
        }
    } else if (formNo == 29 && last == U'ь'_cp1251) {
        return Joined(text, "ся"_cp1251);
    }
    if (text.ends_with(kTsSoft)) return Joined(text.substr(0, text.size() - 1), "ца"_cp1251);
    return Joined(text, "ся"_cp1251);
}

}  // namespace

std::string ReflexiveSuffix(int lang, int formNo, std::string_view text) {
    if (text.empty()) return {};
    if (text.back() == kStemItself) return std::string("ся"_cp1251);
    return lang == kBelarusian ? Belarusian(formNo, text) : Russian(formNo, text);
}

}  // namespace kunimor
