#include "checked.h"

#include <climits>
#include <gtest/gtest.h>

using namespace tavrin;

TEST(Checked, IndexOutsideDeclaredBoundsRaisesRangeError) {
    CheckedArray<int, 1, 5> slots{};
    slots[1] = 7;
    slots[5] = 9;
    EXPECT_EQ(slots.Items[0], 7);
    EXPECT_EQ(slots.Items[4], 9);
    EXPECT_THROW(slots[0], ERangeError);
    EXPECT_THROW(slots[6], ERangeError);
    EXPECT_THROW(slots[-1], ERangeError);
}

TEST(Checked, RangeErrorCarriesTheUsersText) {
    try {
        InRange<1, 6>(7);
        FAIL() << "no error";
    } catch (const ETavrinError& e) {
        EXPECT_STREQ(e.what(), "Range check error");
    }
    EXPECT_EQ((InRange<1, 6>(6)), 6);
    EXPECT_THROW((InRange<1, 6>(0)), ERangeError);
}

TEST(Checked, ArithmeticRaisesOverflowAtThe32BitBounds) {
    EXPECT_EQ(CheckedAdd(INT_MAX - 1, 1), INT_MAX);
    EXPECT_THROW(CheckedAdd(INT_MAX, 1), EIntOverflow);
    EXPECT_THROW(CheckedSub(INT_MIN, 1), EIntOverflow);
    EXPECT_EQ(CheckedSub(0, INT_MAX), -INT_MAX);
    EXPECT_THROW(CheckedSub(0, INT_MIN), EIntOverflow);
    EXPECT_EQ(CheckedMul(-100, 175), -17500);
    EXPECT_THROW(CheckedMul(INT_MAX / 150 + 1, 150), EIntOverflow);
    try {
        CheckedAdd(INT_MAX, INT_MAX);
    } catch (const ETavrinError& e) {
        EXPECT_STREQ(e.what(), "Integer overflow");
    }
}
