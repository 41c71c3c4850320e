#include "vorn-icon/window_icon.hpp"

#include <stdexcept>
#include <string>

#include "frames/raster.hpp"

namespace vorn::icon {
namespace {

// A rectangle of whole pixels: inclusive column and row ranges, as the
// raster's fills take them.
struct PixelBox {
    PixelRange columns;
    PixelRange rows;
};

// Shrinks `box` by `margin` pixels on every side; a box that vanishes is
// left with an empty range, which fills nothing.
PixelBox inset(PixelBox box, int margin) {
    return {{box.columns.first + margin, box.columns.last - margin}, {box.rows.first + margin, box.rows.last - margin}};
}

// The proportions of the window at one icon size. The sizes are laid out
// separately because shrinking the large layout would leave the small icons
// with a blurred-out caption and no visible buttons.
struct WindowLayout {
    PixelBox window;        // outer edge of the frame outline
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
            return {{{0, 14}, {0, 14}}, 1, 0, 4, 2, 2, 0};
        case kTaskbarIconSize:
            return {{{0, 21}, {1, 21}}, 2, 1, 5, 3, 3, 3};
        case kLargeIconSize:
            return {{{0, 29}, {1, 29}}, 2, 1, 6, 4, 3, 7};
        default:
            throw std::invalid_argument("window icon: no layout for size " + std::to_string(size) +
                                        " (only 16, 24 and 32 are drawn)");
    }
}

// Each pixel of `image` as a factor x factor block.
IndexedImage enlarged(const IndexedImage& image, int factor) {
    IndexedImage result(image.width * factor, image.height * factor, 0);
    for (int y = 0; y < result.height; ++y) {
        for (int x = 0; x < result.width; ++x) {
            result.at(x, y) = image.at(x / factor, y / factor);
        }
    }
    return result;
}

void paint(IndexedImage& image, PixelBox box, IconRole role) {
    fillRect(image, box.columns, box.rows, static_cast<std::uint8_t>(role));
}

void paintCaption(IndexedImage& image, const WindowLayout& layout, PixelBox caption) {
    paint(image, caption, IconRole::kCaption);
    const int buttonTop = caption.rows.first + (layout.captionHeight - layout.buttonSize) / 2;
    const PixelRange buttonRows{buttonTop, buttonTop + layout.buttonSize - 1};
    const int gap = 1;
    int buttonLast = caption.columns.last - gap;
    for (int i = 0; i < layout.buttonCount; ++i) {
        paint(image, {{buttonLast - layout.buttonSize + 1, buttonLast}, buttonRows}, IconRole::kCaptionButton);
        buttonLast -= layout.buttonSize + gap;
    }
    if (layout.captionTextWidth > 0) {
        const int textLeft = caption.columns.first + 2;
        const int textRow = caption.rows.first + layout.captionHeight / 2;
        paint(image, {{textLeft, textLeft + layout.captionTextWidth - 1}, {textRow, textRow}},
              IconRole::kCaptionText);
    }
}

}  // namespace

IndexedImage drawWindowIcon(int size) {
    const WindowLayout layout = layoutFor(size);
    IndexedImage image(size, size, static_cast<std::uint8_t>(IconRole::kTransparent));

    const int offset = layout.shadowOffset;
    const PixelBox shadow{{layout.window.columns.first + offset, layout.window.columns.last + offset},
                          {layout.window.rows.first + offset, layout.window.rows.last + offset}};
    paint(image, shadow, IconRole::kShadow);

    paint(image, layout.window, IconRole::kFrameOutline);
    const PixelBox insideOutline = inset(layout.window, 1);
    paint(image, insideOutline, IconRole::kFrameFace);
    const PixelBox contents = inset(insideOutline, layout.frameFaceWidth);

    const int captionTop = contents.rows.first;
    const PixelBox caption{contents.columns, {captionTop, captionTop + layout.captionHeight - 1}};
    paintCaption(image, layout, caption);

    // One outline row separates the caption from the client area.
    const int separatorRow = caption.rows.last + 1;
    paint(image, {contents.columns, {separatorRow, separatorRow}}, IconRole::kFrameOutline);
    paint(image, {contents.columns, {separatorRow + 1, contents.rows.last}}, IconRole::kClient);
    return image;
}

IndexedImage windowIconAt(int size) {
    constexpr int kLargestIcon = 256;
    if (size == kSmallIconSize || size == kTaskbarIconSize || size == kLargeIconSize) {
        return drawWindowIcon(size);
    }
    if (size > 0 && size <= kLargestIcon) {
        for (const int drawn : {kLargeIconSize, kSmallIconSize}) {
            if (size % drawn == 0) {
                return enlarged(drawWindowIcon(drawn), size / drawn);
            }
        }
    }
    throw std::invalid_argument("window icon: size " + std::to_string(size) +
                                " is neither drawn nor a whole multiple of 16 up to 256");
}

}  // namespace vorn::icon
