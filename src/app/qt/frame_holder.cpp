#include "app/qt/frame_holder.hpp"

#include "qt_picture/screen_picture.hpp"

namespace vorn {

FrameHolder::FrameHolder(int holderNumber, const IndexedImage& frame, QObject* parent)
    : QObject(parent), picture_(toScreenPicture(frame)) {
    setObjectName(QStringLiteral("Image%1").arg(holderNumber));
}

}  // namespace vorn
