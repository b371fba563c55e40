#include "import/FormDescriptions.h"

#include "ground/Language.h"
#include "dictionary/Schema.h"
#include "morphology/WordKind.h"
#include "ground/Cp1251Literal.h"

#include <array>
#include <string>
#include <string_view>

namespace kunimor::import {

namespace {

using Names = std::array<std::string_view, 2>;  // Russian, Belarusian

const std::array<Names, 6> kCaseNames = {{
    {"Именительный падеж"_cp1251, "Назоўны склон"_cp1251},
    {"Родительный падеж"_cp1251, "Родны склон"_cp1251},
    {"Дательный падеж"_cp1251, "Давальны склон"_cp1251},
    {"Винительный падеж"_cp1251, "Вінавальны склон"_cp1251},
    {"Творительный падеж"_cp1251, "Творны склон"_cp1251},
    {"Предложный падеж"_cp1251, "Месны склон"_cp1251},
}};

// The Belarusian questions of cases 5 and 6 are written with a Latin i.
const std::array<Names, 6> kCaseQuestions = {{
    {"кто? что?"_cp1251, "хто? што?"_cp1251},
    {"кого? чего?"_cp1251, "каго? чаго?"_cp1251},
    {"кому? чему?"_cp1251, "каму? чаму?"_cp1251},
    {"кого? что?"_cp1251, "каго? што?"_cp1251},
    {"кем? чем?"_cp1251, "к" "i" "м? чым?"_cp1251},
    {"ком? чем?"_cp1251, "к" "i" "м? чым?"_cp1251},
}};

const std::array<Names, 2> kNumbers = {{
    {"единственное число"_cp1251, "адзіночны лік"_cp1251},
    {"множественное число"_cp1251, "множны лік"_cp1251},
}};

const std::array<Names, 4> kGenders = {{
    {"мужской род"_cp1251, "мужчынскі род"_cp1251},
    {"женский род"_cp1251, "жаночы род"_cp1251},
    {"средний род"_cp1251, "ніякі род"_cp1251},
    {"множественное число"_cp1251, "множны лік"_cp1251},
}};

const std::array<Names, 15> kVerbForms = {{
    {"Инфинитив"_cp1251, "Інфінітыў"_cp1251},
    {"1 лицо, единственное число"_cp1251, "1 асоба, адзіночны лік"_cp1251},
    {"1 лицо, множественное число"_cp1251, "1 асоба, множны лік"_cp1251},
    {"2 лицо, единственное число"_cp1251, "2 асоба, адзіночны лік"_cp1251},
    {"2 лицо, множественное число"_cp1251, "2 асоба, множны лік"_cp1251},
    {"3 лицо, единственное число"_cp1251, "3 асоба, адзіночны лік"_cp1251},
    {"3 лицо, множественное число"_cp1251, "3 асоба, множны лік"_cp1251},
    {"Деепричастие настоящего времени"_cp1251, "Дзеепрыслоўе цяперашняга часу"_cp1251},
    {"Прошедшее время, мужской род"_cp1251, "Прошлы час, мужчынскі род"_cp1251},
    {"Прошедшее время, женский род"_cp1251, "Прошлы час, жаночы род"_cp1251},
    {"Прошедшее время, средний род"_cp1251, "Прошлы час, ніякі род"_cp1251},
    {"Прошедшее время, множественное число"_cp1251, "Прошлы час, множны лік"_cp1251},
    {"Деепричастие прошедшего времени"_cp1251, "Дзеепрыслоўе прошлага часу"_cp1251},
    {"Повелительное наклонение, единственное число"_cp1251, "Загадны лад, адзіночны лік"_cp1251},
    {"Повелительное наклонение, множественное число"_cp1251, "Загадны лад, множны лік"_cp1251},
}};

const Names kCompoundPart = {"Первая часть сложного слова"_cp1251, "Першая частка складанага слова"_cp1251};
const Names kAdverb = {"Наречие"_cp1251, "Прыслоўе"_cp1251};
const Names kComparative = {"Сравнительная степень"_cp1251, "Вышэйшая ступень"_cp1251};
const Names kReflexive = {" (возвратная форма)"_cp1251, " (зваротная форма)"_cp1251};
const Names kUnchangeableForm = {"Неизменяемая форма"_cp1251, "Нязменная форма"_cp1251};
constexpr std::string_view kNoQuestion = " - ";

void AddRow(Table& t, int lang, int kind, int no, const std::string& info, std::string_view quest) {
    t.Insert();
    t.Set(WFormsField::Lang, Value(static_cast<int32_t>(lang)));
    t.Set(WFormsField::Kind, Value(static_cast<int32_t>(kind)));
    t.Set(WFormsField::No, Value(static_cast<int32_t>(no)));
    t.Set(WFormsField::Alt, Value(false));
    t.Set(WFormsField::Info, Value(info));
    t.Set(WFormsField::Quest, Value(quest));
    t.Post();
}

std::string Join(std::string_view a, std::string_view b) { return std::string(a) + ", " + std::string(b); }

}  // namespace

void AddFormDescriptions(Table& t) {
    for (int lang : {kRussian, kBelarusian}) {
        const size_t l = static_cast<size_t>(lang);
        for (int form = 1; form <= 12; ++form) {
            const size_t c = static_cast<size_t>((form - 1) % 6);
            AddRow(t, lang, kNoun, form, Join(kCaseNames[c][l], kNumbers[form > 6][l]), kCaseQuestions[c][l]);
        }
        AddRow(t, lang, kNoun, 13, std::string(kCompoundPart[l]), kNoQuestion);
        for (int form = 1; form <= 24; ++form) {
            const size_t c = static_cast<size_t>((form - 1) / 4), g = static_cast<size_t>((form - 1) % 4);
            AddRow(t, lang, kAdjective, form, Join(kCaseNames[c][l], kGenders[g][l]), kCaseQuestions[c][l]);
        }
        AddRow(t, lang, kAdjective, 25, std::string(kAdverb[l]), kNoQuestion);
        AddRow(t, lang, kAdjective, 26, std::string(kComparative[l]), kNoQuestion);
        for (int kind : {kPerfectiveVerb, kImperfectiveVerb}) {
            for (int form = 1; form <= 30; ++form) {
                std::string info(kVerbForms[static_cast<size_t>((form - 1) % 15)][l]);
                if (form > 15) info += kReflexive[l];
                AddRow(t, lang, kind, form, info, kNoQuestion);
            }
        }
        AddRow(t, lang, kUnchangeable, 1, std::string(kUnchangeableForm[l]), kNoQuestion);
    }
}

}  // namespace kunimor::import
