#include "running_vorn.hpp"

#include <stdexcept>
#include <thread>

#include "frames/frame_set.hpp"
#include "frames/palette.hpp"

namespace vorn::testing {

ScreenFrames::ScreenFrames() {
    const FrameSet set = FrameSet::loadEmbedded();
    const auto& palette = framePalette();
    for (int index = 0; index < 20; ++index) {
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
}

std::optional<int> ScreenFrames::identify(const QImage& visible) const {
    const QImage candidate = visible.convertToFormat(QImage::Format_RGB32);
    for (int index = 0; index < 20; ++index) {
        if (candidate == frames_[static_cast<std::size_t>(index)]) return index;
    }
    return std::nullopt;
}

const ScreenFrames& RunningVorn::frames() {
    static const ScreenFrames screenFrames;
    return screenFrames;
}

// The reference frames are made before the program starts, so that the
// first look at the screen is not late.
RunningVorn::RunningVorn() : process_((frames(), VORN_EXECUTABLE)) {
    const auto found = display_.findWindow(QString::fromLatin1(kCaption), 10s);
    if (!found) {
        throw std::runtime_error("the VORN window did not appear within 10 s");
    }
    window_ = *found;
}

QPoint RunningVorn::innerPixel(int column, int row) { return clientArea().topLeft() + QPoint(2 + column, 2 + row); }

std::optional<int> RunningVorn::frameOnScreen() {
    return frames().identify(display_.grab(QRect(innerPixel(0, 0), kVisibleFrame)));
}

bool RunningVorn::waitForFrame(int index, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        if (frameOnScreen() == index) return true;
        std::this_thread::sleep_for(5ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return false;
}

std::optional<int> RunningVorn::waitForChangeFrom(int index, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    do {
        const auto now = frameOnScreen();
        if (now && *now != index) return now;
        std::this_thread::sleep_for(5ms);
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

std::vector<int> RunningVorn::watch(std::chrono::milliseconds period) {
    std::vector<int> seen;
    const auto deadline = std::chrono::steady_clock::now() + period;
    while (std::chrono::steady_clock::now() < deadline) {
        const auto now = frameOnScreen();
        if (now && (seen.empty() || seen.back() != *now)) seen.push_back(*now);
        std::this_thread::sleep_for(5ms);
    }
    return seen;
}

}  // namespace vorn::testing
