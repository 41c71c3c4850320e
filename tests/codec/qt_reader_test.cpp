// Qt's own BMP reader, a decoder written independently of ours, reads the
// generated frames and encoder output to the same colours as our decoder
// and the frame palette give.

#include <gtest/gtest.h>

#include <QImage>
#include <filesystem>
#include <string>

#include "codec_test_support.hpp"
#include "frames/bmp_rle8_decoder.hpp"
#include "frames/bmp_rle8_encoder.hpp"
#include "frames/palette.hpp"

namespace vorn {
namespace {

using test::Bytes;

QImage readWithQt(const Bytes& file) {
    QImage image;
    image.loadFromData(file.data(), static_cast<int>(file.size()), "BMP");
    return image;
}

// Compares colours, not indices: Qt may keep or drop the palette.
void expectSameColours(const QImage& qtImage, const IndexedImage& ours) {
    ASSERT_FALSE(qtImage.isNull()) << "Qt could not read the file";
    ASSERT_EQ(qtImage.width(), ours.width);
    ASSERT_EQ(qtImage.height(), ours.height);
    const QImage rgb = qtImage.convertToFormat(QImage::Format_RGB32);
    int mismatches = 0;
    for (int y = 0; y < ours.height; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < ours.width; ++x) {
            const Rgb want = framePalette()[ours.at(x, y)];
            const QRgb got = line[x];
            if (qRed(got) != want.red || qGreen(got) != want.green || qBlue(got) != want.blue) {
                if (++mismatches <= 5) {
                    ADD_FAILURE() << "pixel (" << x << ", " << y << ") differs";
                }
            }
        }
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(QtReader, ReadsEveryGeneratedFrameToOurPixels) {
    for (int holder = 1; holder <= 20; ++holder) {
        SCOPED_TRACE("Image" + std::to_string(holder));
        const Bytes file = test::readFileBytes(std::filesystem::path(VORN_GENERATED_FRAMES_DIR) /
                                               ("Image" + std::to_string(holder) + ".bmp"));
        expectSameColours(readWithQt(file), decodeBmpRle8(file));
    }
}

// Random pictures use absolute runs of every length and parity, which the
// drawn frames may hardly use.
TEST(QtReader, ReadsEncodedRandomPicturesToTheSamePixels) {
    for (const int colourCount : {2, 5, 256}) {
        SCOPED_TRACE(colourCount);
        const IndexedImage picture = test::randomFrame(static_cast<unsigned>(colourCount), colourCount);
        expectSameColours(readWithQt(encodeBmpRle8(picture)), picture);
    }
}

}  // namespace
}  // namespace vorn
