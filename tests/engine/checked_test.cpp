#include "checked.h"
#include "location.h"

#include <climits>
#include <gtest/gtest.h>
#include <string>

using namespace tavrin;

namespace {

// The text of the engine error that `action` raises; "nothing raised" when
// it raises none.
template <typename Action> std::string ErrorText(Action action) {
    try {
        action();
    } catch (const ETavrinError& e) {
        return e.what();
    }
    return "nothing raised";
}

} // namespace

TEST(Checked, ArraysAreIndexedFromTheirDeclaredLowBound) {
    CheckedArray<int, 1, 5> slots{};
    slots[1] = 7;
    slots[5] = 9;
    EXPECT_EQ(slots.Items[0], 7);
    EXPECT_EQ(slots.Items[4], 9);
}

TEST(Checked, RangeErrorCarriesTheUsersText) {
    EXPECT_EQ(ErrorText([] { InRange<1, 6>(7); }), "Range check error");
    EXPECT_EQ((InRange<1, 6>(6)), 6);
    EXPECT_THROW((InRange<1, 6>(0)), ERangeError);
}

// Locations from the window or tavrin-cli: tile 1..20, clearing 0..6.
TEST(Checked, LocationsFromOutsideAreRangeChecked) {
    EXPECT_EQ(LocationFrom(20, 0), (TLocation{20, 0}));
    EXPECT_EQ(LocationFrom(1, 6), (TLocation{1, 6}));
    for (const auto& [tile, clearing] : {std::pair{0, 1}, {21, 1}, {-1, 1}, {11, 7}, {11, -1}})
        EXPECT_EQ(ErrorText([&] { LocationFrom(tile, clearing); }), "Range check error")
            << tile << "/" << clearing;
}

TEST(Checked, ArithmeticRaisesOverflowAtThe32BitBounds) {
    EXPECT_EQ(CheckedAdd(INT_MAX - 1, 1), INT_MAX);
    EXPECT_THROW(CheckedAdd(INT_MAX, 1), EIntOverflow);
    EXPECT_THROW(CheckedSub(INT_MIN, 1), EIntOverflow);
    EXPECT_EQ(CheckedSub(0, INT_MAX), -INT_MAX);
    EXPECT_THROW(CheckedSub(0, INT_MIN), EIntOverflow);
    EXPECT_EQ(CheckedMul(-100, 175), -17500);
    EXPECT_THROW(CheckedMul(INT_MAX / 150 + 1, 150), EIntOverflow);
    EXPECT_EQ(ErrorText([] { CheckedAdd(INT_MAX, INT_MAX); }), "Integer overflow");
}
