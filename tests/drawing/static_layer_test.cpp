// The parts of every frame that never move, pixel by pixel, and the colour
// budget of each frame.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <vector>

#include "frame_test_support.hpp"
#include "frames/frame_drawing.hpp"
#include "frames/palette.hpp"

namespace vorn {
namespace {

struct PixelRun {
    int first;
    int last;
};

// One column or row of a centre line, and where along it to look.
struct CentreLine {
    const char* name;
    bool vertical;
    int fixed;  // the column of a vertical line, the row of a horizontal one
    std::uint8_t colour;
    PixelRun span;
    std::vector<int> crossings;  // where another line of the same colour crosses
    PixelRun drawn;                   // from the start of the first dash to the end of the last
};

// The left horizontal line crosses the left vertical one in its gap; the
// right vertical line is two columns wide.
const CentreLine kCentreLines[] = {
    {"left vertical, dark column", true, 152, colour::kDarkBlue, {0, 549}, {}, {7, 540}},
    {"left vertical, black column", true, 153, colour::kBlack, {0, 549}, {308}, {7, 540}},
    {"right vertical, left column", true, 449, colour::kBlack, {0, 549}, {419}, {7, 540}},
    {"right vertical, right column", true, 450, colour::kBlack, {0, 549}, {419}, {7, 540}},
    {"left horizontal", false, 308, colour::kBlack, {0, 305}, {}, {47, 269}},
    {"right horizontal, black row", false, 419, colour::kBlack, {320, 579}, {449, 450}, {344, 566}},
};

// The runs of the line's colour along it, as drawn. A crossing, whose colour
// the other line decides, continues a run that reaches it and starts none.
std::vector<PixelRun> runsAlong(const IndexedImage& image, const CentreLine& line) {
    std::vector<PixelRun> runs;
    for (int at = line.span.first; at <= line.span.last; ++at) {
        const bool reached = !runs.empty() && runs.back().last == at - 1;
        if (std::find(line.crossings.begin(), line.crossings.end(), at) != line.crossings.end()) {
            if (reached) {
                runs.back().last = at;
            }
            continue;
        }
        const std::uint8_t pixel = line.vertical ? image.at(line.fixed, at) : image.at(at, line.fixed);
        if (pixel != line.colour) {
            continue;
        }
        if (reached) {
            runs.back().last = at;
        } else {
            runs.push_back({at, at});
        }
    }
    return runs;
}

int length(PixelRun run) { return run.last - run.first + 1; }

// A dash-dot line as a draughtsman draws one: dashes of at least 30 pixels
// and dots of 2 or 3 in turn, beginning and ending with a dash, with gaps of
// 10 to 15 pixels between them, and the same in every frame.
TEST(CentreLines, AreDashDotLinesThatNeverMove) {
    for (const CentreLine& line : kCentreLines) {
        SCOPED_TRACE(line.name);
        const std::vector<PixelRun> runs = runsAlong(test::frame(0), line);
        ASSERT_EQ(runs.size() % 2, 1U) << "a dash at each end, a dot between two dashes";
        EXPECT_EQ(runs.front().first, line.drawn.first);
        EXPECT_EQ(runs.back().last, line.drawn.last);
        for (std::size_t i = 0; i < runs.size(); ++i) {
            const bool dash = i % 2 == 0;
            if (dash) {
                EXPECT_GE(length(runs[i]), 30) << "dash " << i << " at " << runs[i].first;
            } else {
                EXPECT_TRUE(length(runs[i]) == 2 || length(runs[i]) == 3) << "dot " << i << " at " << runs[i].first;
            }
            if (i > 0) {
                const int gap = runs[i].first - runs[i - 1].last - 1;
                EXPECT_TRUE(gap >= 10 && gap <= 15) << "gap of " << gap << " before " << runs[i].first;
            }
        }
        for (int j = 1; j < kFrameCount; ++j) {
            const std::vector<PixelRun> moved = runsAlong(test::frame(j), line);
            EXPECT_TRUE(std::equal(runs.begin(), runs.end(), moved.begin(), moved.end(),
                                   [](PixelRun a, PixelRun b) { return a.first == b.first && a.last == b.last; }))
                << "frame " << j << " differs from frame 0";
        }
    }
}

// Both vertical lines have one pattern, in each of their columns.
TEST(CentreLines, BothVerticalLinesHaveOnePattern) {
    const std::vector<PixelRun> left = runsAlong(test::frame(0), kCentreLines[0]);
    for (const CentreLine& line : kCentreLines) {
        if (!line.vertical) {
            continue;
        }
        const std::vector<PixelRun> runs = runsAlong(test::frame(0), line);
        EXPECT_TRUE(std::equal(left.begin(), left.end(), runs.begin(), runs.end(),
                               [](PixelRun a, PixelRun b) { return a.first == b.first && a.last == b.last; }))
            << line.name;
    }
}

TEST(CentreLines, PaleSecondRowUnderTheRightHorizontalLine) {
    const CentreLine& black = kCentreLines[5];
    const std::vector<PixelRun> runs = runsAlong(test::frame(0), black);
    for (int j = 0; j < kFrameCount; ++j) {
        for (const PixelRun run : runs) {
            for (int x = run.first; x <= run.last; ++x) {
                // Where the vertical line crosses, its black covers the pale row.
                const bool crossing = x == 449 || x == 450;
                const std::uint8_t expected = crossing ? colour::kBlack : colour::kPaleGreen;
                ASSERT_EQ(test::frame(j).at(x, 420), expected) << "frame " << j << ", x " << x;
            }
        }
    }
}

bool onVerticalCentreLine(int x) { return x == 152 || x == 153 || x == 449 || x == 450; }

struct Rect {
    const char* name;
    PixelRun columns;
    PixelRun rows;
};

// Khaki parts that no moving body ever covers.
const Rect kAlwaysKhaki[] = {
    {"left cylinder top", {61, 244}, {11, 19}},
    {"left cylinder left wall", {61, 69}, {11, 196}},
    {"left cylinder right wall", {236, 244}, {11, 196}},
    {"right cylinder top", {358, 541}, {11, 19}},
    {"right cylinder left wall", {358, 366}, {11, 250}},
    {"right cylinder right wall", {533, 541}, {11, 250}},
};

// The guide bars lie below the yoke plate's reach, which covers their upper
// parts as the piston goes down.
const Rect kGuideBars[] = {
    {"left guide bar", {61, 69}, {352, 519}},
    {"right guide bar", {237, 245}, {352, 519}},
};

TEST(StaticLayer, CylindersAndGuideBarsAreKhakiWhereverTheyShow) {
    for (int j = 0; j < kFrameCount; ++j) {
        const IndexedImage& image = test::frame(j);
        for (const Rect& rect : kAlwaysKhaki) {
            for (int y = rect.rows.first; y <= rect.rows.last; ++y) {
                for (int x = rect.columns.first; x <= rect.columns.last; ++x) {
                    if (onVerticalCentreLine(x)) {
                        continue;
                    }
                    ASSERT_EQ(image.at(x, y), colour::kKhaki) << rect.name << " at (" << x << ", " << y << "), frame " << j;
                }
            }
        }
        for (const Rect& rect : kGuideBars) {
            for (int x = rect.columns.first; x <= rect.columns.last; ++x) {
                // From the bottom: khaki up to the yoke plate, then the plate
                // (grey), with the bar showing through the plate's opening,
                // where the crank pin (grey, red rim) and the big end (khaki)
                // may pass over it.
                int y = rect.rows.last;
                while (y >= rect.rows.first && image.at(x, y) == colour::kKhaki) {
                    --y;
                }
                for (; y >= rect.rows.first; --y) {
                    const std::uint8_t pixel = image.at(x, y);
                    ASSERT_TRUE(pixel == colour::kKhaki || pixel == colour::kGrey || pixel == colour::kRed)
                        << rect.name << " at (" << x << ", " << y << "), frame " << j << ": " << int(pixel);
                }
                EXPECT_GT(rect.rows.last - y, 20) << rect.name << ", frame " << j << ": bar hidden";
            }
        }
    }
    // At the top of the stroke the plate clears most of each bar.
    EXPECT_EQ(test::frame(0).at(65, 370), colour::kKhaki);
    EXPECT_EQ(test::frame(0).at(241, 370), colour::kKhaki);
}

TEST(StaticLayer, MarginsOutsideTheDrawingAreWhite) {
    for (int j = 0; j < kFrameCount; ++j) {
        const IndexedImage& image = test::frame(j);
        for (int y = 0; y < kFrameHeight; ++y) {
            for (int x = 0; x < kFrameWidth; ++x) {
                const bool margin = x < 5 || x > 566 || y < 7 || y > 540;
                if (margin) {
                    ASSERT_EQ(image.at(x, y), colour::kWhite) << "(" << x << ", " << y << "), frame " << j;
                }
            }
        }
    }
}

struct ColourBudget {
    std::uint8_t entry;
    int fewest;
    int most;
    double tolerance;  // fraction the count may stray beyond the range
};

// Pixels per frame of each colour. The static lines are exact; the moving
// bodies' colours may stray 3% because their outlines are drawn from key
// points.
constexpr ColourBudget kBudgets[] = {
    {colour::kBlack, 1714, 1717, 0.0},
    {colour::kDarkBlue, 386, 387, 0.0},
    {colour::kPaleGreen, 172, 172, 0.0},
    {colour::kWhite, 195308, 202255, 0.03},
    {colour::kGrey, 48057, 49904, 0.03},
    {colour::kKhaki, 31034, 32350, 0.03},
    {colour::kRed, 29738, 37756, 0.03},
    {colour::kGreen, 3311, 3670, 0.03},
};

TEST(Colours, OnlyTheEightEntriesWithinTheirBudgets) {
    for (int j = 0; j < kFrameCount; ++j) {
        SCOPED_TRACE("frame " + std::to_string(j));
        const std::array<int, 256> counts = test::colourCounts(test::frame(j));
        int budgeted = 0;
        for (const ColourBudget& budget : kBudgets) {
            const int count = counts[budget.entry];
            budgeted += count;
            EXPECT_GE(count, static_cast<int>(budget.fewest * (1.0 - budget.tolerance))) << "entry " << int(budget.entry);
            EXPECT_LE(count, static_cast<int>(budget.most * (1.0 + budget.tolerance))) << "entry " << int(budget.entry);
        }
        EXPECT_EQ(budgeted, kFrameWidth * kFrameHeight) << "pixels outside the eight palette entries";
    }
}

}  // namespace
}  // namespace vorn
