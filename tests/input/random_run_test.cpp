// A million random operator events (keys, pointer moves, clicks, double
// clicks) and loop passes through the real handlers and the real loop, with
// the loop's invariants checked after every pass and every shown frame
// compared with an independent model of the rules.
//
// The run is the same every time: it starts from a fixed seed. Set
// VORN_RANDOM_SEED to a number to run from that seed (to replay a failing
// run), or to "random" for a fresh one; the seed is printed either way.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <iostream>
#include <limits>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "input/key_commands.hpp"
#include "input/mouse_commands.hpp"
#include "reference_model.hpp"
#include "sequencer/frame_pass.hpp"
#include "sequencer/sequencer.hpp"
#include "support/fake_window.hpp"

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

// The loop's host: the fake window, plus a copy of the state taken when the
// pass shows its frame, after the pass has moved the index and before the
// event service lets the handlers write requests again.
class SnapshottingHost final : public SequencerHost {
public:
    SnapshottingHost(testing::FakeWindow& window, const SequencerState& state) : window_(window), state_(state) {}
    void takeFrameIntoTable(int entry) override { window_.takeFrameIntoTable(entry); }
    void showFrame(int entry) override {
        window_.showFrame(entry);
        atShow = state_;
    }
    void serveEvents() override { window_.serveEvents(); }

    SequencerState atShow;

private:
    testing::FakeWindow& window_;
    const SequencerState& state_;
};

bool sameFloat(float a, float b) { return a == b || (std::isnan(a) && std::isnan(b)); }

// What the real state and window disagree with the model about, or empty.
std::string mismatch(const SequencerState& s, const testing::FakeWindow& window, const reference::OperatorModel& model) {
    std::ostringstream out;
    if (s.l != model.frame) out << " l " << s.l << " expected " << model.frame;
    if (s.n != model.command) out << " n " << s.n << " expected " << model.command;
    if (s.m != int{model.backward}) out << " m " << s.m << " expected " << model.backward;
    if (s.mm != int{model.forward}) out << " mm " << s.mm << " expected " << model.forward;
    if (s.k != model.delay) out << " k " << s.k << " expected " << model.delay;
    if (s.nm != int{model.stepMode}) out << " nm " << s.nm << " expected " << model.stepMode;
    if (!sameFloat(s.yyy, model.lastStepY)) out << " yyy " << s.yyy << " expected " << model.lastStepY;
    if (window.quits != model.quits) out << " quits " << window.quits << " expected " << model.quits;
    return out.str();
}

std::string brokenInvariant(const SequencerState& s) {
    if (s.l < 0 || s.l >= kFrameTableSize) return "l left 0..19: " + std::to_string(s.l);
    if (s.m == 1 && s.mm == 1) return "m and mm both 1";
    if (s.n != 0 && s.n != 1) return "n after a pass is " + std::to_string(s.n);
    if (!std::isfinite(s.k)) return "k is not finite";
    return {};
}

TEST(RandomRunTest, MillionEventsKeepTheInvariantsAndMatchTheModel) {
    const std::uint64_t seed = runSeed();
    std::cout << "random run seed: VORN_RANDOM_SEED=" << seed << '\n';
    std::mt19937_64 random(seed);
    PointerCoordinates pointer(random);

    SequencerState state;
    testing::FakeWindow window;
    testing::FakeClock clock;
    SnapshottingHost host(window, state);
    Sequencer sequencer(state, host, clock);
    sequencer.activate();
    window.shown.clear();  // entry 0, shown while the table filled
    reference::OperatorModel model;

    // Events are posted to the window, which delivers them in the event
    // service at the end of the next pass; the model takes them at the same
    // point.
    std::vector<std::function<void(reference::OperatorModel&)>> modelPending;
    int passes = 0;
    for (int event = 0; event < kEventCount; ++event) {
        const int kind = std::uniform_int_distribution<int>(0, 99)(random);
        if (kind < 30) {
            const std::int16_t key = randomKey(random);
            window.post([&, key] { Picture1_KeyPress(state, window, key); });
            modelPending.push_back([key](reference::OperatorModel& m) { m.typed(key); });
        } else if (kind < 55) {
            const auto button = static_cast<std::int16_t>(std::uniform_int_distribution<int>(0, 7)(random));
            const auto shift = static_cast<std::int16_t>(std::uniform_int_distribution<int>(0, 7)(random));
            const float x = pointer.x();
            const float y = pointer.y();
            window.post([&, button, shift, x, y] { Picture1_MouseMove(state, window, button, shift, x, y); });
            modelPending.push_back([x, y](reference::OperatorModel& m) { m.pointerMoved(x, y); });
        } else if (kind < 62) {
            window.post([&] { Picture1_Click(state); });
            modelPending.push_back([](reference::OperatorModel& m) { m.clicked(); });
        } else if (kind < 63) {
            window.post([&] { Picture1_DblClick(window); });
            modelPending.push_back([](reference::OperatorModel& m) { m.doubleClicked(); });
        } else {
            ++passes;
            vorn::testing::runPass(sequencer);
            const int expectedShown = model.pass();
            const std::string broken = brokenInvariant(host.atShow);
            ASSERT_TRUE(broken.empty()) << broken << " in pass " << passes << " (event " << event
                                        << "); replay with VORN_RANDOM_SEED=" << seed;
            ASSERT_EQ(window.shown.size(), 1u);
            ASSERT_EQ(window.shown.back(), expectedShown)
                << "pass " << passes << " (event " << event << "); replay with VORN_RANDOM_SEED=" << seed;
            const SequencerState& shown = host.atShow;
            ASSERT_TRUE(shown.n == model.command && shown.m == int{model.backward} && shown.mm == int{model.forward})
                << "pass " << passes << " left n " << shown.n << " m " << shown.m << " mm " << shown.mm << ", expected "
                << model.command << ' ' << model.backward << ' ' << model.forward
                << "; replay with VORN_RANDOM_SEED=" << seed;
            window.shown.clear();

            // The events the pass's service delivered, in the model too.
            for (auto& apply : modelPending) apply(model);
            modelPending.clear();
            const std::string differs = mismatch(state, window, model);
            ASSERT_TRUE(differs.empty()) << "after pass " << passes << " (event " << event << "):" << differs
                                         << "; replay with VORN_RANDOM_SEED=" << seed;
        }
    }
    // A run too short to mean anything would also pass.
    EXPECT_GT(passes, kEventCount / 4);
}

// Every state the loop can meet, one pass each, against the model's
// displacement rules: any frame, any command, at most one flag set, and
// never the halt command 0 with a flag set (only the stop requests write 0
// and they clear both flags; a click restores a command with the flags that
// were saved with it).
TEST(RandomRunTest, EveryPassStateAgreesWithTheModel) {
    struct Flags {
        int m, mm;
    };
    for (int l = 0; l < kFrameTableSize; ++l) {
        for (const int n : {-2, -1, 0, 1, 2, 3}) {
            for (const Flags flags : {Flags{0, 0}, Flags{1, 0}, Flags{0, 1}}) {
                if (n == command::kHalted && (flags.m == 1 || flags.mm == 1)) continue;
                SequencerState state;
                state.l = l;
                state.n = n;
                state.m = flags.m;
                state.mm = flags.mm;
                reference::OperatorModel model;
                model.frame = l;
                model.command = n;
                model.backward = flags.m == 1;
                model.forward = flags.mm == 1;

                advanceFrameIndex(state);
                const int expected = model.pass();
                EXPECT_EQ(state.l, expected) << "l " << l << " n " << n << " m " << flags.m << " mm " << flags.mm;
                EXPECT_EQ(state.n, model.command) << "l " << l << " n " << n;
                EXPECT_EQ(state.m, int{model.backward}) << "l " << l << " n " << n;
                EXPECT_EQ(state.mm, int{model.forward}) << "l " << l << " n " << n;
            }
        }
    }
}

// The model itself against the behaviour the operator is promised, so that
// a fault shared by the model and the loop cannot pass unseen.
TEST(RandomRunTest, ModelShowsTheDocumentedSequences) {
    struct Sequence {
        const char* name;
        int startFrame, startCommand;
        bool orderedForward;
        std::int16_t key;
        std::array<int, 3> shown;
    };
    const Sequence sequences[] = {
        {"halted on 0, step back", 0, 0, false, '/', {19, 19, 19}},
        {"halted on 19, step forward", 19, 0, false, '*', {0, 0, 0}},
        {"start-up run, stop-or-step forward", 3, 1, false, ' ', {4, 4, 4}},
        {"ordered forward run, stop", 3, 1, true, ' ', {3, 3, 3}},
        {"forward on 5, run backward", 5, 1, false, '-', {3, 2, 1}},
        {"halted on 7, run forward", 7, 0, false, '+', {9, 10, 11}},
    };
    for (const auto& sequence : sequences) {
        reference::OperatorModel model;
        model.frame = sequence.startFrame;
        model.command = sequence.startCommand;
        model.forward = sequence.orderedForward;
        model.typed(sequence.key);
        std::array<int, 3> shown{};
        for (int& frame : shown) frame = model.pass();
        EXPECT_EQ(shown, sequence.shown) << sequence.name;
    }
}

}  // namespace
}  // namespace vorn
