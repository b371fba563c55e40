#include "import/Lexemes.h"

#include "ground/Language.h"
#include "morphology/WordKind.h"
#include "support/Text.h"

#include <gtest/gtest.h>

#include <vector>

using namespace kunimor;
using namespace kunimor::import;

namespace {

struct FormCase {
    const char* Rule;
    int Lang;
    std::vector<std::pair<const char*, const char*>> Entries;  // analysis, surface (UTF-8)
    int Form;
    bool Alt;
    const char* Expected;  // UTF-8; "" for no form
};

// The generators' faults the form table mends, each on the entries that show it.
const FormCase kRepairs[] = {
    {"a consonant three times running", kBelarusian,
     {{"умывацца<vblex><impf><inf>", "умывацца"}, {"умывацца<vblex><impf><pres><p3><sg>", "умываеццца"}}, 6, false,
     "умываецца"},
    {"two participle endings glued together", kRussian,
     {{"загрузить<vblex><perf><tv><pp><pasv><m><an><sg><nom>", "загружённыйенный"},
      {"загрузить<vblex><perf><tv><pp><pasv><m><an><sg><gen>", "загружённыйенного"}},
     5, false, "загруженного"},
    {"a relative adjective's adverb in -ски", kRussian,
     {{"циклический<adj><m><an><sg><nom>", "циклический"}, {"циклический<adj><cmp>", "циклическо"}}, 25, false,
     "циклически"},
    {"a relative adjective has no short form", kRussian,
     {{"детский<adj><m><an><sg><nom>", "детский"}, {"детский<adj><short><nt><sg>", "детско"}}, 3, true, ""},
    {"a quality in -оский keeps its adverb", kRussian,
     {{"плоский<adj><m><an><sg><nom>", "плоский"}, {"плоский<adj><cmp>", "плоско"}}, 25, false, "плоско"},
    {"a short form cut inside the stem is built again", kRussian,
     {{"высокий<adj><sint><m><an><sg><nom>", "высокий"}, {"высокий<adj><sint><short><m><sg>", "вы"}}, 1, true,
     "высок"},
    {"the same for the plural, with и after к", kRussian,
     {{"высокий<adj><sint><m><an><sg><nom>", "высокий"}, {"высокий<adj><sint><short><mfn><pl>", "выи"}}, 4, true,
     "высоки"},
    {"the same for the adverb", kRussian,
     {{"высокий<adj><sint><m><an><sg><nom>", "высокий"}, {"высокий<adj><sint><cmp>", "выо"}}, 25, false, "высоко"},
    {"a short form that changes the stem's end stays", kRussian,
     {{"достойный<adj><m><an><sg><nom>", "достойный"}, {"достойный<adj><short><m><sg>", "достоин"}}, 1, true,
     "достоин"},
    {"a Belarusian participle's short feminine", kBelarusian,
     {{"выдаліць<vblex><perf><pp><pasv><m><an><sg><nom>", "выдалены"},
      {"выдаліць<vblex><perf><pp><pasv><nt><an><sg><nom>", "выдаленае"}},
     2, true, "выдалена"},
    {"one н in the participle of a -ваць verb", kBelarusian,
     {{"выкарыстоўваць<vblex><impf><pp><pasv><m><an><sg><nom>", "выкарыстоўванны"},
      {"выкарыстоўваць<vblex><impf><pp><pasv><nt><an><sg><nom>", "выкарыстоўваннае"}},
     3, true, "выкарыстоўвана"},
    {"and its short plural", kBelarusian,
     {{"выдаліць<vblex><perf><pp><pasv><m><an><sg><nom>", "выдалены"},
      {"выдаліць<vblex><perf><pp><pasv><nt><an><sg><nom>", "выдаленае"}},
     4, true, "выдалены"},
};

TEST(FormTableRepairs, MendTheGeneratorsFaults) {
    for (const FormCase& c : kRepairs) {
        SCOPED_TRACE(c.Rule);
        TImportReport report;
        TLexemeCollector collector(c.Lang, report);
        for (const auto& [analysis, surface] : c.Entries) collector.Add(analysis, surface);
        ASSERT_EQ(collector.Lexemes().size(), 1u);
        const TFormTable table = FormTableOf(c.Lang, collector.Lexemes()[0], report);
        const auto& [main, alt] = table[static_cast<size_t>(c.Form - 1)];
        EXPECT_EQ(U(c.Alt ? alt : main), c.Expected);
    }
}

// The data's first homonym is the common sense (нажать¹ нажму "press",
// нажать² нажну "reap"); it comes first whatever order the data lists them in.
TEST(FormTableRepairs, HomonymsComeInTheOrderOfTheirMarks) {
    TImportReport report;
    TLexemeCollector collector(kRussian, report);
    collector.Add("читать<vblex><impf><tv><inf>", "читать");
    collector.Add("нажать²<vblex><perf><tv><fut><p1><sg>", "нажну");
    collector.Add("дом<n><m><nn><sg><nom>", "дом");
    collector.Add("нажать¹<vblex><perf><tv><fut><p1><sg>", "нажму");
    const std::vector<TLexeme>& words = collector.Lexemes();
    ASSERT_EQ(words.size(), 4u);
    EXPECT_EQ(U(words[0].Lemma), "читать");
    EXPECT_EQ(U(words[1].Forms.at(0).Text), "нажму");
    EXPECT_EQ(U(words[2].Lemma), "дом");
    EXPECT_EQ(U(words[3].Forms.at(0).Text), "нажну");
}

}  // namespace
