// The form over a fake window: what it asks of the window, in what order,
// the loop and its loading, and what the picture area's input makes it do.
#include <gtest/gtest.h>

#include <cmath>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/form/vorn_form.hpp"
#include "frames/frame_set.hpp"
#include "input/key_commands.hpp"
#include "sequencer/pacing.hpp"
#include "support/fake_clock.hpp"
#include "support/fake_platform_window.hpp"

namespace vorn {
namespace {

using testing::Ended;
using Kind = InputEvent::Kind;

// The loading phase serves events once after each of the 19 further loads.
constexpr int kLoadingServices = kFrameCount - 1;

class VornFormTest : public ::testing::Test {
protected:
    // Runs the form until it ends, and says how it ended.
    Ended runUntilEnded() {
        try {
            form.RunSequencer();
        } catch (const Ended& ended) {
            return ended;
        }
    }
    // `events` at service `at`, Escape at service `escapeAt`.
    void script(int at, InputEvents events, int escapeAt) {
        window.onServe = [=](int service) {
            if (service == at) return events;
            if (service == escapeAt) return InputEvents{InputEvent::character(kEscapeKey)};
            return InputEvents{};
        };
    }
    // Escape at the service that ends the pass showing `passes` frames
    // after the first.
    void escapeAfterPasses(int passes) { script(0, {}, kLoadingServices + passes); }

    testing::FakeWindow window;
    testing::FakeClock clock;
    VORN form{window, clock};
};

TEST_F(VornFormTest, ShowsFrameZeroBeforeServingEventsThenRunsForwardOneSecondAFrame) {
    escapeAfterPasses(3);
    EXPECT_EQ(runUntilEnded().status, 0);
    EXPECT_EQ(window.shownFrames(), (std::vector<int>{0, 1, 2, 3}));
    EXPECT_EQ(window.calls.front(), "show");
    EXPECT_EQ(window.services, kLoadingServices + 3);
    EXPECT_EQ(clock.sleeps, 3) << "no pace while the table loads";
    EXPECT_EQ(clock.time.count(), 1'000'000 + 3 * 1'000'001'000LL);
}

TEST_F(VornFormTest, TheStartRunWrapsFromNineteenToZero) {
    escapeAfterPasses(21);
    runUntilEnded();
    std::vector<int> expected;
    for (int pass = 0; pass <= 21; ++pass) expected.push_back(pass % kFrameCount);
    EXPECT_EQ(window.shownFrames(), expected);
}

TEST_F(VornFormTest, EscapeAndTheCloseButtonClearTheWindowThenEndWithStatusZero) {
    for (const InputEvent quit : {InputEvent::character(kEscapeKey), InputEvent::of(Kind::kCloseRequested)}) {
        testing::FakeWindow quitting;
        VORN quitForm(quitting, clock);
        quitting.onServe = [&](int service) { return service == 20 ? InputEvents{quit} : InputEvents{}; };
        try {
            quitForm.RunSequencer();
        } catch (const Ended& ended) {
            EXPECT_EQ(ended.status, 0);
        }
        EXPECT_EQ(quitting.calls.back(), "clear");
    }
}

TEST_F(VornFormTest, EscapeQuitsWhileTheTableLoads) {
    script(0, {}, 3);
    EXPECT_EQ(runUntilEnded().status, 0);
    EXPECT_EQ(window.shownFrames(), (std::vector<int>{0}));
}

TEST_F(VornFormTest, AHolderWithoutAPictureEndsTheProgramNamingIt) {
    window.emptyHolder = 7;
    const Ended ended = runUntilEnded();
    EXPECT_EQ(ended.status, 1);
    EXPECT_EQ(ended.message, "VORN cannot go on: Image7 carries no picture.");
    EXPECT_EQ(window.shownFrames(), (std::vector<int>{0}));
}

TEST_F(VornFormTest, RequestsDuringLoadingGiveWayToTheStartRunButAClickIsKept) {
    // A click while loading enters step mode with a halt saved; the start
    // run still goes forward, and the click that leaves step mode halts it.
    const InputEvents click = {InputEvent::pointer(Kind::kPressed, {50, 50}, 1),
                               InputEvent::pointer(Kind::kReleased, {50, 50}, 1)};
    window.onServe = [&](int service) {
        if (service == 5) return InputEvents{click[0], click[1], InputEvent::character('/')};
        if (service == kLoadingServices + 2) return click;
        if (service == kLoadingServices + 4) return InputEvents{InputEvent::character(kEscapeKey)};
        return InputEvents{};
    };
    runUntilEnded();
    EXPECT_EQ(window.shownFrames(), (std::vector<int>{0, 1, 2, 2, 2}));
    EXPECT_EQ(window.modes, (std::vector<PointerMode>{PointerMode::kStepsFrames, PointerMode::kSetsSpeed}));
}

TEST_F(VornFormTest, OnlyTheLastRequestOfOneServiceCounts) {
    script(kLoadingServices + 4, {InputEvent::character('-'), InputEvent::character('.'), InputEvent::character('+')},
           kLoadingServices + 6);
    runUntilEnded();
    EXPECT_EQ(window.shownFrames(), (std::vector<int>{0, 1, 2, 3, 4, 6, 7}));
}

TEST_F(VornFormTest, APointerMoveSetsTheDelayOfTheNextPace) {
    // Inner pixel (39, 51): x = 39 × 14.882789 / 579, y = 51 / 25.6.
    script(kLoadingServices + 1, {InputEvent::pointer(Kind::kPointerMoved, {41, 53}, 1)}, kLoadingServices + 2);
    runUntilEnded();
    const double k = static_cast<float>(39 * 14.88278865814209 / 579) * 30.0 * static_cast<float>(51 / 25.6);
    const auto secondPace = clock.time.count() - 1'000'000 - 1'000'001'000LL;
    EXPECT_NEAR(static_cast<double>(secondPace), (std::floor(k) + 1) * 1000, 1000.0);
}

TEST_F(VornFormTest, APointerThatOverflowsTheSpeedProductEndsItWithAFloatingPointError) {
    window.onServe = [this](int service) {
        if (service == 20) form.Picture1_MouseMove(0, 0, 3e19f, 1e19f);
        return InputEvents{};
    };
    const Ended ended = runUntilEnded();
    EXPECT_EQ(ended.status, 1);
    EXPECT_EQ(ended.message, "VORN cannot go on: floating-point error.");
}

TEST_F(VornFormTest, ADoubleClickClearsAndQuitsInEitherMode) {
    form.Picture1_Click();
    EXPECT_THROW(form.Picture1_DblClick(), Ended);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"clear"}));
}

TEST(StartFailure, SaysWhetherTheFramesOrTheWindowFailed) {
    EXPECT_EQ(startFailureMessage(FrameSetError("Image3: bad RLE", 3)), "Bad frame picture: Image3: bad RLE");
    EXPECT_EQ(startFailureMessage(std::runtime_error("no window class")), "VORN cannot start: no window class");
}

}  // namespace
}  // namespace vorn
