#include "app/win32/dib_picture.hpp"

#include <span>

#include "app/win32/screen_pixels.hpp"
#include "app/win32/win32_error.hpp"

namespace vorn::win32 {

DibPicture::DibPicture(const IndexedImage& frame) : width_(frame.width), height_(frame.height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width_;
    info.bmiHeader.biHeight = -height_;  // negative: top row first, as the frame is stored
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap_ == nullptr) {
        throwLastError("cannot make a " + std::to_string(width_) + " x " + std::to_string(height_) + " frame bitmap");
    }
    // 32-bit rows need no padding, so the bitmap's bits are the frame's
    // pixels in order.
    writeScreenPixels(frame, std::span(static_cast<std::uint32_t*>(bits), frame.pixels.size()));
}

DibPicture::~DibPicture() { DeleteObject(bitmap_); }

bool drawPicture(HDC dc, const DibPicture& picture, const ScaledWindow& window) {
    // One memory DC for the process: the window is drawn from one thread.
    static const HDC source = CreateCompatibleDC(nullptr);
    if (source == nullptr) {
        return false;
    }
    const PixelSize frame{picture.width(), picture.height()};
    const PixelSize visible = window.visibleFrame(frame);
    const PixelRect target = window.visibleFrameArea(frame);
    // COLORONCOLOR drops or repeats whole pixels and never blends them; at
    // a whole-number scale it repeats each one exactly s times.
    SetStretchBltMode(dc, COLORONCOLOR);
    const HGDIOBJ previous = SelectObject(source, picture.bitmap());
    const bool copied = StretchBlt(dc, target.left, target.top, target.width, target.height, source, 0, 0,
                                   visible.width, visible.height, SRCCOPY) != FALSE;
    SelectObject(source, previous);
    return copied;
}

}  // namespace vorn::win32
