#pragma once

#include <QImage>
#include <QObject>

#include "app/form/platform_window.hpp"
#include "frames/indexed_image.hpp"

namespace vorn {

// A windowless, never visible holder of one frame picture (Image1..Image20).
// It converts its frame to the screen's pixel format once, when it is made,
// so that showing the frame later copies and converts nothing.
class FrameHolder final : public QObject, public FramePicture {
    Q_OBJECT
public:
    FrameHolder(int holderNumber, const IndexedImage& frame, QObject* parent);

    const QImage& picture() const { return picture_; }

private:
    QImage picture_;
};

}  // namespace vorn
