// A route's road stops at the rings of its clearings: what is left of it
// starts and ends on the circles, and a road shorter than the two rings
// leaves nothing.

#include "line_cut.h"

#include <gtest/gtest.h>

namespace tavrin {
namespace {

TEST(LineCut, EndsLandOnTheCirclesRoundBothEnds) {
    const TPolyline bent{{0, 0}, {6, 0}, {30, 0}, {30, 40}};
    const TPolyline cut = CutLineEnds(bent, 10);
    ASSERT_EQ(cut.size(), 3u);
    EXPECT_DOUBLE_EQ(cut.front().X, 10); // the 6-pixel first step lies inside
    EXPECT_DOUBLE_EQ(cut.front().Y, 0);
    EXPECT_DOUBLE_EQ(cut[1].X, 30);
    EXPECT_DOUBLE_EQ(cut.back().X, 30);
    EXPECT_DOUBLE_EQ(cut.back().Y, 30);
}

TEST(LineCut, RoadWithinBothRingsLeavesNothing) {
    EXPECT_TRUE(CutLineEnds({{0, 0}, {15, 0}}, 10).empty());
    EXPECT_TRUE(CutLineEnds({}, 10).empty());
}

} // namespace
} // namespace tavrin
