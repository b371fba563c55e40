#include "ground/LatinScript.h"

#include <gtest/gtest.h>

#include "support/Baltic.h"
#include "support/Text.h"

namespace kunimor {
namespace {

struct ScriptPair {
    const char* cyrillic;
    const char* latin;
};

void PrintTo(const ScriptPair& p, std::ostream* os) { *os << p.cyrillic << " / " << p.latin; }

// Both directions hold for every pair, so each is also a round trip.
class LatinScriptBothWays : public testing::TestWithParam<ScriptPair> {};

TEST_P(LatinScriptBothWays, ConvertsIntoTheLatinScript) {
    EXPECT_EQ(FromBaltic(CyrToLatinka(W(GetParam().cyrillic))), GetParam().latin);
}

TEST_P(LatinScriptBothWays, ConvertsBackIntoCyrillic) {
    EXPECT_EQ(U(LatinkaToCyr(Baltic(GetParam().latin))), GetParam().cyrillic);
}

INSTANTIATE_TEST_SUITE_P(
    SoftConsonantsAndL, LatinScriptBothWays,
    testing::Values(ScriptPair{"Беларусь", "Biełaruś"}, ScriptPair{"дзень", "dzień"}, ScriptPair{"цьма", "ćma"},
                    ScriptPair{"дзьмуць", "dźmuć"}, ScriptPair{"лось", "łoś"}, ScriptPair{"ліпа", "lipa"},
                    ScriptPair{"лён", "lon"}, ScriptPair{"люлька", "lulka"}, ScriptPair{"ляля", "lala"},
                    ScriptPair{"вясельле", "viasielle"}, ScriptPair{"Львоў", "Lvoŭ"}));

INSTANTIATE_TEST_SUITE_P(
    IotatedVowelsAndApostrophe, LatinScriptBothWays,
    testing::Values(ScriptPair{"Вялікі", "Vialiki"}, ScriptPair{"бяроза", "biaroza"},
                    ScriptPair{"яблык", "jabłyk"}, ScriptPair{"Еўропа", "Jeŭropa"}, ScriptPair{"маё", "majo"},
                    ScriptPair{"Кіеў", "Kijeŭ"}, ScriptPair{"сёньня", "siońnia"}, ScriptPair{"сям'я", "siamja"},
                    ScriptPair{"з'езд", "zjezd"}, ScriptPair{"п'еса", "pjesa"}, ScriptPair{"з'ісці", "z'isci"},
                    ScriptPair{"мільён", "miljon"}, ScriptPair{"Нью-Ёрк", "Ńju-Jork"}, ScriptPair{"Сьюзі", "Śjuzi"},
                    // "i" before a vowel is iotation only after a consonant
                    ScriptPair{"іод", "iod"}, ScriptPair{"Іаан", "Iaan"}, ScriptPair{"какаіо", "kakaio"},
                    ScriptPair{"(іон)", "(ion)"}, ScriptPair{"сьіо", "śio"}));

INSTANTIATE_TEST_SUITE_P(
    OtherLetters, LatinScriptBothWays,
    testing::Values(ScriptPair{"зграя", "zgraja"}, ScriptPair{"Гродна", "Hrodna"}, ScriptPair{"хата", "chata"},
                    ScriptPair{"ціхая", "cichaja"}, ScriptPair{"схованка", "schovanka"},
                    ScriptPair{"кадоўка", "kadoŭka"}, ScriptPair{"жыццё", "žyccio"}, ScriptPair{"чашка", "čaška"},
                    ScriptPair{"мой", "moj"}, ScriptPair{"край", "kraj"}));

INSTANTIATE_TEST_SUITE_P(
    Capitals, LatinScriptBothWays,
    testing::Values(ScriptPair{"Хата", "Chata"}, ScriptPair{"ХАТА", "CHATA"}, ScriptPair{"хАТА", "chATA"},
                    ScriptPair{"МІНСК", "MINSK"}, ScriptPair{"Мінск", "Minsk"}, ScriptPair{"Я", "Ja"},
                    ScriptPair{"ЖЫЦЦЁ", "ŽYCCIO"}, ScriptPair{"ЛЕС", "LES"}, ScriptPair{"Ле", "Le"},
                    ScriptPair{"ДЗЬМУЦЬ", "DŹMUĆ"}, ScriptPair{"ЛЬВОЎ", "LVOŬ"}));

INSTANTIATE_TEST_SUITE_P(
    Sentences, LatinScriptBothWays,
    testing::Values(ScriptPair{"Добры дзень, Беларусь!", "Dobry dzień, Biełaruś!"},
                    ScriptPair{"Я люблю маю краіну.", "Ja lublu maju krainu."},
                    ScriptPair{"Ён сказаў: \"Пойдзем!\"", "Jon skazaŭ: \"Pojdziem!\""},
                    ScriptPair{"Ці ведаеш ты, дзе сёння Янка?\r\n2009 год", "Ci viedaješ ty, dzie sionnia Janka?\r\n2009 hod"}));

// Texts the two conversions do not give back: what went into the Latin
// script and what came back from it.
struct OneWayCase {
    const char* why;
    const char* cyrillic;
    const char* latin;
    const char* back;
};

void PrintTo(const OneWayCase& c, std::ostream* os) { *os << c.why; }

class LatinScriptOneWay : public testing::TestWithParam<OneWayCase> {};

TEST_P(LatinScriptOneWay, ComesBackChanged) {
    const std::string latin = CyrToLatinka(W(GetParam().cyrillic));
    EXPECT_EQ(FromBaltic(latin), GetParam().latin);
    EXPECT_EQ(U(LatinkaToCyr(latin)), GetParam().back);
}

INSTANTIATE_TEST_SUITE_P(
    Irreversible, LatinScriptOneWay,
    testing::Values(
        OneWayCase{"й before a vowel reads as an iotated vowel", "йод", "jod", "ёд"},
        OneWayCase{"і before a vowel reads as an iotated vowel", "ціо", "cio", "цё"},
        OneWayCase{"ц before г reads as х", "цгі", "chi", "хі"},
        OneWayCase{"a soft sign after other consonants is an apostrophe", "бь", "b'", "б'"},
        OneWayCase{"a vowel taken along with the apostrophe stays lower case", "СЯМ'Я", "SIAMja", "СЯМ'я"},
        OneWayCase{"a vowel taken along with l gets the case of l", "лЕС", "leS", "леС"},
        OneWayCase{"Latin letters in Cyrillic text read as the Latin script", "Wi-Fi", "Wi-Fi", "Wі-Фі"}));

TEST(LatinScript, LeavesRussianLettersAsTheyAreAndBreaksWordsAtThem) {
    EXPECT_EQ(CyrToLatinka(W("щи")), W("щи"));
    // "И" is not a Belarusian letter, so each "Х" stands at a word's edge.
    EXPECT_EQ(CyrToLatinka(W("ХИХ")), "Ch" + W("И") + "Ch");
    EXPECT_EQ(FromBaltic(CyrToLatinka(W("ХЫХ"))), "CHYCH");
    // The same bytes read back as Latin letters ("щи" is "łč" in Windows-1257).
    EXPECT_EQ(U(LatinkaToCyr(CyrToLatinka(W("щи")))), "лч");
}

TEST(LatinScript, ReadsTheLatinScriptAloneByItsOwnRules) {
    const ScriptPair cases[] = {
        {"й", "j"},          // a j at the end of the text
        {"зйд", "zjd"},      // between consonants: no apostrophe
        {"з'езд", "z'jezd"},  // the apostrophe is no letter, so none is added before "е"
        {"п'", "p'"},
        {"Экран", "Ekran"},
        {"Ганак", "Ganak"},
        {"Wxq", "Wxq"},      // Latin letters the Cyrillic script lacks
    };
    for (const ScriptPair& c : cases) EXPECT_EQ(U(LatinkaToCyr(Baltic(c.latin))), c.cyrillic) << c.latin;
    // Windows-1257 letters outside the script (ą, ė) keep their bytes.
    EXPECT_EQ(LatinkaToCyr("\xE0\xEB"), "\xE0\xEB");
}

TEST(LatinkaRefs, EncodeWritesEachSpecialLetterAsItsReference) {
    EXPECT_EQ(EncodeLatinkaRefs(Baltic("kadoŭka")), "kado&#365;ka");
    EXPECT_EQ(EncodeLatinkaRefs(Baltic("ŽžŹźŁłŃńŚśŬŭĆćČčŠš")),
              "&#381;&#382;&#377;&#378;&#321;&#322;&#323;&#324;&#346;&#347;"
              "&#364;&#365;&#262;&#263;&#268;&#269;&#352;&#353;");
    EXPECT_EQ(EncodeLatinkaRefs("plain & simple\r\n"), "plain & simple\r\n");
}

TEST(LatinkaRefs, DecodeUndoesEncodeForEveryLetter) {
    const std::string letters = Baltic("ŽžŹźŁłŃńŚśŬŭĆćČčŠš");
    EXPECT_EQ(DecodeLatinkaRefs(EncodeLatinkaRefs(letters)), letters);
}

TEST(LatinkaRefs, DecodeReadsBothCodePointsOfUAndBrokenReferences) {
    const ScriptPair cases[] = {
        {"kado&#365;ka", "kadoŭka"},
        {"kado&#363;ka", "kadoŭka"},  // ū's own code point
        {"&#364;&#362;", "ŬŬ"},
        {"kado&#\r\n365;ka", "kadoŭka"},  // a line break after "&#"
        {"kado&#\r365;ka", "kadoŭka"},
        {"kado&#\n365;ka", "kadoŭka"},
    };
    for (const ScriptPair& c : cases) EXPECT_EQ(FromBaltic(DecodeLatinkaRefs(c.cyrillic)), c.latin) << c.cyrillic;
}

TEST(LatinkaRefs, DecodeKeepsLineBreaksAndWhatIsNoReference) {
    const char* unchanged[] = {
        "a\r\nb\rc\nd",   // line breaks stay as they are
        "&#1025;",        // not a letter of the script
        "&#0365; &#365",  // a leading zero, a missing semicolon
        "&#\r\n\r\n365;",  // only one line break may split a reference
        "&&#",
    };
    for (const char* text : unchanged) EXPECT_EQ(DecodeLatinkaRefs(text), text) << text;
}

}  // namespace
}  // namespace kunimor
