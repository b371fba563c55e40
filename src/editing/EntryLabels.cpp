#include "editing/EntryLabels.h"

#include "dictionary/TagCodes.h"
#include "ground/Cp1251Literal.h"

namespace kunimor {

namespace {

struct TNames {
    std::string_view rus;
    std::string_view bel;
};

// By kind 0..5.
constexpr TNames kKindAbbreviations[] = {
    {}, {"сущ."_cp1251, "наз."_cp1251}, {"прил."_cp1251, "прым."_cp1251}, {"сов.гл."_cp1251, "зак.дз."_cp1251}, {"несов.гл."_cp1251, "незак.дз."_cp1251},
    {"зарез."_cp1251, "зарэз."_cp1251}};
constexpr TNames kKindNames[] = {{"Тип не определен"_cp1251, "Тып не азначаны"_cp1251},
                                 {"Существительное"_cp1251, "Назоўнік"_cp1251},
                                 {"Прилагательное (причастие, наречие)"_cp1251, "Прыметнік (дзеепрыметнік, прыслоўе)"_cp1251},
                                 {"Глагол совершенного вида"_cp1251, "Дзеяслоў закончанага трывання"_cp1251},
                                 {"Глагол несовершенного вида"_cp1251, "Дзеяслоў незакончанага трывання"_cp1251},
                                 {"Зарезервированное или служебное"_cp1251, "Зарэзерваванае або службовае"_cp1251}};
// By RodChislo 0..4.
constexpr TNames kGenderAbbreviations[] = {{}, {"м.р."_cp1251, "м.р."_cp1251}, {"ж.р."_cp1251, "ж.р."_cp1251}, {"с.р."_cp1251, "н.р."_cp1251},
                                           {"мн.ч."_cp1251, "мн.л."_cp1251}};

template <size_t N>
std::string Pick(const TNames (&names)[N], int lang, int code) {
    if (code < 0 || code >= static_cast<int>(N)) return {};
    return std::string(lang == 1 ? names[code].bel : names[code].rus);
}

}  // namespace

std::string KindAbbreviation(int lang, int kind) { return Pick(kKindAbbreviations, lang, kind); }
std::string KindName(int lang, int kind) { return Pick(kKindNames, lang, kind); }
std::string GenderAbbreviation(int lang, int rodChislo) { return Pick(kGenderAbbreviations, lang, rodChislo); }

std::string EntryTypeText(int lang, int kind, int rodChislo, int16_t tag) {
    std::string text = KindAbbreviation(lang, kind);
    if (kind == kNoun) text += " " + GenderAbbreviation(lang, NounGender(rodChislo, tag));
    return text;
}

std::string ThemeLabel(TBelModule& module, int lang, int16_t tag) {
    const int theme = DecodeWordTag(kUndefinedKind, tag).theme;
    if (theme == 0) return {};
    const Value label = module.tblTheme().IndexLookup("NoInd", {Value(int32_t{theme})},
                                                      lang == 1 ? "BelAbbr" : "RusAbbr");
    return label.IsNull() ? std::string() : label.AsString();
}

}  // namespace kunimor
