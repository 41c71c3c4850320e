// The form over a fake window: what it asks of the window, in what order,
// and that the loop is paced through the form itself.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/form_window.hpp"
#include "app/vorn_form.hpp"
#include "support/fake_window.hpp"

namespace vorn {
namespace {

// Thrown by the fake window where the real one would end the process.
struct Ended {
    std::string how;
};

class Picture final : public FramePicture {
public:
    explicit Picture(int holderNumber) : holderNumber(holderNumber) {}
    int holderNumber;
};

class FakeFormWindow final : public FormWindow {
public:
    FakeFormWindow() {
        for (int number = 1; number <= 20; ++number) pictures.emplace_back(number);
    }

    const FramePicture* holderPicture(int holderNumber) const override {
        if (holderNumber == emptyHolder) return nullptr;
        return &pictures.at(static_cast<std::size_t>(holderNumber - 1));
    }
    void showPicture(const FramePicture& picture) override {
        shownHolders.push_back(static_cast<const Picture&>(picture).holderNumber);
        calls.push_back("show");
    }
    void serveEvents() override {
        calls.push_back("serve");
        ++services;
        if (onServe) onServe(services);
    }
    void clearWindow() override { calls.push_back("clear"); }
    void quit() override { throw Ended{"quit"}; }
    void showPointerMode(PointerMode mode) override { modes.push_back(mode); }
    void fail(const std::string& what) override { throw Ended{"failed: " + what}; }

    std::vector<Picture> pictures;
    int emptyHolder = 0;
    std::vector<int> shownHolders;
    std::vector<std::string> calls;
    std::vector<PointerMode> modes;
    std::function<void(int)> onServe;
    int services = 0;
};

class VornFormTest : public ::testing::Test {
protected:
    // Runs the form until it ends, and says how it ended.
    std::string runUntilEnded() {
        try {
            form.RunSequencer();
        } catch (const Ended& ended) {
            return ended.how;
        }
    }
    // Escape at the service that ends the pass showing `passes` frames
    // after the first.
    void escapeAfterPasses(int passes) {
        window.onServe = [this, passes](int service) {
            if (service == 19 + passes) form.Picture1_KeyPress(27);
        };
    }

    FakeFormWindow window;
    testing::FakeClock clock;
    VORN form{window, clock};
};

TEST_F(VornFormTest, ShowsHolderOneAtOnceThenRunsForwardOneSecondAFrame) {
    escapeAfterPasses(3);
    EXPECT_EQ(runUntilEnded(), "quit");
    EXPECT_EQ(window.shownHolders, (std::vector<int>{1, 2, 3, 4}));
    // The first show comes before any event is served; each pass serves
    // events once, after its pace.
    EXPECT_EQ(window.calls.front(), "show");
    EXPECT_EQ(window.services, 19 + 3);
    EXPECT_EQ(clock.sleeps, 3);
    EXPECT_EQ(clock.time.count(), 1'000'000 + 3 * 1'000'001'000LL);
}

TEST_F(VornFormTest, EscapeClearsTheWindowBeforeEnding) {
    escapeAfterPasses(1);
    runUntilEnded();
    EXPECT_EQ(window.calls.back(), "clear");
}

TEST_F(VornFormTest, AHolderWithoutAPictureEndsTheProgramNamingIt) {
    window.emptyHolder = 7;
    EXPECT_EQ(runUntilEnded(), "failed: Image7 carries no picture");
    EXPECT_EQ(window.shownHolders, (std::vector<int>{1}));
}

TEST_F(VornFormTest, AKeyServedDuringThePaceTurnsTheNextPassBack) {
    window.onServe = [this](int service) {
        if (service == 20) form.Picture1_KeyPress('-');
        if (service == 22) form.Picture1_KeyPress(27);
    };
    runUntilEnded();
    // Forward to holder 2; the request moves two back (to holder 20), then one.
    EXPECT_EQ(window.shownHolders, (std::vector<int>{1, 2, 20, 19}));
}

TEST_F(VornFormTest, ClicksShowThePointerModeTheyEnter) {
    form.Picture1_Click();
    form.Picture1_Click();
    EXPECT_EQ(window.modes, (std::vector<PointerMode>{PointerMode::kStepsFrames, PointerMode::kSetsSpeed}));
}

TEST_F(VornFormTest, ADoubleClickClearsAndQuitsInEitherMode) {
    form.Picture1_Click();
    EXPECT_THROW(form.Picture1_DblClick(), Ended);
    EXPECT_EQ(window.calls, (std::vector<std::string>{"clear"}));
}

TEST_F(VornFormTest, PointerMovesSetTheDelayOfTheNextPace) {
    form.Picture1_MouseMove(0, 0, 1.0f, 2.0f);
    EXPECT_DOUBLE_EQ(form.k, 60.0);
    form.PaceFrame();
    EXPECT_EQ(clock.time.count(), 1'000'000 + 61'000LL);
    EXPECT_EQ(window.services, 1);
}

TEST_F(VornFormTest, APointerThatOverflowsTheSpeedProductEndsItWithAFloatingPointError) {
    window.onServe = [this](int service) {
        if (service == 20) form.Picture1_MouseMove(0, 0, 3e19f, 1e19f);
    };
    EXPECT_EQ(runUntilEnded(), "failed: floating-point error");
}

}  // namespace
}  // namespace vorn
