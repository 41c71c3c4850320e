// The real program as a native Wayland client under headless sway: what a
// screenshot shows at whole and fractional output scales, keys typed at it,
// and the compositor's loss. Every start is with only the compositor's
// socket in the program's environment (no DISPLAY, no QT_QPA_PLATFORM).
#include <gtest/gtest.h>

#include <QDir>
#include <QtGlobal>
#include <QVersionNumber>
#include <chrono>
#include <cmath>
#include <optional>
#include <ostream>
#include <string>
#include <thread>

#include "app/qt/display_loss.hpp"
#include "running_vorn.hpp"
#include "sway_vorn.hpp"

namespace vorn::testing {
namespace {

int wrap(int index) { return (index % kFrameCount + kFrameCount) % kFrameCount; }

struct OutputScale {
    double output;
    // The whole number each frame pixel must be scaled by there.
    int framePixel;
};

std::string nameOf(double scale) { return QString::number(scale * 100).toStdString(); }

// GoogleTest names a failing case's parameter by this, rather than by its bytes.
void PrintTo(const OutputScale& scale, std::ostream* out) { *out << "output scale " << scale.output; }

// Qt's Wayland client follows a fractional scale from 6.5 (the
// wp-fractional-scale-v1 protocol), sway from 1.9; older ones draw at the
// next whole scale and let the compositor shrink the picture, which no
// program can keep exact. Whole scales need neither.
std::optional<std::string> whyTheScaleIsNotFollowed(HeadlessSway& sway) {
    if (sway.scale() == std::floor(sway.scale())) return std::nullopt;
    const auto [major, minor] = sway.version();
    const bool swayFollows = major > 1 || (major == 1 && minor >= 9);
    const bool qtFollows = QVersionNumber::fromString(qVersion()) >= QVersionNumber(6, 5);
    if (swayFollows && qtFollows) return std::nullopt;
    return "fractional scales need sway 1.9 and Qt 6.5; here sway " + std::to_string(major) + "." +
           std::to_string(minor) + " and Qt " + qVersion();
}

// Waits until the window's logical size is the smallest that holds the
// form at `s` in device pixels (less than a logical pixel spare); the last
// size seen when it never is.
std::optional<QSize> waitForSmallestHoldingSize(HeadlessSway& sway, const SwayVorn& vorn, int s) {
    const auto holds = [&](QSize logical) {
        const QSizeF device = QSizeF(logical) * sway.scale();
        const QSizeF form(kClientWidth * s, kClientHeight * s);
        return device.width() >= form.width() && device.width() < form.width() + sway.scale() &&
               device.height() >= form.height() && device.height() < form.height() + sway.scale();
    };
    const auto deadline = std::chrono::steady_clock::now() + kNextPassBudget;
    QSize seen;
    do {
        if (const auto view = vorn.view()) seen = view->size();
        if (holds(seen)) return std::nullopt;
        std::this_thread::sleep_for(10ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return seen;
}

class AtOutputScale : public ::testing::TestWithParam<OutputScale> {
protected:
    void SetUp() override {
        if (const auto why = whyTheScaleIsNotFollowed(sway)) GTEST_SKIP() << *why;
    }

    HeadlessSway sway{GetParam().output};
};

// Catches a scale off the whole-number rule (1.5 taken as 2, say), frame
// pixels of uneven widths (a fractional ratio painted in logical pixels, or
// a buffer the compositor stretches), and a window left at the size of
// another ratio, the rest of it in the face colour.
TEST_P(AtOutputScale, ShowsEveryFramePixelAsAnExactBlock) {
    SwayVorn vorn(sway);
    const int s = GetParam().framePixel;
    ASSERT_EQ(vorn.scale(), s);
    if (!vorn.frameOnScreen()) {
        const QString saved = QDir::temp().filePath(QString("vorn-sway-%1.png").arg(nameOf(sway.scale()).c_str()));
        vorn.lastScreenshot().save(saved);
        FAIL() << "the frame on screen is not in exact blocks; the screenshot is " << saved.toStdString();
    }
    const auto wrongSize = waitForSmallestHoldingSize(sway, vorn, s);
    EXPECT_FALSE(wrongSize.has_value()) << "logical size " << wrongSize->width() << " x " << wrongSize->height()
                                        << ", " << wrongSize->width() * sway.scale() << " x "
                                        << wrongSize->height() * sway.scale() << " device pixels, to hold "
                                        << kClientWidth * s << " x " << kClientHeight * s;
}

// Catches keys that never reach a native Wayland window, and a quit that
// hangs or fails there. A backward step cannot come from the start run.
TEST_P(AtOutputScale, KeysStepTheFramesAndEscapeQuitsWithStatusZero) {
    SwayVorn vorn(sway);
    const auto shown = vorn.waitForChangeFrom(-1, kNextPassBudget);
    ASSERT_TRUE(shown.has_value());
    const auto next = vorn.waitForChangeFrom(*shown, kNextPassBudget);
    ASSERT_TRUE(next.has_value());
    // Right after a change: a whole pass before the next one.
    sway.type({"."});  // start run: one step forward, then halt
    ASSERT_TRUE(vorn.waitForFrame(wrap(*next + 1), kNextPassBudget));
    sway.type({"/"});
    ASSERT_TRUE(vorn.waitForFrame(*next, kNextPassBudget)) << "'/' steps back one frame";
    sway.type({"-k", "Escape"});
    EXPECT_EQ(vorn.waitForExit(kExitBudget), 0);
}

INSTANTIATE_TEST_SUITE_P(Whole, AtOutputScale, ::testing::Values(OutputScale{1, 1}, OutputScale{2, 2}),
                         [](const auto& info) { return nameOf(info.param.output); });

// 125 % and 150 %, the usual laptop settings: both below the rule's 1.75.
INSTANTIATE_TEST_SUITE_P(Fractional, AtOutputScale, ::testing::Values(OutputScale{1.25, 1}, OutputScale{1.5, 1}),
                         [](const auto& info) { return nameOf(info.param.output); });

// When sway is killed, catches Qt's own line, a crash, a hang or a status
// other than 1: the program's one line is all there may be.
struct Loss {
    const char* name;
    double output;
    SwayVorn::StartedAt killedAt;
};

void PrintTo(const Loss& loss, std::ostream* out) { *out << loss.name; }

class CompositorLoss : public ::testing::TestWithParam<Loss> {};

TEST_P(CompositorLoss, EndsTheProgramWithItsOneLineAndStatusOne) {
    HeadlessSway sway(GetParam().output);
    if (const auto why = whyTheScaleIsNotFollowed(sway)) GTEST_SKIP() << *why;
    SwayVorn vorn(sway, GetParam().killedAt);
    if (GetParam().killedAt == SwayVorn::StartedAt::kFrameShown) {
        const auto first = vorn.waitForChangeFrom(-1, kNextPassBudget);
        ASSERT_TRUE(first.has_value());
        ASSERT_TRUE(vorn.waitForChangeFrom(*first, kNextPassBudget).has_value()) << "the frames never ran";
    }
    sway.kill();
    EXPECT_EQ(vorn.waitForExit(kExitBudget), 1);
    EXPECT_EQ(vorn.standardError().toStdString(), std::string("vorn: ") + kDisplayLostMessage + "\n");
}

INSTANTIATE_TEST_SUITE_P(Loss, CompositorLoss,
                         ::testing::Values(Loss{"AsTheWindowAppears", 1, SwayVorn::StartedAt::kWindowShown},
                                           Loss{"WhileTheFramesRun", 1, SwayVorn::StartedAt::kFrameShown},
                                           Loss{"AsTheWindowAppearsAt200", 2, SwayVorn::StartedAt::kWindowShown},
                                           Loss{"WhileTheFramesRunAt200", 2, SwayVorn::StartedAt::kFrameShown}),
                         [](const auto& info) { return std::string(info.param.name); });

// At 150 % as well: whatever Qt says of a fractional ratio as the window
// appears would come before the one line.
INSTANTIATE_TEST_SUITE_P(FractionalLoss, CompositorLoss,
                         ::testing::Values(Loss{"WhileTheFramesRunAt150", 1.5, SwayVorn::StartedAt::kFrameShown}),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vorn::testing
