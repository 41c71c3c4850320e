#include <gtest/gtest.h>

#include "sequencer/frame_pass.hpp"

namespace vorn {
namespace {

struct PassCase {
    const char* name;
    SequencerState before;
    int expectedL, expectedN, expectedM, expectedMm;
};

SequencerState at(int l, int n, int m, int mm) {
    SequencerState s;
    s.l = l;
    s.n = n;
    s.m = m;
    s.mm = mm;
    return s;
}

// Each request from each kind of state: the start-up run (n 1, no flag), a
// forward run the operator ordered (mm 1), a backward run (m 1), and halted.
const PassCase kPassCases[] = {
    {"startup run advances", at(4, 1, 0, 0), 5, 1, 0, 0},
    {"ordered forward run advances", at(4, 1, 0, 1), 5, 1, 0, 1},
    {"backward run goes back", at(4, 1, 1, 0), 3, 1, 1, 0},
    {"halted stays", at(4, 0, 0, 0), 4, 0, 0, 0},

    {"run backward from startup run moves back two", at(5, -1, 0, 0), 3, 1, 1, 0},
    {"run backward from forward run moves back two", at(5, -1, 0, 1), 3, 1, 1, 0},
    {"run backward while running backward moves back two", at(5, -1, 1, 0), 3, 1, 1, 0},
    {"run backward from halt moves back two", at(5, -1, 0, 0), 3, 1, 1, 0},

    {"run forward from startup run moves two", at(7, 3, 0, 0), 9, 1, 0, 1},
    {"run forward from backward run moves two", at(7, 3, 1, 0), 9, 1, 0, 1},
    {"run forward while running forward moves two", at(7, 3, 0, 1), 9, 1, 0, 1},

    {"stop-back during ordered forward run holds", at(6, -2, 0, 1), 6, 0, 0, 0},
    {"stop-back during backward run holds", at(6, -2, 1, 0), 6, 0, 0, 0},
    {"stop-back during startup run steps back", at(6, -2, 0, 0), 5, 0, 0, 0},

    {"stop-forward during ordered forward run holds", at(6, 2, 0, 1), 6, 0, 0, 0},
    {"stop-forward during backward run holds", at(6, 2, 1, 0), 6, 0, 0, 0},
    {"stop-forward during startup run steps forward", at(6, 2, 0, 0), 7, 0, 0, 0},

    {"forward run wraps 19 to 0", at(19, 1, 0, 1), 0, 1, 0, 1},
    {"backward run wraps 0 to 19", at(0, 1, 1, 0), 19, 1, 1, 0},
    {"step back from halted 0 wraps to 19", at(0, -2, 0, 0), 19, 0, 0, 0},
    {"step forward from halted 19 wraps to 0", at(19, 2, 0, 0), 0, 0, 0, 0},
    {"run backward from 1 wraps to 19", at(1, -1, 0, 0), 19, 1, 1, 0},
    {"run backward from 0 wraps to 18", at(0, -1, 0, 0), 18, 1, 1, 0},
    {"run forward from 18 wraps to 0", at(18, 3, 0, 0), 0, 1, 0, 1},
    {"run forward from 19 wraps to 1", at(19, 3, 0, 0), 1, 1, 0, 1},
};

TEST(FramePass, EachRequestFromEachKindOfState) {
    for (const PassCase& c : kPassCases) {
        SequencerState s = c.before;
        advanceFrameIndex(s);
        EXPECT_EQ(s.l, c.expectedL) << c.name;
        EXPECT_EQ(s.n, c.expectedN) << c.name;
        EXPECT_EQ(s.m, c.expectedM) << c.name;
        EXPECT_EQ(s.mm, c.expectedMm) << c.name;
    }
}

TEST(FramePass, KeepsIndexInRangeAndFlagsExclusiveFromAnyReachableState) {
    const int requests[] = {-2, -1, 0, 1, 2, 3};
    const int flagPairs[][2] = {{0, 0}, {1, 0}, {0, 1}};
    for (int l = 0; l < kFrameCount; ++l) {
        for (int n : requests) {
            for (const auto& flags : flagPairs) {
                SequencerState s = at(l, n, flags[0], flags[1]);
                advanceFrameIndex(s);
                ASSERT_GE(s.l, 0);
                ASSERT_LT(s.l, kFrameCount);
                ASSERT_TRUE(s.n == 0 || s.n == 1);
                ASSERT_FALSE(s.m == 1 && s.mm == 1);
            }
        }
    }
}

TEST(FramePass, LeavesOtherFieldsAlone) {
    SequencerState s = at(3, -1, 0, 0);
    s.k = 1234.5;
    s.nm = 1;
    s.n1 = 3;
    s.mm1 = 1;
    s.m1 = 0;
    s.yyy = 2.5f;
    advanceFrameIndex(s);
    EXPECT_EQ(s.k, 1234.5);
    EXPECT_EQ(s.nm, 1);
    EXPECT_EQ(s.n1, 3);
    EXPECT_EQ(s.mm1, 1);
    EXPECT_EQ(s.yyy, 2.5f);
}

}  // namespace
}  // namespace vorn
