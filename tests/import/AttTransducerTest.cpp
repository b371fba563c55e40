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
