#include "morphology/KindNames.h"

#include "ground/Cp1251Literal.h"

namespace kunimor {

namespace {

template <size_t N>
std::string_view Pick(const std::string_view (&names)[2][N], int lang, int code) {
    return names[lang == 1 ? 1 : 0][code >= 0 && code < static_cast<int>(N) ? code : 0];
}

constexpr std::string_view kKindNames[2][6] = {
    {"Тип не определен"_cp1251, "Существительное"_cp1251, "Прилагательное (причастие, наречие)"_cp1251,
     "Глагол совершенного вида"_cp1251, "Глагол несовершенного вида"_cp1251,
     "Зарезервированное или служебное"_cp1251},
    {"Тып не азначаны"_cp1251, "Назоўнік"_cp1251, "Прыметнік (дзеепрыметнік, прыслоўе)"_cp1251,
     "Дзеяслоў закончанага трывання"_cp1251, "Дзеяслоў незакончанага трывання"_cp1251,
     "Зарэзерваванае або службовае"_cp1251},
};

constexpr std::string_view kGenderNames[2][5] = {
    {"Род/число не определено"_cp1251, "Мужской"_cp1251, "Женский"_cp1251, "Средний"_cp1251, "Множ. число"_cp1251},
    {"Род/лік не азначаны"_cp1251, "Мужчынскі"_cp1251, "Жаночы"_cp1251, "Ніякі"_cp1251, "Множны лік"_cp1251},
};

constexpr std::string_view kGenderShortNames[2][5] = {
    {"", "м.р."_cp1251, "ж.р."_cp1251, "с.р."_cp1251, "мн.ч."_cp1251},
    {"", "м.р."_cp1251, "ж.р."_cp1251, "н.р."_cp1251, "мн.л."_cp1251},
};

constexpr std::string_view kAnimacyShortNames[2][3] = {
    {" - ", "неодуш."_cp1251, "одуш."_cp1251},
    {" - ", "неасаб."_cp1251, "асаб."_cp1251},
};

constexpr std::string_view kAnimacyNames[2][3] = {
    {" - ", "неодушевленное существительное"_cp1251, "одушевленное существительное"_cp1251},
    {" - ", "неасабовы назоўнік"_cp1251, "асабовы назоўнік"_cp1251},
};

}  // namespace

std::string_view KindName(int lang, int kind) { return Pick(kKindNames, lang, kind); }
std::string_view GenderName(int lang, int gender) { return Pick(kGenderNames, lang, gender); }
std::string_view GenderShortName(int lang, int gender) { return Pick(kGenderShortNames, lang, gender); }
std::string_view AnimacyShortName(int lang, int animacy) { return Pick(kAnimacyShortNames, lang, animacy); }
std::string_view AnimacyName(int lang, int animacy) { return Pick(kAnimacyNames, lang, animacy); }

}  // namespace kunimor
