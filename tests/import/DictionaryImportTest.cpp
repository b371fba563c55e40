#include "import/DictionaryImport.h"

#include "dictionary/BelModule.h"
#include "ground/Error.h"
#include "ground/Language.h"
#include "dictionary/Schema.h"
#include "dictionary/StemSeeker.h"
#include "support/TempDir.h"
#include "support/Text.h"
#include "translator/ElementList.h"
#include "translator/TranslateText.h"
#include "ground/Alphabet.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

using namespace kunimor;
using namespace kunimor::import;

namespace {

// One symbol per UTF-8 character, a tag <...> as one symbol.
std::vector<std::string> Symbols(const std::string& s) {
    std::vector<std::string> out;
    for (size_t i = 0; i < s.size();) {
        size_t n = 1;
        if (s[i] == '<') n = s.find('>', i) - i + 1;
        else if ((s[i] & 0xE0) == 0xC0) n = 2;
        else if ((s[i] & 0xF0) == 0xE0) n = 3;
        out.push_back(s.substr(i, n));
        i += n;
    }
    return out;
}

// A transducer in ATT text holding exactly these (input, output) entries,
// each as its own chain of states.
void WriteAtt(const std::filesystem::path& file, const std::vector<std::pair<std::string, std::string>>& entries) {
    std::ofstream out(file);
    int next = 1;
    for (const auto& [in, outText] : entries) {
        const auto a = Symbols(in), b = Symbols(outText);
        const size_t n = std::max(a.size(), b.size());
        int from = 0;
        for (size_t k = 0; k < n; ++k) {
            const int to = next++;
            out << from << '\t' << to << '\t' << (k < a.size() ? a[k] : "@0@") << '\t'
                << (k < b.size() ? b[k] : "@0@") << "\t0.0\n";
            from = to;
        }
        out << from << "\t0.0\n";
    }
}

class DictionaryImportTest : public ::testing::Test {
protected:
    void SetUp() override {
        source = dir.Path() / "source";
        std::filesystem::create_directories(source);
        WriteAtt(source / "rus-bel.autogen.att",
                 {{"кніга<n><f><nn><sg><nom>", "кніга"}, {"кніга<n><f><nn><sg><gen>", "кнігі"},
                  {"кніга<n><f><nn><sg><dat>", "кнізе"}, {"кніга<n><f><nn><pl><nom>", "кнігі"},
                  {"лес<n><m><nn><sg><nom>", "лес"}, {"лес<n><m><nn><sg><loc>", "лесе"},
                  {"чытаць<vblex><impf><inf>", "чытаць"}, {"чытаць<vblex><impf><pres><p3><sg>", "чытае"},
                  {"чытаць<vblex><impf><past><m><sg>", "чытаў"}, {"чытаць<vblex><impf><imp><p1><pl>", "чытаем"},
                  {"чытацца<vblex><impf><inf>", "чытацца"}, {"чытацца<vblex><impf><pres><p3><sg>", "чытаецца"},
                  {"еканне<n><nt><nn><sg><nom>", "еканне"}, {"еканне<n><nt><nn><sg><loc>", "еканнi"},
                  {"адказ<n><m><nn><sg><nom>", "адказ"}, {"надлом<n><m><nn><sg><nom>", "надлом"},
                  {"рашэнне<n><nt><nn><sg><nom>", "рашэнне"}});
        WriteAtt(source / "bel-rus.autogen.att",
                 {{"книга<n><f><nn><sg><nom>", "книга"}, {"книга<n><f><nn><sg><gen>", "книги"},
                  {"книга<n><f><nn><sg><dat>", "книгу"}, {"книга<n><f><nn><sg><acc>", "книгу"},
                  {"книга<n><f><nn><sg><prp>", "книге"}, {"книга<n><f><nn><pl><nom>", "книги"},
                  {"лес<n><m><nn><sg><nom>", "лес"},
                  {"лес<n><m><nn><sg><prp>", "лесе"}, {"лес<n><m><nn><sg><loc>", "лесу"},
                  {"читать<vblex><impf><tv><inf>", "читать"}, {"читать<vblex><impf><iv><inf>", "читать"},
                  {"читать<vblex><impf><tv><pres><p3><sg>", "читает"},
                  {"читать<vblex><impf><tv><past><m><sg>", "читал"},
                  {"читать<vblex><impf><tv><inf><pass>", "читаться"},
                  {"читать<vblex><impf><tv><pprs><actv><m><an><sg><nom>", "читающий"},
                  {"читать<vblex><impf><tv><pprs><actv><pass><m><an><sg><nom>", "читающийся"},
                  {"идти<vblex><impf><iv><inf>", "идти"}, {"идти<vblex><impf><iv><past><m><sg>", "шёл"},
                  {"ответ<n><m><nn><sg><nom>", "ответ"}, {"решение<n><nt><nn><sg><nom>", "решение"}});
        WriteAtt(source / "bel-rus.autobil.att",
                 {{"кніга<n><f>", "книга<n><f>"}, {"чытаць<vblex><impf>", "читать<vblex><impf>"},
                  {"адказ<n><m>", "ответ<n><m>"}, {"рашэнне<n><nt>", "ответ<n><m>"}});
        // The open data's order is upside down: ответ → надлом is listed, адказ only the other way.
        WriteAtt(source / "rus-bel.autobil.att", {{"книга<n><f>", "кніга<n><f>"}, {"ответ<n><m>", "надлом<n><m>"},
                                                  {"ответ<n><m>", "рашэнне<n><nt>"}, {"решение<n><nt>", "рашэнне<n><nt>"}});
        std::ofstream(dir.Path() / "supplement.tsv") << "# Russian\tBelarusian\tpart of speech\tpriority\n"
                                                        "лес\tлес\tnoun\t0\n"
                                                        "это\tгэта\tfunc\t0\n";
        options.SourceDir = source;
        options.OutDir = dir.Path() / "data";
        options.SupplementFile = dir.Path() / "supplement.tsv";
    }

    // The translation of a text by the dictionary imported into options.OutDir.
    std::string Translate(TBelModule& m, int from, const char* text) {
        std::string output;
        TTranslateCallbacks callbacks;
        callbacks.OutputProc = [&](int) { output += OutText; };
        m.SetDirection(from);
        SetAlphabet(from);
        TranslateText(m, W(text), callbacks);
        FreeElements(ElementList, -1);
        m.SetDirection(kRussian);
        SetAlphabet(kRussian);
        return U(output);
    }

    // The Trans tag of the link between the words with these dictionary forms.
    int LinkTag(TBelModule& m, const std::string& ru, const std::string& be) {
        const auto word = [&](int lang, const std::string& lemma) {
            int32_t no = 0;
            m.SetDirection(lang);
            SeekWord(m, W(lemma), [&](const TWordFormArgs& a) { if (a.Form == 1 && no == 0) no = a.No; });
            return no;
        };
        const int32_t r = word(kRussian, ru), b = word(kBelarusian, be);
        Table& t = m.tblTrans();
        for (t.First(); !t.Eof(); t.Next())
            if (t.GetInt(TransField::RusNo) == r && t.GetInt(TransField::BelNo) == b) return t.GetInt(TransField::Tag);
        return -1;
    }

    // What stem seeking finds for surface (UTF-8): form * 2 + alternative,
    // one entry a reading.
    static std::vector<int> FormsFound(TBelModule& m, int lang, const char* surface) {
        std::vector<int> found;
        m.SetDirection(lang);
        SeekWord(m, W(surface), [&](const TWordFormArgs& a) { found.push_back(a.Form * 2 + a.Alt); });
        return found;
    }

    TempDir dir;
    std::filesystem::path source;
    TImportOptions options;
    std::ostringstream log;
};

}  // namespace

TEST_F(DictionaryImportTest, BuildsADictionaryTheTranslatorOpens) {
    const TImportReport report = ImportDictionary(options, log);
    TBelModule m;
    ASSERT_TRUE(m.OpenDictionary(options.OutDir.string() + "/"));  // the special words are there

    // Every form of every word (the data's and the special words') was found back by stem seeking.
    for (const std::string language : {"Russian", "Belarusian"}) {
        EXPECT_EQ(report.Get("failed", language + " form not found back by stem seeking"), 0);
        EXPECT_GT(report.Get("taken", language + " forms"), 0);
        EXPECT_GE(report.Get("checked", language + " forms found back by stem seeking"),
                  report.Get("taken", language + " forms"));
    }
    EXPECT_EQ(report.Get("dropped", "form: participle"), 1);  // of the reflexive half: читающийся
    EXPECT_EQ(report.Get("dropped", "form: imperative of the 1st or 3rd person"), 1);
    EXPECT_EQ(report.Get("taken", "Russian words: suppletive forms as a word of the same lemma"), 1);  // шёл
}

TEST_F(DictionaryImportTest, RepairsTheKnownFaultsOfTheData) {
    const TImportReport report = ImportDictionary(options, log);
    EXPECT_EQ(report.Get("repaired", "Russian -ка/-га/-ха noun: dative singular equal to the accusative"), 1);
    EXPECT_EQ(report.Get("repaired", "Latin letters in a Belarusian word"), 1);
    TBelModule m;
    ASSERT_TRUE(m.OpenDictionary(options.OutDir.string() + "/"));
    const auto forms = [&](int lang, const char* surface) { return FormsFound(m, lang, surface); };
    EXPECT_EQ(forms(kRussian, "книгу"), std::vector<int>{4 * 2});                    // accusative only
    EXPECT_EQ(forms(kRussian, "книге"), (std::vector<int>{3 * 2, 6 * 2}));           // dative, prepositional
    EXPECT_EQ(forms(kRussian, "лесу"), std::vector<int>{6 * 2 + 1});                 // second locative
    EXPECT_EQ(forms(kRussian, "читаться"), std::vector<int>{16 * 2});                // reflexive twin
    EXPECT_EQ(forms(kRussian, "шел"), std::vector<int>{9 * 2});                     // suppletive, a word of its own
    EXPECT_EQ(forms(kBelarusian, "еканні"), std::vector<int>{6 * 2});
}

TEST_F(DictionaryImportTest, LinksGetTheBetterPriorityOnlyInTheDirectionsThatListThem) {
    ImportDictionary(options, log);
    TBelModule m;
    ASSERT_TRUE(m.OpenDictionary(options.OutDir.string() + "/"));
    // Bits 0-1: priority into Russian, 2-3: into Belarusian, 4-7: correspondence flags.
    EXPECT_EQ(LinkTag(m, "книга", "кніга") & 15, 1 | 1 << 2);
    EXPECT_EQ(LinkTag(m, "книга", "кніга") >> 4, 1 | 2);  // singular and plural match
    EXPECT_EQ(LinkTag(m, "читать", "чытаць") & 15, 1 | 2 << 2);  // listed only Belarusian → Russian
    EXPECT_EQ(LinkTag(m, "лес", "лес") & 15, 0);  // the supplement's priority 0 both ways
    // function words neither generator has come in as the supplement writes them
    EXPECT_EQ(LinkTag(m, "это", "гэта") & 15, 0);
    // Russian keeps читаться in читать's second half, Belarusian has чытацца of its own.
    EXPECT_EQ(LinkTag(m, "читать", "чытаць") >> 4, 1);
    EXPECT_EQ(LinkTag(m, "читать", "чытацца") & 15, 1 | 2 << 2);
    EXPECT_EQ(LinkTag(m, "читать", "чытацца") >> 4, 4);  // Belarusian first half to Russian second
}

TEST_F(DictionaryImportTest, TheCoreVocabularyOutranksTheOpenDataInItsDirectionOnly) {
    const std::filesystem::path folder = dir.Path() / "supplement";
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(dir.Path() / "supplement.tsv", folder / "other.tsv");
    std::ofstream(folder / "core-ru-be.tsv") << "direction ru-be\n"
                                                "ответ\tадказ\tnoun\t0\n"
                                                "ответ\tрашэнне\tnoun\t3\tnot this sense\n";
    std::ofstream(folder / "core-be-ru.tsv") << "direction be-ru\n"
                                                "решение\tрашэнне\tnoun\t0\n";
    options.SupplementFile = folder;
    const TImportReport report = ImportDictionary(options, log);
    EXPECT_EQ(report.Get("taken", "pairs from the core vocabulary"), 3);
    TBelModule m;
    ASSERT_TRUE(m.OpenDictionary(options.OutDir.string() + "/"));
    const auto priorities = [&](const char* ru, const char* be) {
        const int tag = LinkTag(m, ru, be);
        return tag < 0 ? std::pair(-1, -1) : std::pair(tag & 3, tag >> 2 & 3);  // into Russian, into Belarusian
    };
    struct TCase {
        const char *Ru, *Be;
        std::pair<int, int> Priorities;
    } const cases[] = {
        {"ответ", "адказ", {1, 0}},    // the core's choice into Belarusian; Russian keeps the open data's 1
        {"ответ", "надлом", {2, 2}},   // listed by the open data, fallen behind the core's
        {"ответ", "рашэнне", {2, 3}},  // the core drops this sense into Belarusian; рашэнне → ответ yields to решение
        {"решение", "рашэнне", {0, 1}},
        {"лес", "лес", {0, 0}},        // a plain supplement pair holds both ways
    };
    for (const TCase& c : cases) EXPECT_EQ(priorities(c.Ru, c.Be), c.Priorities) << c.Ru << " " << c.Be;
}

// Participles become adjective-kind words with their short forms, linked as their verbs are.
TEST_F(DictionaryImportTest, ParticiplesBecomeWordsLinkedAsTheirVerbs) {
    const auto declined = [](const std::string& analysis, const std::vector<std::pair<std::string, std::string>>& forms) {
        std::vector<std::pair<std::string, std::string>> out;
        for (const auto& [tags, form] : forms) out.push_back({analysis + tags, form});
        return out;
    };
    auto be = declined("выдаліць<vblex><perf><pp><pasv>",
                       {{"<m><an><sg><nom>", "выдалены"}, {"<f><an><sg><nom>", "выдаленая"},
                        {"<nt><an><sg><nom>", "выдаленае"}, {"<mfn><an><pl><nom>", "выдаленыя"},
                        {"<f><an><sg><gen>", "выдаленае"}, {"<f><an><sg><dat>", "выдаленай"}});
    const auto beImpf = declined("выкарыстоўваць<vblex><impf><pp><pasv>",
                                 {{"<m><an><sg><nom>", "выкарыстоўваны"}, {"<nt><an><sg><nom>", "выкарыстоўванае"}});
    be.insert(be.end(), beImpf.begin(), beImpf.end());
    be.push_back({"выдаліць<vblex><perf><inf>", "выдаліць"});
    be.push_back({"выкарыстоўваць<vblex><impf><inf>", "выкарыстоўваць"});
    auto ru = declined("удалить<vblex><perf><tv><pp><pasv>",
                       {{"<m><an><sg><nom>", "удалённый"}, {"<f><an><sg><nom>", "удалённая"},
                        {"<nt><an><sg><nom>", "удалённое"}, {"<mfn><an><pl><nom>", "удалённые"},
                        {"<short><m><sg>", "удалён"}, {"<short><nt><sg>", "удалено"}, {"<short><mfn><pl>", "удалены"}});
    const auto ruImpf = declined("использовать<vblex><impf><tv><pprs><pasv>",
                                 {{"<m><an><sg><nom>", "используемый"}, {"<nt><an><sg><nom>", "используемое"}});
    ru.insert(ru.end(), ruImpf.begin(), ruImpf.end());
    ru.push_back({"удалить<vblex><perf><tv><inf>", "удалить"});
    ru.push_back({"использовать<vblex><impf><tv><inf>", "использовать"});
    WriteAtt(source / "rus-bel.autogen.att", be);
    WriteAtt(source / "bel-rus.autogen.att", ru);
    const std::vector<std::pair<std::string, std::string>> pairs = {
        {"выдаліць<vblex><perf>", "удалить<vblex><perf>"},
        {"выкарыстоўваць<vblex><impf>", "использовать<vblex><impf>"}};
    WriteAtt(source / "bel-rus.autobil.att", pairs);
    std::vector<std::pair<std::string, std::string>> reversed;
    for (const auto& [b, r] : pairs) reversed.push_back({r, b});
    WriteAtt(source / "rus-bel.autobil.att", reversed);

    const TImportReport report = ImportDictionary(options, log);
    EXPECT_EQ(report.Get("failed", "Russian form not found back by stem seeking"), 0);
    EXPECT_EQ(report.Get("failed", "Belarusian form not found back by stem seeking"), 0);
    TBelModule m;
    ASSERT_TRUE(m.OpenDictionary(options.OutDir.string() + "/"));
    const auto forms = [&](int lang, const char* surface) { return FormsFound(m, lang, surface); };
    struct Case {
        int Lang;
        const char* Form;
        std::vector<int> Slots;  // form * 2 + alternative
    };
    const Case cases[] = {
        {kRussian, "удаленный", {1 * 2}},
        {kRussian, "удален", {1 * 2 + 1}},         // short forms: alternatives of the nominatives
        {kRussian, "удалено", {3 * 2 + 1}},
        {kRussian, "удалены", {4 * 2 + 1}},
        {kBelarusian, "выдалена", {2 * 2 + 1, 3 * 2 + 1}},  // the short forms the data lacks
        {kBelarusian, "выдалены", {1 * 2, 4 * 2 + 1}},
        {kBelarusian, "выдаленае", {3 * 2}},       // no longer the feminine genitive
        {kBelarusian, "выдаленай", {6 * 2, 10 * 2}},
    };
    for (const Case& c : cases) EXPECT_EQ(forms(c.Lang, c.Form), c.Slots) << c.Form;

    // Listed both ways like the verbs; the stand-in for a present passive only into Belarusian.
    EXPECT_EQ(LinkTag(m, "удаленный", "выдалены") & 15, 1 | 1 << 2);
    EXPECT_EQ(LinkTag(m, "используемый", "выкарыстоўваны") & 15, 3 | 1 << 2);
}

// Fixed phrases of the supplement become collocations and translate as one
// unit both ways, each word in the form the phrase writes it.
TEST_F(DictionaryImportTest, SupplementPhrasesTranslateAsOneUnit) {
    WriteAtt(source / "rus-bel.autogen.att",
             {{"па<pr>", "па"}, {"калі<cnjsub>", "калі"}, {"ласка<n><f><nn><sg><nom>", "ласка"},
              {"ласка<n><f><nn><sg><gen>", "ласкі"}, {"ён<prn><pers><p3><m><sg><nom>", "ён"},
              {"умаўчанне<n><nt><nn><sg><nom>", "умаўчанне"}, {"умаўчанне<n><nt><nn><sg><loc>", "умаўчанні"}});
    WriteAtt(source / "bel-rus.autogen.att",
             {{"по<pr>", "по"}, {"пожалуйста<adv>", "пожалуйста"}, {"умолчание<n><nt><nn><sg><nom>", "умолчание"},
              {"умолчание<n><nt><nn><sg><dat>", "умолчанию"}, {"если<cnjsub>", "если"}});
    WriteAtt(source / "bel-rus.autobil.att", {{"калі<cnjsub>", "если<cnjsub>"}, {"па<pr>", "по<pr>"}});
    WriteAtt(source / "rus-bel.autobil.att", {{"если<cnjsub>", "калі<cnjsub>"}, {"по<pr>", "па<pr>"}});
    std::ofstream(dir.Path() / "supplement.tsv") << "по умолчанию\tпа змаўчанні\tadv\t0\n"
                                                    "по умолчанию\tпа ўмаўчанні\tadv\t1\n"
                                                    "пожалуйста\tкалі ласка\tfunc\t0\n";
    const TImportReport report = ImportDictionary(options, log);
    EXPECT_EQ(report.Get("taken", "Russian phrases as collocations"), 1);
    EXPECT_EQ(report.Get("taken", "Belarusian phrases as collocations"), 3);
    EXPECT_EQ(report.Get("taken", "phrase words no generator has, as written"), 1);  // змаўчанні
    TBelModule m;
    ASSERT_TRUE(m.OpenDictionary(options.OutDir.string() + "/"));
    struct TCase {
        int From;
        const char *Source, *Translation;
    } const cases[] = {
        {kRussian, "по умолчанию", "па змаўчанні"},
        {kBelarusian, "па змаўчанні", "по умолчанию"},
        {kBelarusian, "па ўмаўчанні", "по умолчанию"},  // the word of умаўчанне, ў by euphony
        {kBelarusian, "калі ласка", "пожалуйста"},  // not калі → если
        {kRussian, "пожалуйста", "калі ласка"},
        {kBelarusian, "калі ён", "если ён"},         // калі alone keeps its own translation
    };
    for (const TCase& c : cases) EXPECT_EQ(Translate(m, c.From, c.Source), c.Translation) << c.Source;
}

// Two Russian verbs нажать (нажму: press; нажну: reap) share a dictionary
// form; the supplement names the one it means by a form.
TEST_F(DictionaryImportTest, AFormInBracketsPicksOneOfHomonyms) {
    WriteAtt(source / "rus-bel.autogen.att",
             {{"націснуць<vblex><perf><inf>", "націснуць"}, {"націснуць<vblex><perf><fut><p1><sg>", "націсну"}});
    WriteAtt(source / "bel-rus.autogen.att",
             {{"нажать¹<vblex><perf><tv><inf>", "нажать"}, {"нажать¹<vblex><perf><tv><fut><p1><sg>", "нажму"},
              {"нажать²<vblex><perf><tv><inf>", "нажать"}, {"нажать²<vblex><perf><tv><fut><p1><sg>", "нажну"}});
    WriteAtt(source / "bel-rus.autobil.att", {});
    WriteAtt(source / "rus-bel.autobil.att", {});
    std::ofstream(dir.Path() / "supplement.tsv") << "direction both\n"
                                                    "нажать (нажму)\tнаціснуць\tverb-perf\t0\n";
    ImportDictionary(options, log);
    TBelModule m;
    ASSERT_TRUE(m.OpenDictionary(options.OutDir.string() + "/"));
    EXPECT_EQ(Translate(m, kBelarusian, "націсну"), "нажму");
    EXPECT_EQ(Translate(m, kRussian, "нажму"), "націсну");
    EXPECT_EQ(Translate(m, kRussian, "нажну"), "нажну");  // no translation
}

TEST_F(DictionaryImportTest, AMissingSourceLeavesTheTargetAlone) {
    std::filesystem::remove(source / "bel-rus.autogen.att");
    std::filesystem::create_directories(options.OutDir);
    std::ofstream(options.OutDir / "keep.txt") << "x";
    EXPECT_THROW(ImportDictionary(options, log), Error);
    EXPECT_TRUE(std::filesystem::exists(options.OutDir / "keep.txt"));
    EXPECT_FALSE(std::filesystem::exists(options.OutDir / "WordsR.kmr"));
}
