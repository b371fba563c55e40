#include "import/AttTransducer.h"

#include "ground/Error.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>

using kunimor::import::ForEachAttEntry;

namespace {

using Entries = std::set<std::pair<std::string, std::string>>;

Entries EntriesOf(const std::string& att, int* skipped = nullptr) {
    Entries entries;
    const int n = ForEachAttEntry(att, [&](std::string_view in, std::string_view out) {
        entries.emplace(std::string(in), std::string(out));
    });
    if (skipped) *skipped = n;
    return entries;
}

}  // namespace

TEST(AttTransducer, GivesEveryPathToAFinalStateOfEverySection) {
    // Section 1: "ab<n>" -> "ab" and "a<v>" -> "a b" (epsilons and spaces);
    // section 2 numbers its states afresh.
    const std::string att =
        "0\t1\ta\ta\t0.0\n"
        "1\t2\tb\tb\t0.0\n"
        "2\t3\t<n>\t@0@\t0.0\n"
        "1\t4\t<v>\t@_SPACE_@\t0.0\n"
        "4\t5\t@0@\tb\t0.0\n"
        "3\t0.0\n"
        "5\n"
        "--\n"
        "0\t1\tc\td\t0.0\n"
        "1\t0.0\n";
    EXPECT_EQ(EntriesOf(att), (Entries{{"ab<n>", "ab"}, {"a<v>", "a b"}, {"c", "d"}}));
}

TEST(AttTransducer, SkipsStatesOnCycles) {
    // 0 -x-> 1 -y-> 2 (final) and a loop 1 -z-> 3 -z-> 1 that would repeat forever.
    const std::string att =
        "0\t1\tx\tx\t0.0\n"
        "1\t2\ty\ty\t0.0\n"
        "1\t3\tz\tz\t0.0\n"
        "3\t1\tz\tz\t0.0\n"
        "2\t0.0\n";
    int skipped = 0;
    // State 1 lies on the cycle, so nothing through it survives.
    EXPECT_TRUE(EntriesOf(att, &skipped).empty());
    EXPECT_EQ(skipped, 2);
    const std::string selfLoop =
        "0\t1\tx\tx\t0.0\n"
        "0\t2\t1\t1\t0.0\n"
        "2\t2\t1\t1\t0.0\n"
        "1\t0.0\n"
        "2\t0.0\n";
    EXPECT_EQ(EntriesOf(selfLoop, &skipped), (Entries{{"x", "x"}}));
    EXPECT_EQ(skipped, 1);
}

TEST(AttTransducer, RejectsLinesThatAreNeitherArcsNorFinalStates) {
    EXPECT_THROW(EntriesOf("0\t1\ta\n"), kunimor::Error);
    EXPECT_THROW(EntriesOf("zero\t0.0\n"), kunimor::Error);
}

// Inputs from outside that once cost memory or time out of all proportion to
// their size, or broke on an overflow; each must be read in a moment.
TEST(AttTransducer, ReadsHostileInputInTimeAndMemoryOfItsSize) {
    struct Case {
        const char* why;
        std::string att;
        Entries entries;
    };
    const Case cases[] = {
        {"a huge state number grows nothing", "0\t277777777\ta\tb\n277777777\n", {{"a", "b"}}},
        {"the largest state number does not overflow", "0\t2147483647\ta\tb\n2147483647\n", {{"a", "b"}}},
        {"a final state alone, not the start", "9999999\n", {}},
        {"the start state named after others", "5\t6\tb\tb\n0\t5\ta\ta\n6\n", {{"ab", "ab"}}},
    };
    for (const Case& c : cases) EXPECT_EQ(EntriesOf(c.att), c.entries) << c.why;
    EXPECT_THROW(EntriesOf("0\t2147483648\ta\tb\n"), kunimor::Error) << "a state number past int";

    // A chain of 40 double arcs with no final state has 2^40 paths and no entry.
    std::string diamonds;
    for (int i = 0; i < 40; ++i)
        for (const char* symbol : {"a", "b"})
            diamonds += std::to_string(i) + "\t" + std::to_string(i + 1) + "\t" + symbol + "\t" + symbol + "\n";
    EXPECT_TRUE(EntriesOf(diamonds).empty());
}
