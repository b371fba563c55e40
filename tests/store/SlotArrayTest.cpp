#include "store/SlotArray.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace kunimor {
namespace {

using Strings = SlotArray<std::string, 2>;

// Long enough that std::string keeps it on the heap: a shallow copy shows.
std::string Value(std::size_t i) { return "value number " + std::to_string(i) + " that is not short"; }

Strings Filled(std::size_t n) {
    Strings a;
    a.resize(n);
    for (std::size_t i = 0; i < n; ++i) a[i] = Value(i);
    return a;
}

void ExpectFilled(const Strings& a, std::size_t n) {
    ASSERT_EQ(a.size(), n);
    for (std::size_t i = 0; i < n; ++i) EXPECT_EQ(a[i], Value(i)) << i;
}

// Empty, inside the record, exactly full, and one past: on the heap.
class SlotArraySizes : public ::testing::TestWithParam<std::size_t> {};

TEST_P(SlotArraySizes, CopiesAndMovesKeepEveryValue) {
    const std::size_t n = GetParam();
    Strings original = Filled(n);

    Strings copy(original);
    ExpectFilled(copy, n);
    if (n > 0) copy[0] = "changed";
    ExpectFilled(original, n);  // the copy owns its own values

    Strings moved(std::move(copy));
    ASSERT_EQ(moved.size(), n);
    if (n > 0) {
        EXPECT_EQ(moved[0], "changed");
    }

    // Assignment over an array of another size, in both directions.
    for (std::size_t other : {std::size_t{0}, std::size_t{1}, std::size_t{5}}) {
        Strings target = Filled(other);
        target = original;
        ExpectFilled(target, n);
        Strings into = Filled(other);
        into = Filled(n);
        ExpectFilled(into, n);
    }

    Strings& self = original;
    original = self;
    ExpectFilled(original, n);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SlotArraySizes, ::testing::Values(0, 1, 2, 3, 30));

TEST(SlotArray, AssignReplacesTheValues) {
    SlotArray<int, 4> ints;
    ints.assign(6, 7);
    ints.assign(3, 0);
    ASSERT_EQ(ints.size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) EXPECT_EQ(ints[i], 0);
}

}  // namespace
}  // namespace kunimor
