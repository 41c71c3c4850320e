#include "qt_picture/screen_picture.hpp"

#include <QList>

#include "frames/palette.hpp"

namespace vorn {

QImage toScreenPicture(const IndexedImage& frame) {
    QImage indexed(frame.pixels.data(), frame.width, frame.height, frame.width, QImage::Format_Indexed8);
    QList<QRgb> colours;
    colours.reserve(256);
    for (const Rgb& c : framePalette()) {
        colours.append(qRgb(c.red, c.green, c.blue));
    }
    indexed.setColorTable(colours);
    // Opaque 32-bit pixels are what the raster paint engine draws without a
    // conversion; converting also detaches the picture from the frame's bytes.
    return indexed.convertToFormat(QImage::Format_RGB32);
}

}  // namespace vorn
