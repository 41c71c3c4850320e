// Where over the picture area a pointer move counts, for every windowing
// layer: the inner area's units, the edge that reports nothing, drags beyond
// it, and moves that are not moves.
#include "app/shared/pointer_area.hpp"

#include <gtest/gtest.h>

namespace {

using namespace vorn;

TEST(PointerArea, MovesOverTheInnerAreaAreReportedInItsUnits) {
    const auto origin = reportedPointerPosition(0, 0);
    ASSERT_TRUE(origin);
    EXPECT_EQ(origin->x, 0.0f);
    EXPECT_EQ(origin->y, 0.0f);

    // The same scale as every other layer: the last column and row.
    const auto corner = reportedPointerPosition(kInnerAreaWidthPixels - 1, kInnerAreaHeightPixels - 1);
    ASSERT_TRUE(corner);
    const PointerPosition expected =
        pointerPositionInUnits(kInnerAreaWidthPixels - 1, kInnerAreaHeightPixels - 1);
    EXPECT_EQ(corner->x, expected.x);
    EXPECT_EQ(corner->y, expected.y);
    EXPECT_NEAR(corner->y, 763 / 25.6, 1e-5);
}

TEST(PointerArea, TheSunkenEdgeReportsNothingAndADragBeyondItReportsAsItComes) {
    // Client coordinates start inside the 2-pixel edge.
    const struct {
        int column, row;
        bool reported;
    } cases[] = {
        {-1, 10, false},  {-2, 10, false},  {579, 10, false}, {580, 10, false},
        {10, -1, false},  {10, -2, false},  {10, 764, false}, {10, 765, false},
        {-3, 10, true},   {581, 10, true},  {10, -3, true},   {10, 766, true},
        {-40, -40, true}, {578, 763, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reportedPointerPosition(c.column, c.row).has_value(), c.reported) << c.column << ", " << c.row;
    }
    const auto beyond = reportedPointerPosition(-3, 800);
    ASSERT_TRUE(beyond);
    EXPECT_LT(beyond->x, 0.0f);
    EXPECT_EQ(beyond->y, pointerPositionInUnits(-3, 800).y);
}

TEST(PointerArea, OnlyAChangedPositionIsAMove) {
    MoveFilter moves;
    EXPECT_TRUE(moves.isMove(5, 5));
    EXPECT_FALSE(moves.isMove(5, 5));
    EXPECT_TRUE(moves.isMove(5, 6));
    EXPECT_TRUE(moves.isMove(5, 5));
    EXPECT_TRUE(moves.isMove(-5, 5));
}

}  // namespace
