#include "vorn-icon/window_icon.hpp"

#include <stdexcept>
#include <string>

#include "vorn-icon/rectangle_fill.hpp"

namespace vorn::icon {
namespace {

// The proportions of the window at one icon size. The two sizes are laid out
// separately because halving the large layout would leave the small icon
// with a blurred-out caption and no visible buttons.
struct WindowLayout {
    PixelRect window;       // outer edge of the frame outline
    int shadowOffset;       // how far the shadow sits to the right and down
    int frameFaceWidth;     // sizing border inside the outline
    int captionHeight;
    int buttonSize;
    int buttonCount;
    int captionTextWidth;   // 0: no title line (too small to read as one)
};

WindowLayout layoutFor(int size) {
    switch (size) {
        case kSmallIconSize:
            return {{0, 0, 15, 15}, 1, 0, 4, 2, 2, 0};
        case kLargeIconSize:
            return {{0, 1, 30, 29}, 2, 1, 6, 4, 3, 7};
        default:
            throw std::invalid_argument("window icon: no layout for size " + std::to_string(size) +
                                        " (only 16 and 32 are drawn)");
    }
}

void paint(IndexedImage& image, PixelRect rect, IconRole role) {
    fillRect(image, rect, static_cast<std::uint8_t>(role));
}

void paintCaption(IndexedImage& image, const WindowLayout& layout, PixelRect caption) {
    paint(image, caption, IconRole::kCaption);
    const int buttonTop = caption.y + (caption.height - layout.buttonSize) / 2;
    const int gap = 1;
    int buttonRight = caption.right() - gap;
    for (int i = 0; i < layout.buttonCount; ++i) {
        paint(image, {buttonRight - layout.buttonSize, buttonTop, layout.buttonSize, layout.buttonSize},
              IconRole::kCaptionButton);
        buttonRight -= layout.buttonSize + gap;
    }
    if (layout.captionTextWidth > 0) {
        paint(image, {caption.x + 2, caption.y + caption.height / 2, layout.captionTextWidth, 1},
              IconRole::kCaptionText);
    }
}

}  // namespace

IndexedImage drawWindowIcon(int size) {
    const WindowLayout layout = layoutFor(size);
    IndexedImage image(size, size, static_cast<std::uint8_t>(IconRole::kTransparent));

    PixelRect shadow = layout.window;
    shadow.x += layout.shadowOffset;
    shadow.y += layout.shadowOffset;
    paint(image, shadow, IconRole::kShadow);

    paint(image, layout.window, IconRole::kFrameOutline);
    const PixelRect insideOutline = inset(layout.window, 1);
    paint(image, insideOutline, IconRole::kFrameFace);
    const PixelRect contents = inset(insideOutline, layout.frameFaceWidth);

    const PixelRect caption{contents.x, contents.y, contents.width, layout.captionHeight};
    paintCaption(image, layout, caption);

    // One outline row separates the caption from the client area.
    const int clientTop = caption.bottom() + 1;
    paint(image, {contents.x, caption.bottom(), contents.width, 1}, IconRole::kFrameOutline);
    paint(image, {contents.x, clientTop, contents.width, contents.bottom() - clientTop}, IconRole::kClient);
    return image;
}

}  // namespace vorn::icon
