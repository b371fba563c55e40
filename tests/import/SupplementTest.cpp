#include "import/Supplement.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "ground/Error.h"
#include "morphology/WordKind.h"
#include "support/TempDir.h"
#include "support/Text.h"

namespace {

using kunimor::import::ReadSupplement;
using kunimor::import::TSupplementEntry;

std::string WriteFile(const TempDir& dir, const std::string& text) {
    const std::string path = dir.File("supplement.tsv");
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

TEST(SupplementTest, ReadsRowsSkippingCommentsAndBlankLines) {
    TempDir dir;
    const auto entries = ReadSupplement(WriteFile(dir,
        "# Russian\tBelarusian\tpart of speech\tpriority\tcomment\n"
        "\n"
        "делать\tрабіць\tverb-imperf\t0\tno cognate\n"
        "понять\tзразумець\tverb-perf\t1\r\n"
        "всё\tусё\tfunc\t0\n"
        "ёлка\tёлка\tnoun\t2\n"
        "красивый\tпрыгожы\tadj\t0\n"
        "сейчас\tзараз\tadv\t3\n"
        "потому что\tтаму што\tfunc\t0\n"
        "нажать (нажму)\tнаціснуць\tverb-perf\t0\n"));
    ASSERT_EQ(entries.size(), 8u);
    const auto expect = [&](std::size_t i, const char* ru, const char* be, int kind, int priority) {
        EXPECT_EQ(U(entries[i].Ru), ru) << i;
        EXPECT_EQ(U(entries[i].Be), be) << i;
        EXPECT_EQ(entries[i].Kind, kind) << i;
        EXPECT_EQ(entries[i].Priority, priority) << i;
    };
    expect(0, "делать", "рабіць", kunimor::kImperfectiveVerb, 0);
    expect(1, "понять", "зразумець", kunimor::kPerfectiveVerb, 1);
    expect(2, "все", "усё", kunimor::kUnchangeable, 0);  // Russian ё is written е, Belarusian keeps it
    expect(3, "елка", "ёлка", kunimor::kNoun, 2);
    expect(4, "красивый", "прыгожы", kunimor::kAdjective, 0);
    expect(5, "сейчас", "зараз", kunimor::kUnchangeable, 3);
    expect(6, "потому что", "таму што", kunimor::kUnchangeable, 0);
    expect(7, "нажать (нажму)", "націснуць", kunimor::kPerfectiveVerb, 0);  // a form that picks the homonym
    EXPECT_EQ(U(std::string(kunimor::import::SplitHomonymForm(entries[7].Ru).second)), "нажму");
    EXPECT_EQ(kunimor::import::SplitHomonymForm(entries[0].Ru).second, "");
}

TEST(SupplementTest, ADirectionRowMakesTheFileACoreList) {
    TempDir dir;
    const auto core = ReadSupplement(WriteFile(dir,
        "# core\n"
        "direction be-ru\n"
        "адказ\tадказ\tnoun\t0\n"
        "который\tякі\tpron\t0\n"));
    ASSERT_EQ(core.size(), 2u);
    EXPECT_EQ(core[1].Kind, kunimor::kUndefinedKind);  // a pronoun's kind comes from its declension
    const auto from = [](const TSupplementEntry& e) { return std::pair(e.CoreFrom[0], e.CoreFrom[1]); };
    EXPECT_EQ(from(core[0]), std::pair(false, true));
    EXPECT_EQ(from(ReadSupplement(WriteFile(dir, "direction ru-be\nадказ\tадказ\tnoun\t0\n"))[0]), std::pair(true, false));
    EXPECT_EQ(from(ReadSupplement(WriteFile(dir, "direction both\nадказ\tадказ\tnoun\t0\n"))[0]), std::pair(true, true));
    EXPECT_EQ(from(ReadSupplement(WriteFile(dir, "адказ\tадказ\tnoun\t0\n"))[0]), std::pair(false, false));
}

TEST(SupplementTest, BadRowsNameFileAndLine) {
    struct TCase {
        const char* Rows;  // after a comment line, so the first row is line 2
        const char* Where;
        const char* Says;
    };
    const TCase cases[] = {
        {"делать\tрабіць\tverb-imperf", ":2: ", "expected Russian, Belarusian"},
        {"делать\tрабіць\tverb-imperf\t0\tcomment\textra", ":2: ", "expected Russian, Belarusian"},
        {"делать\tрабіць\tverb\t0", ":2: ", "unknown part of speech"},
        {"делать\tрабіць\tverb-imperf\t4", ":2: ", "priority must be 0 to 3"},
        {"делать\tрабіць\tverb-imperf\t", ":2: ", "priority must be 0 to 3"},
        {"делать\tробиць\tverb-imperf\t0", ":2: ", "not a lower-case Belarusian word"},  // Russian и
        {"дiлать\tрабіць\tverb-imperf\t0", ":2: ", "not a lower-case Russian word"},     // Belarusian і
        {"Делать\tрабіць\tverb-imperf\t0", ":2: ", "not a lower-case Russian word"},
        {"\tрабіць\tverb-imperf\t0", ":2: ", "not a lower-case Russian word"},
        {"делать\tрабіць \tverb-imperf\t0", ":2: ", "not a lower-case Belarusian word"},
        {"нажать (нажму\tнаціснуць\tverb-perf\t0", ":2: ", "not a lower-case Russian word"},
        {"нажать (nazhmu)\tнаціснуць\tverb-perf\t0", ":2: ", "not a lower-case Russian word"},
        {"делать\tрабі\xd2\xb1\tverb-imperf\t0", ":2: ", "not UTF-8 text in Windows-1251 letters"},  // ұ
        {"делать\tрабіць\tverb-imperf\t0\n\nделать\tрабіць\tverb-imperf\t1", ":4: ", "pair listed twice"},
        {"direction ru-ru", ":2: ", "expected \"direction ru-be\", \"direction be-ru\" or \"direction both\""},
        {"direction\tru-be", ":2: ", "expected \"direction ru-be\""},
        {"делать\tрабіць\tverb-imperf\t0\ndirection ru-be", ":3: ", "the direction row must come before"},
        {"direction ru-be\ndirection be-ru", ":3: ", "the direction row must come before"},
    };
    for (const TCase& c : cases) {
        TempDir dir;
        const std::string path = WriteFile(dir, std::string("# header\n") + c.Rows + "\n");
        try {
            ReadSupplement(path);
            ADD_FAILURE() << "accepted: " << c.Rows;
        } catch (const kunimor::Error& error) {
            const std::string message = error.what();
            EXPECT_NE(message.find(path + c.Where), std::string::npos) << message;
            EXPECT_NE(message.find(c.Says), std::string::npos) << message;
        }
    }
}

TEST(SupplementTest, MissingFileIsAnError) {
    TempDir dir;
    EXPECT_THROW(ReadSupplement(dir.File("absent.tsv")), kunimor::Error);
}

// The curated files of the repository must stay readable: a typo there would
// stop the whole import.
TEST(SupplementTest, RepositorySupplementReads) {
    const std::filesystem::path folder = std::filesystem::path(KUNIMOR_FIXTURES_DIR) / ".." / ".." / "data" / "supplement";
    int files = 0, verbs = 0;
    for (const auto& file : std::filesystem::directory_iterator(folder)) {
        if (file.path().extension() != ".tsv") continue;
        ++files;
        for (const TSupplementEntry& entry : ReadSupplement(file.path().string())) verbs += kunimor::IsVerb(entry.Kind);
    }
    EXPECT_GT(files, 0);
    EXPECT_GT(verbs, 0);
}

}  // namespace
