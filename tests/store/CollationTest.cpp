#include "store/Collation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/Text.h"

namespace kunimor {
namespace {

// Checks that every neighbouring pair of the list is strictly ascending and
// that the order holds in the other direction as well.
void ExpectAscending(const std::vector<std::string>& words, Collation collation) {
    for (size_t i = 1; i < words.size(); ++i) {
        EXPECT_LT(CompareStrings(words[i - 1], words[i], collation), 0)
            << '"' << U(words[i - 1]) << "\" should sort before \"" << U(words[i]) << '"';
        EXPECT_GT(CompareStrings(words[i], words[i - 1], collation), 0)
            << '"' << U(words[i]) << "\" should sort after \"" << U(words[i - 1]) << '"';
    }
}

std::vector<std::string> Cp1251(std::initializer_list<const char*> utf8) {
    std::vector<std::string> out;
    for (const char* s : utf8) out.push_back(W(s));
    return out;
}

struct OrderCase {
    const char* what;
    std::vector<const char*> words;  // UTF-8, in the expected dictionary order
};

TEST(DictionaryCollation, OrdersWordsAlphabetically) {
    const OrderCase cases[] = {
        {"yo between ye and zhe", {"еж", "ель", "ёж", "ёлка", "жук"}},
        {"capital Yo between Ye and Zhe", {"Ель", "Ёлка", "Жук"}},
        {"short i between ze and i", {"зязюля", "ігла", "іней", "игра", "йод"}},
        {"capital short i between Ze and I", {"Зубр", "Іван", "Игорь"}},
        {"short u after u, before ef", {"тэкст", "улей", "ушы", "ўвага", "ўзор", "фабрыка"}},
        {"capital short u between Es and Te", {"Сава", "Сям'я", "Ўвага", "Тата", "Улада", "Фёдар"}},
        {"prefix sorts first", {"рук", "рука", "рукав", "рукаў", "руки"}},
        {"capitals before small letters", {"Ява", "Яма", "аб", "ява"}},
        {"Latin and ASCII in byte order, before Cyrillic", {"1", "A", "Zebra", "apple", "zoo", "~", "Аист"}},
        {"the whole small alphabet", {"а", "б", "в", "г", "д", "е", "ё", "ж", "з", "і", "и", "й", "к", "л", "м",
                                      "н", "о", "п", "р", "с", "т", "у", "ў", "ф", "х", "ц", "ч", "ш", "щ", "ъ",
                                      "ы", "ь", "э", "ю", "я"}},
        {"the whole capital alphabet", {"А", "Б", "В", "Г", "Д", "Е", "Ё", "Ж", "З", "І", "И", "Й", "К", "Л", "М",
                                        "Н", "О", "П", "Р", "С", "Ў", "Т", "У", "Ф", "Х", "Ц", "Ч", "Ш", "Щ", "Ъ",
                                        "Ы", "Ь", "Э", "Ю", "Я"}},
    };
    for (const OrderCase& c : cases) {
        SCOPED_TRACE(c.what);
        std::vector<std::string> words;
        for (const char* w : c.words) words.push_back(W(w));
        ExpectAscending(words, Collation::Dictionary);
    }
}

TEST(DictionaryCollation, PunctuationAndSignsKeepTheirOrderBelowTheLetters) {
    // Ј ¤ § © « ± ґ µ № » ї in byte order, all of them before А; Ё, І, Ў and ў,
    // whose bytes lie among them, move into the alphabet.
    ExpectAscending(Cp1251({"Ј", "¤", "§", "©", "«", "±", "ґ", "µ", "№", "»", "ї", "А", "Ё", "І", "Ў", "ў"}),
                    Collation::Dictionary);
    EXPECT_LT(CompareStrings(W("Ј"), W("ў"), Collation::Dictionary), 0);  // bytes 0xA3 and 0xA2
    EXPECT_LT(CompareStrings(W("ґ"), W("І"), Collation::Dictionary), 0);  // bytes 0xB4 and 0xB2
    EXPECT_LT(CompareStrings("\xA0", W("Ј"), Collation::Dictionary), 0);  // no-break space stays put
}

TEST(DictionaryCollation, EqualOnlyForIdenticalStrings) {
    EXPECT_EQ(CompareStrings(W("рука"), W("рука"), Collation::Dictionary), 0);
    EXPECT_EQ(CompareStrings("", "", Collation::Dictionary), 0);
    EXPECT_LT(CompareStrings("", W("а"), Collation::Dictionary), 0);
    EXPECT_NE(CompareStrings(W("Рука"), W("рука"), Collation::Dictionary), 0);
    EXPECT_NE(CompareStrings(W("ёж"), W("еж"), Collation::Dictionary), 0);
}

TEST(DictionaryNoCaseCollation, CaseVariantsCompareEqual) {
    const std::pair<const char*, const char*> pairs[] = {
        {"рука", "РУКА"}, {"ёлка", "ЁЛКА"},   {"іней", "ІНЕЙ"},   {"ўвага", "ЎВАГА"}, {"Яблык", "яБЛЫК"},
        {"apple", "APPLE"}, {"ѓђљњ", "ЃЂЉЊ"}, {"ќћџ", "ЌЋЏ"},
    };
    for (const auto& [small, capital] : pairs) {
        EXPECT_EQ(CompareStrings(W(small), W(capital), Collation::DictionaryNoCase), 0) << small;
        EXPECT_NE(CompareStrings(W(small), W(capital), Collation::Dictionary), 0) << small;
    }
}

TEST(DictionaryNoCaseCollation, OrdersRegardlessOfCase) {
    ExpectAscending(Cp1251({"Ежа", "ёлка", "ЖУК", "зубр", "Іней", "игра"}), Collation::DictionaryNoCase);
    ExpectAscending(Cp1251({"рук", "РУКА", "рукав"}), Collation::DictionaryNoCase);
    EXPECT_NE(CompareStrings(W("ёлка"), W("елка"), Collation::DictionaryNoCase), 0);
}

}  // namespace
}  // namespace kunimor
