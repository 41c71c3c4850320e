// The window on Qt's offscreen platform: its shape, border, background,
// focus and holders, without a display.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QPixmap>
#include <map>

#include "app/qt/frame_holder.hpp"
#include "app/qt/picture_area.hpp"
#include "app/qt/vorn_window.hpp"
#include "frames/frame_set.hpp"
#include "frames/palette.hpp"

namespace vorn {
namespace {

const FrameSet& frameSet() {
    static const FrameSet frames = FrameSet::loadEmbedded();
    return frames;
}

// Whether every pixel of `picture` is the frame palette's colour for the
// frame's index there, opaque: worked out pixel by pixel here, not by the
// conversion the holders use.
bool showsInPaletteColours(const QImage& picture, const IndexedImage& frame) {
    const auto& palette = framePalette();
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            const Rgb& colour = palette[frame.at(x, y)];
            if (picture.pixel(x, y) != qRgb(colour.red, colour.green, colour.blue)) return false;
        }
    }
    return true;
}

QImage rendered(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

class VornWindowTest : public ::testing::Test {
protected:
    VornWindow window{frameSet()};
    PictureArea& picture = *window.picture1();
};

TEST_F(VornWindowTest, HasTheCaptionAndAFixedClientArea) {
    EXPECT_EQ(window.windowTitle().toStdString(),
              "VORN and Conventional             Use: SpaceBar + - / * mouse , .             ESC to Quit");
    EXPECT_EQ(window.size(), QSize(583, 553));
    EXPECT_EQ(window.minimumSize(), QSize(583, 553));
    EXPECT_EQ(window.maximumSize(), QSize(583, 553));
    EXPECT_EQ(window.objectName(), "VORN");
}

// Every frame pixel of the visible frame an exact s × s block inside the
// edge, 2 s device pixels wide.
void expectExactBlocks(const QImage& shot, const QImage& frame, int s) {
    for (int y = 0; y < 550; ++y) {
        for (int x = 0; x < 579; ++x) {
            const QRgb expected = frame.pixel(x, y) | 0xff000000u;
            for (int dy = 0; dy < s; ++dy) {
                for (int dx = 0; dx < s; ++dx) {
                    ASSERT_EQ(shot.pixel(2 * s + s * x + dx, 2 * s + s * y + dy), expected) << x << "," << y;
                }
            }
        }
    }
}

TEST_F(VornWindowTest, AtScaleTwoEveryFramePixelIsATwoByTwoBlockInsideAFourPixelEdge) {
    window.setScale(2);
    EXPECT_EQ(window.size(), QSize(1166, 1106));
    const QImage& frame = window.holder(4)->picture();
    picture.showPicture(&frame);
    const QImage shot = rendered(window);
    ASSERT_EQ(shot.size(), QSize(1166, 1106));
    expectExactBlocks(shot, frame, 2);
    const QPalette& colours = picture.palette();
    for (int x : {0, 1}) EXPECT_EQ(shot.pixel(x, 300), colours.color(QPalette::Dark).rgb()) << x;
    for (int x : {2, 3}) EXPECT_EQ(shot.pixel(x, 300), colours.color(QPalette::Shadow).rgb()) << x;
    for (int x : {1162, 1163}) EXPECT_EQ(shot.pixel(x, 300), colours.color(QPalette::Midlight).rgb()) << x;
    for (int x : {1164, 1165}) EXPECT_EQ(shot.pixel(x, 300), colours.color(QPalette::Light).rgb()) << x;
    const QRgb face = window.palette().color(QPalette::Button).rgb();
    EXPECT_EQ(shot.pixel(600, 1104), face) << "inner row 550, both device rows of it";
    EXPECT_EQ(shot.pixel(600, 1105), face);
}

// Run once for each ratio Qt may apply (QT_SCALE_FACTOR, as a compositor's
// fractional scale sets it), on a screen large enough for scale 2. Painted in
// logical pixels, the frames came out with columns one and two device pixels
// wide at 1.25 and 1.5, and the window's scale followed only X11's density.
TEST_F(VornWindowTest, AtTheScreensRatioEveryFramePixelIsAnExactBlockAndSparePixelsTakeTheFace) {
    const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
    if (factor.isEmpty()) GTEST_SKIP() << "runs with QT_SCALE_FACTOR set";
    // The whole number nearest 96 × ratio / 96, the lower one preferred.
    const std::map<QByteArray, int> scaleAt = {{"1.25", 1}, {"1.5", 1}, {"1.75", 2}, {"2", 2}, {"2.5", 2}};
    ASSERT_TRUE(scaleAt.contains(factor)) << factor.constData();
    const int s = scaleAt.at(factor);
    window.centreOnScreen();
    const QImage& frame = window.holder(4)->picture();
    picture.showPicture(&frame);
    const QImage shot = rendered(window);
    ASSERT_GE(shot.width(), 583 * s);
    ASSERT_GE(shot.height(), 553 * s);
    EXPECT_LE(shot.width(), 583 * s + 2) << "a logical pixel more than the window needs";
    expectExactBlocks(shot, frame, s);
    const QRgb face = window.palette().color(QPalette::Button).rgb();
    for (int x = 583 * s; x < shot.width(); ++x) EXPECT_EQ(shot.pixel(x, 300), face) << "spare column " << x;
    for (int y = 553 * s; y < shot.height(); ++y) EXPECT_EQ(shot.pixel(300, y), face) << "spare row " << y;
    EXPECT_EQ(shot.pixel(583 * s - 1, 300), picture.palette().color(QPalette::Light).rgb()) << "the edge's last column";
}

TEST_F(VornWindowTest, HoldersAreNamedInvisibleAndCarryTheirFrames) {
    for (int number = 1; number <= 20; ++number) {
        const FrameHolder* holder = window.holder(number);
        ASSERT_NE(holder, nullptr);
        EXPECT_EQ(holder->objectName(), QStringLiteral("Image%1").arg(number));
        EXPECT_FALSE(holder->isWidgetType()) << "a holder never paints";
        EXPECT_EQ(holder->picture().size(), QSize(580, 550));
        EXPECT_TRUE(showsInPaletteColours(holder->picture(), frameSet().holderPicture(number))) << "Image" << number;
    }
    // They stand in the window's element order: Image20 first, Image1 last.
    QStringList order;
    for (const QObject* child : picture.children()) {
        if (qobject_cast<const FrameHolder*>(child) != nullptr) order << child->objectName();
    }
    EXPECT_EQ(order.first(), "Image20");
    EXPECT_EQ(order.at(7), "Image12");
    EXPECT_EQ(order.at(9), "Image13");
    EXPECT_EQ(order.last(), "Image1");
}

TEST_F(VornWindowTest, BeforeAnyFrameTheInnerAreaShowsOnlyTheFaceColour) {
    const QImage shot = rendered(window);
    const QRgb face = window.palette().color(QPalette::Button).rgb();
    for (int y = 2; y < 553; y += 37) {
        for (int x = 2; x < 581; x += 41) {
            ASSERT_EQ(shot.pixel(x, y), face) << x << "," << y;
        }
    }
}

TEST_F(VornWindowTest, BorderIsAWindowsClientEdge) {
    const QImage shot = rendered(window);
    const QPalette& colours = picture.palette();
    // Sunken: dark then shadow along the top and left, light then midlight
    // along the right (the bottom edge lies below the window).
    EXPECT_EQ(shot.pixel(100, 0), colours.color(QPalette::Dark).rgb());
    EXPECT_EQ(shot.pixel(0, 100), colours.color(QPalette::Dark).rgb());
    EXPECT_EQ(shot.pixel(100, 1), colours.color(QPalette::Shadow).rgb());
    EXPECT_EQ(shot.pixel(1, 100), colours.color(QPalette::Shadow).rgb());
    EXPECT_EQ(shot.pixel(582, 100), colours.color(QPalette::Light).rgb());
    EXPECT_EQ(shot.pixel(581, 100), colours.color(QPalette::Midlight).rgb());
}

TEST_F(VornWindowTest, AShownFrameSitsUnscaledAtTheInnerTopLeftWithAFaceRowBelow) {
    const QImage& frame = window.holder(6)->picture();
    picture.showPicture(&frame);
    const QImage shot = rendered(window);
    for (int y = 0; y < 550; ++y) {
        for (int x = 0; x < 579; ++x) {
            ASSERT_EQ(shot.pixel(x + 2, y + 2), frame.pixel(x, y) | 0xff000000u) << x << "," << y;
        }
    }
    const QRgb face = window.palette().color(QPalette::Button).rgb();
    for (int x = 2; x < 581; ++x) {
        ASSERT_EQ(shot.pixel(x, 552), face) << "inner row 550 at column " << x - 2;
    }
}

TEST_F(VornWindowTest, PictureAreaHasTheFocusWhenShown) {
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), &picture);
}

TEST_F(VornWindowTest, HandsOutEachHolderAsItsPicture) {
    EXPECT_EQ(window.holderPicture(1), window.holder(1));
    EXPECT_EQ(window.holderPicture(20), window.holder(20));
}

TEST_F(VornWindowTest, ShowsThePictureOfTheHolderItIsGiven) {
    window.showPicture(*window.holder(9));
    EXPECT_EQ(picture.picture(), &window.holder(9)->picture());
}

}  // namespace
}  // namespace vorn
