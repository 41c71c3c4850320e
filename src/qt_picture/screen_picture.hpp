#pragma once

#include <QImage>

#include "frames/indexed_image.hpp"

namespace vorn {

// The frame as an opaque 32-bit picture in the frame palette's colours: what
// the window shows and what the documentation's pictures are made from.
QImage toScreenPicture(const IndexedImage& frame);

}  // namespace vorn
