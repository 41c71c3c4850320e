#pragma once

#include <windows.h>

#include "app/shared/display_scale.hpp"
#include "app/form/platform_window.hpp"
#include "frames/indexed_image.hpp"

namespace vorn::win32 {

// One frame as a 32-bit device-independent bitmap (a DIB section) in the
// frame palette's colours, made once at start-up, so that showing it is one
// BitBlt with no conversion.
class DibPicture final : public FramePicture {
public:
    // Throws Win32Error if the bitmap cannot be made.
    explicit DibPicture(const IndexedImage& frame);
    ~DibPicture() override;
    DibPicture(const DibPicture&) = delete;
    DibPicture& operator=(const DibPicture&) = delete;

    int width() const { return width_; }
    int height() const { return height_; }
    HBITMAP bitmap() const { return bitmap_; }

private:
    int width_;
    int height_;
    HBITMAP bitmap_ = nullptr;
};

// Copies the part of `picture` that the picture area of `window` shows to the
// area's inner top-left corner on `dc`, each pixel an s × s block: no
// filtering, no enlarged copy kept. False, with the reason in GetLastError,
// when the copy failed.
bool drawPicture(HDC dc, const DibPicture& picture, const ScaledWindow& window);

}  // namespace vorn::win32
