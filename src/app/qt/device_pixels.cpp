#include "app/qt/device_pixels.hpp"

#include <QRectF>
#include <cmath>

namespace vorn {
namespace {

// A ratio such as 1.1 is not exact in binary; a product within this of a
// whole number is that number.
constexpr qreal kRounding = 1e-6;

int logicalLengthHolding(int device, qreal ratio) {
    return static_cast<int>(std::ceil(device / ratio - kRounding));
}

}  // namespace

QSize logicalSizeHolding(QSize device, qreal ratio) {
    return {logicalLengthHolding(device.width(), ratio), logicalLengthHolding(device.height(), ratio)};
}

QRect logicalCover(const QRect& device, qreal ratio) {
    const QRectF logical(device.x() / ratio, device.y() / ratio, device.width() / ratio, device.height() / ratio);
    return logical.toAlignedRect();
}

int densityAtRatio(qreal logicalDotsPerInch, qreal ratio) {
    return static_cast<int>(std::lround(logicalDotsPerInch * ratio));
}

}  // namespace vorn
