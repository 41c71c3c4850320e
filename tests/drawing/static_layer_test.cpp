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

struct Run {
    int first;
    int last;
};

// Dashes and dots of the centre lines, written out independently of the
// drawing code's tables.
const std::vector<Run> kVerticalRuns = {{7, 40},    {52, 53},   {68, 124},  {135, 136}, {152, 207},
                                        {218, 220}, {235, 290}, {302, 303}, {318, 374}, {385, 386},
                                        {401, 457}, {468, 470}, {485, 540}};
const std::vector<Run> kLeftHorizontalRuns = {{47, 103}, {118, 119}, {131, 186}, {201, 203}, {214, 269}};
const std::vector<Run> kRightHorizontalRuns = {{344, 400}, {415, 416}, {427, 483}, {498, 499}, {511, 566}};

bool inRuns(const std::vector<Run>& runs, int at) {
    return std::any_of(runs.begin(), runs.end(), [&](Run r) { return at >= r.first && at <= r.last; });
}

// One column or row of a centre line: along it, the line's colour shows
// exactly on the dashes and dots.
struct CentreLineCase {
    const char* name;
    bool vertical;
    int fixed;  // the column of a vertical line, the row of a horizontal one
    const std::vector<Run>* runs;
    std::uint8_t colour;
    Run span;       // where along the line to look
    int crossing;   // where a crossing line of the same colour lies, or -1
};

const CentreLineCase kCentreLines[] = {
    // The left horizontal line crosses the left vertical one in its gap.
    {"left vertical, dark column", true, 152, &kVerticalRuns, colour::kDarkBlue, {0, 549}, -1},
    {"left vertical, black column", true, 153, &kVerticalRuns, colour::kBlack, {0, 549}, 308},
    {"right vertical, left column", true, 449, &kVerticalRuns, colour::kBlack, {0, 549}, 419},
    {"right vertical, right column", true, 450, &kVerticalRuns, colour::kBlack, {0, 549}, 419},
    {"left horizontal", false, 308, &kLeftHorizontalRuns, colour::kBlack, {0, 305}, -1},
    {"right horizontal, black row", false, 419, &kRightHorizontalRuns, colour::kBlack, {320, 579}, 449},
};

TEST(CentreLines, EveryDashAndDotInEveryFrame) {
    for (int j = 0; j < kFrameCount; ++j) {
        const IndexedImage& image = test::frame(j);
        for (const CentreLineCase& line : kCentreLines) {
            SCOPED_TRACE(std::string(line.name) + ", frame " + std::to_string(j));
            int wrong = 0;
            for (int at = line.span.first; at <= line.span.last; ++at) {
                if (at == line.crossing || (line.crossing == 449 && at == 450)) {
                    continue;
                }
                const std::uint8_t pixel = line.vertical ? image.at(line.fixed, at) : image.at(at, line.fixed);
                if ((pixel == line.colour) != inRuns(*line.runs, at)) {
                    ADD_FAILURE() << "at " << at << ": palette entry " << int(pixel);
                    if (++wrong > 5) {
                        break;
                    }
                }
            }
        }
    }
}

TEST(CentreLines, PaleSecondRowUnderTheRightHorizontalLine) {
    for (int j = 0; j < kFrameCount; ++j) {
        for (int x = 320; x < kFrameWidth; ++x) {
            // Where the vertical line crosses, its black covers the pale row.
            const bool crossing = x == 449 || x == 450;
            const std::uint8_t expected = crossing ? colour::kBlack : colour::kPaleGreen;
            if (inRuns(kRightHorizontalRuns, x)) {
                ASSERT_EQ(test::frame(j).at(x, 420), expected) << "frame " << j << ", x " << x;
            }
        }
    }
}

bool onVerticalCentreLine(int x) { return x == 152 || x == 153 || x == 449 || x == 450; }

struct Rect {
    const char* name;
    Run columns;
    Run rows;
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
