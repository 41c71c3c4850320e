// A million random operator events (keys, pointer moves, clicks) and loop
// passes through the real handlers and the real pass, with what the pass
// promises checked after every one: the index stays in 0..19, the two
// direction flags are never both set, a pass leaves the command at 0 or 1,
// and a run moves the index by one frame a pass, a request by at most two.
//
// The run is the same every time: it starts from a fixed seed. Set
// VORN_RANDOM_SEED to a number to run from that seed (to replay a failing
// run), or to "random" for a fresh one; the seed is printed either way.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <iostream>
#include <limits>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

#include "input/key_commands.hpp"
#include "input/mouse_commands.hpp"
#include "sequencer/frame_pass.hpp"
#include "sequencer/pacing.hpp"

namespace vorn {
namespace {

constexpr int kEventCount = 1'000'000;

constexpr std::uint64_t kFixedSeed = 20'260'101;

std::uint64_t runSeed() {
    const char* text = std::getenv("VORN_RANDOM_SEED");
    if (text == nullptr) {
        return kFixedSeed;
    }
    if (std::string(text) == "random") {
        return std::random_device{}() * 0x100000000ull + std::random_device{}();
    }
    std::size_t parsed = 0;
    std::uint64_t seed = 0;
    try {
        seed = std::stoull(text, &parsed, 0);
    } catch (const std::exception&) {
        parsed = 0;
    }
    if (parsed == 0 || text[parsed] != '\0') {
        throw std::invalid_argument(std::string("VORN_RANDOM_SEED is \"") + text +
                                    "\"; give a number to replay a run, or \"random\"");
    }
    return seed;
}

// Pointer coordinates from every range the window can report, and beyond:
// over the picture area, a little past its edges (a drag), far off, and the
// values no real pointer gives.
class PointerCoordinates {
public:
    explicit PointerCoordinates(std::mt19937_64& random) : random_(random) {}

    float x() { return pick(14.882789f); }
    float y() { return pick(29.84375f); }

private:
    float pick(float unitRange) {
        switch (std::uniform_int_distribution<int>(0, 9)(random_)) {
            case 0: return uniform(-0.1f * unitRange, 1.1f * unitRange);
            case 1: return uniform(-1e6f, 1e6f);
            case 2: return uniform(-1.0f, 1.0f) * std::ldexp(1.0f, std::uniform_int_distribution<int>(20, 127)(random_));
            case 3: return kSpecial[std::uniform_int_distribution<std::size_t>(0, kSpecial.size() - 1)(random_)];
            default: return uniform(0.0f, unitRange);
        }
    }
    float uniform(float low, float high) { return std::uniform_real_distribution<float>(low, high)(random_); }

    static constexpr std::array<float, 9> kSpecial = {
        0.0f, -0.0f, std::numeric_limits<float>::max(), -std::numeric_limits<float>::max(),
        std::numeric_limits<float>::denorm_min(), std::numeric_limits<float>::infinity(),
        -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN(), 1e20f};
    std::mt19937_64& random_;
};

// The caption's keys, Escape, and characters that mean nothing.
constexpr std::array<std::int16_t, 14> kKeys = {'+', ',', '-', '/', '*', ' ', '.', 27, 'a', '0', '=', '\r', 0, -1};

std::int16_t randomKey(std::mt19937_64& random) {
    if (std::uniform_int_distribution<int>(0, 3)(random) == 0) {
        return static_cast<std::int16_t>(std::uniform_int_distribution<int>(-32768, 32767)(random));
    }
    return kKeys[std::uniform_int_distribution<std::size_t>(0, kKeys.size() - 1)(random)];
}

std::string brokenInvariant(const SequencerState& s) {
    if (s.l < 0 || s.l >= kFrameCount) return "l left 0..19: " + std::to_string(s.l);
    if (s.m == 1 && s.mm == 1) return "m and mm both 1";
    if (s.n != 0 && s.n != 1) return "n after a pass is " + std::to_string(s.n);
    if (s.n == 0 && (s.m != 0 || s.mm != 0)) return "halted with a direction flag set";
    return {};
}

// How far a pass moved the index, forward positive, as the shortest way
// round the cycle.
int stepOf(int before, int after) {
    const int forward = (after - before + kFrameCount) % kFrameCount;
    return forward > kFrameCount / 2 ? forward - kFrameCount : forward;
}

// The move a pass makes from a state that holds no request: a run one frame
// a pass, in its direction; a halt none.
int runStep(const SequencerState& s) { return s.n == command::kHalted ? 0 : (s.m == 1 ? -1 : 1); }

bool isRequest(int n) { return n != command::kRun && n != command::kHalted; }

TEST(RandomRunTest, MillionEventsKeepWhatEveryPassPromises) {
    const std::uint64_t seed = runSeed();
    std::cout << "random run seed: VORN_RANDOM_SEED=" << seed << '\n';
    std::mt19937_64 random(seed);
    PointerCoordinates pointer(random);

    SequencerState state;
    state.n = command::kRun;
    state.k = kStartDelayCounts;
    int passes = 0;
    for (int event = 0; event < kEventCount; ++event) {
        const int kind = std::uniform_int_distribution<int>(0, 99)(random);
        if (kind < 30) {
            const std::int16_t key = randomKey(random);
            const HandlerOutcome outcome = Picture1_KeyPress(state, key);
            ASSERT_EQ(outcome == HandlerOutcome::kQuit, key == kEscapeKey) << "key " << key;
        } else if (kind < 55) {
            const auto button = static_cast<std::int16_t>(std::uniform_int_distribution<int>(0, 7)(random));
            const auto shift = static_cast<std::int16_t>(std::uniform_int_distribution<int>(0, 7)(random));
            const double delayBefore = state.k;
            if (Picture1_MouseMove(state, button, shift, pointer.x(), pointer.y()) ==
                HandlerOutcome::kFloatingPointError) {
                ASSERT_EQ(state.k, delayBefore) << "a failing product leaves the delay alone";
            }
            ASSERT_FALSE(std::isnan(state.k));
        } else if (kind < 62) {
            Picture1_Click(state);
        } else {
            ++passes;
            const SequencerState before = state;
            advanceFrameIndex(state);
            const std::string broken = brokenInvariant(state);
            ASSERT_TRUE(broken.empty()) << broken << " in pass " << passes << " (event " << event
                                        << "); replay with VORN_RANDOM_SEED=" << seed;
            const int step = stepOf(before.l, state.l);
            if (isRequest(before.n)) {
                ASSERT_LE(std::abs(step), 2) << "pass " << passes << "; replay with VORN_RANDOM_SEED=" << seed;
            } else {
                ASSERT_EQ(step, runStep(before)) << "pass " << passes << "; replay with VORN_RANDOM_SEED=" << seed;
            }
        }
    }
    // A run too short to mean anything would also pass.
    EXPECT_GT(passes, kEventCount / 4);
}

}  // namespace
}  // namespace vorn
