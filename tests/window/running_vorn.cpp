#include "running_vorn.hpp"

#include <algorithm>
#include <string>
#include <stdexcept>
#include <thread>

#include "frames/frame_set.hpp"
#include "frames/palette.hpp"
#include "program_command.hpp"

namespace vorn::testing {
namespace {

// What is left of a budget that ends at `deadline`; none once it has passed.
std::chrono::milliseconds remainingUntil(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    return std::max(left, std::chrono::milliseconds(0));
}

}  // namespace

ScreenFrames::ScreenFrames() {
    const FrameSet set = FrameSet::loadEmbedded();
    const auto& palette = framePalette();
    for (int index = 0; index < kFrameCount; ++index) {
        const IndexedImage& picture = set.holderPicture(index + 1);
        QImage visible(kVisibleFrame, QImage::Format_RGB32);
        for (int y = 0; y < kVisibleFrame.height(); ++y) {
            for (int x = 0; x < kVisibleFrame.width(); ++x) {
                const Rgb& c = palette[picture.at(x, y)];
                visible.setPixel(x, y, qRgb(c.red, c.green, c.blue));
            }
        }
        frames_[static_cast<std::size_t>(index)] = visible;
    }
    chooseBand();
}

void ScreenFrames::chooseBand() {
    constexpr int kBandHeight = 8;
    for (int top = 0; top + kBandHeight <= kVisibleFrame.height(); top += kBandHeight) {
        const QRect candidate(0, top, kVisibleFrame.width(), kBandHeight);
        for (int index = 0; index < kFrameCount; ++index) {
            bands_[static_cast<std::size_t>(index)] = frames_[static_cast<std::size_t>(index)].copy(candidate);
        }
        bool allDiffer = true;
        for (int a = 0; a < kFrameCount && allDiffer; ++a) {
            for (int b = a + 1; b < kFrameCount && allDiffer; ++b) {
                allDiffer = bands_[static_cast<std::size_t>(a)] != bands_[static_cast<std::size_t>(b)];
            }
        }
        if (allDiffer) {
            band_ = candidate;
            return;
        }
    }
    throw std::runtime_error("no band of rows tells all twenty frames apart");
}

std::optional<int> ScreenFrames::identifyBand(const QImage& rows) const { return match(bands_, rows); }

std::optional<int> ScreenFrames::identify(const QImage& visible) const { return match(frames_, visible); }

std::optional<int> ScreenFrames::match(const std::array<QImage, kFrameCount>& references, const QImage& seen) {
    const QImage candidate = seen.convertToFormat(QImage::Format_RGB32);
    for (int index = 0; index < kFrameCount; ++index) {
        if (candidate == references[static_cast<std::size_t>(index)]) return index;
    }
    return std::nullopt;
}

const ScreenFrames& RunningVorn::frames() {
    static const ScreenFrames screenFrames;
    return screenFrames;
}

// The reference frames are made before the program starts, so that the
// first look at the screen is not late. The program counts as started once
// its loop runs: every later wait is for something the program does after
// that, and none has to allow for the start as well.
//
// The first frame is shown before the rest of the frame table is loaded,
// and the start run then overrides the speed that any input served during
// the loading set; input sent on seeing the first frame could land there and
// be undone (it did under Wine, whose event service is slower). The loop's
// first pass shows the next frame at once, so waiting for it costs nothing.
RunningVorn::RunningVorn(StartedAt startedAt) : process_((frames(), programCommand())) {
    const auto deadline = std::chrono::steady_clock::now() + kStartBudget;
    const auto found = display_.findWindow(QString::fromLatin1(kCaption), kStartBudget, process_.pid());
    if (!found) {
        throw std::runtime_error("the VORN window did not appear within the start budget");
    }
    window_ = *found;
    const QRect client = clientArea();
    scale_ = std::max(1, client.width() / kClientWidth);
    if (client.size() != QSize(kClientWidth, kClientHeight) * scale_) {
        throw std::runtime_error("the VORN window's client area, " + std::to_string(client.width()) + " x " +
                                 std::to_string(client.height()) + ", is not the form's scaled by a whole number");
    }
    const auto first = waitForChangeFrom(-1, remainingUntil(deadline));
    if (!first) {
        throw std::runtime_error("the VORN window showed no frame within the start budget");
    }
    if (startedAt == StartedAt::kLoopRunning && !waitForChangeFrom(*first, remainingUntil(deadline))) {
        throw std::runtime_error("the VORN window's loop did not start within the start budget");
    }
}

QPoint RunningVorn::innerPixel(int column, int row) {
    return clientArea().topLeft() + QPoint(2 + column, 2 + row) * scale_;
}

QImage RunningVorn::grabVisibleFrame() { return display_.grab(QRect(innerPixel(0, 0), kVisibleFrame * scale_)); }

std::optional<int> RunningVorn::frameOnScreen() { return frames().identify(sampleBlocks(grabVisibleFrame(), scale_)); }

std::optional<int> RunningVorn::frameInBand() {
    const QRect band = frames().band();
    const QRect onScreen(innerPixel(0, 0) + band.topLeft() * scale_, band.size() * scale_);
    return frames().identifyBand(sampleBlocks(display_.grab(onScreen), scale_));
}

QImage blocksOf(const QImage& image, int scale) {
    QImage blocks(image.size() * scale, QImage::Format_RGB32);
    for (int y = 0; y < blocks.height(); ++y) {
        for (int x = 0; x < blocks.width(); ++x) blocks.setPixel(x, y, image.pixel(x / scale, y / scale));
    }
    return blocks;
}

QImage sampleBlocks(const QImage& image, int scale) {
    if (scale == 1) return image;
    QImage samples(image.size() / scale, QImage::Format_RGB32);
    for (int y = 0; y < samples.height(); ++y) {
        for (int x = 0; x < samples.width(); ++x) samples.setPixel(x, y, image.pixel(x * scale, y * scale));
    }
    return samples;
}

std::optional<int> RunningVorn::waitForNextFrame(std::chrono::milliseconds budget) {
    const auto deadline = std::chrono::steady_clock::now() + budget;
    // A look that catches a frame half drawn identifies none; look again.
    std::optional<int> before;
    while (!(before = frameOnScreen()) && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(5ms);
    }
    if (!before) return std::nullopt;
    return waitForChangeFrom(*before, remainingUntil(deadline));
}

bool RunningVorn::waitForFrame(int index, std::chrono::milliseconds budget) {
    return sightFrame(index, budget).has_value();
}

std::optional<FrameSighting> RunningVorn::sightFrame(int index, std::chrono::milliseconds budget) {
    const auto deadline = std::chrono::steady_clock::now() + budget;
    do {
        const auto lookedAt = std::chrono::steady_clock::now();
        if (frameInBand() == index) return FrameSighting{index, lookedAt};
        std::this_thread::sleep_for(1ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

std::optional<int> RunningVorn::waitForChangeFrom(int index, std::chrono::milliseconds budget) {
    return lookUntil([this] { return frameOnScreen(); }, [index](int seen) { return seen != index; }, budget);
}

std::vector<FrameSighting> RunningVorn::watch(std::chrono::milliseconds period) {
    std::vector<FrameSighting> seen;
    const auto deadline = std::chrono::steady_clock::now() + period;
    while (std::chrono::steady_clock::now() < deadline) {
        const auto lookedAt = std::chrono::steady_clock::now();
        const auto now = frameInBand();
        if (now && (seen.empty() || seen.back().frame != *now)) seen.push_back({*now, lookedAt});
        std::this_thread::sleep_for(1ms);
    }
    return seen;
}

}  // namespace vorn::testing
