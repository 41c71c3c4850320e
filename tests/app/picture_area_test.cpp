// How the picture area turns Qt's input events into the handlers' arguments.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <vector>

#include "app/qt/picture_area.hpp"

namespace vorn {
namespace {

struct Move {
    std::int16_t button, shift;
    float x, y;
};

class PictureAreaTest : public ::testing::Test {
protected:
    PictureAreaTest() {
        window.resize(583, 553);
        picture.onMouseMove = [this](std::int16_t b, std::int16_t s, float x, float y) { moves.push_back({b, s, x, y}); };
        picture.onKeyPress = [this](std::int16_t key) { keys.push_back(key); };
        picture.onClick = [this] { ++clicks; };
        picture.onDblClick = [this] { ++doubleClicks; };
    }
    void moveTo(QPoint at, Qt::MouseButtons buttons = Qt::NoButton, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QMouseEvent event(QEvent::MouseMove, QPointF(at), picture.mapToGlobal(QPointF(at)), Qt::NoButton, buttons,
                          mods);
        QApplication::sendEvent(&picture, &event);
    }
    void mouse(QEvent::Type type, QPoint at) {
        QMouseEvent event(type, QPointF(at), picture.mapToGlobal(QPointF(at)), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&picture, &event);
    }
    void key(int qtKey, const QString& text, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QKeyEvent event(QEvent::KeyPress, qtKey, mods, text);
        QApplication::sendEvent(&picture, &event);
    }

    QWidget window;
    PictureArea picture{&window};
    std::vector<Move> moves;
    std::vector<std::int16_t> keys;
    int clicks = 0;
    int doubleClicks = 0;
};

TEST_F(PictureAreaTest, PointerPositionsArriveInThePictureAreasUnits) {
    moveTo({2, 2});
    moveTo({2 + 578, 2 + 550});
    moveTo({2 + 100, 2 + 256});
    ASSERT_EQ(moves.size(), 3u);
    EXPECT_EQ(moves[0].x, 0.0f);
    EXPECT_EQ(moves[0].y, 0.0f);
    EXPECT_NEAR(moves[1].x, 14.857, 0.001);
    EXPECT_EQ(moves[1].y, 21.484375f);
    EXPECT_EQ(moves[2].x, static_cast<float>(100 * 14.882789 / 579));
    EXPECT_EQ(moves[2].y, 10.0f);
}

TEST_F(PictureAreaTest, TheBorderDeliversNoPointerMove) {
    for (QPoint border : {QPoint(0, 0), QPoint(1, 300), QPoint(300, 1), QPoint(581, 10), QPoint(582, 500),
                          QPoint(300, 766), QPoint(300, 767)}) {
        moveTo(border);
    }
    EXPECT_TRUE(moves.empty());
}

TEST_F(PictureAreaTest, ADragPastTheEdgeIsReportedAsItComes) {
    moveTo({-10, 2}, Qt::LeftButton, Qt::ShiftModifier | Qt::ControlModifier);
    ASSERT_EQ(moves.size(), 1u);
    EXPECT_LT(moves[0].x, 0.0f);
    EXPECT_EQ(moves[0].button, 1);
    EXPECT_EQ(moves[0].shift, 3);
}

TEST_F(PictureAreaTest, KeysDeliverTheCharacterTheyType) {
    key(Qt::Key_Minus, "-");
    key(Qt::Key_Space, " ");
    key(Qt::Key_Escape, "");
    key(Qt::Key_Shift, "");
    key(Qt::Key_Left, "");
    key(Qt::Key_A, "A", Qt::ShiftModifier);
    EXPECT_EQ(keys, (std::vector<std::int16_t>{'-', ' ', 27, 'A'}));
}

TEST_F(PictureAreaTest, AClickIsALeftPressAndReleaseOnTheArea) {
    mouse(QEvent::MouseButtonPress, {50, 50});
    mouse(QEvent::MouseButtonRelease, {60, 60});
    EXPECT_EQ(clicks, 1);
    mouse(QEvent::MouseButtonPress, {50, 50});
    mouse(QEvent::MouseButtonRelease, {900, 60});
    EXPECT_EQ(clicks, 1) << "released off the area";
    mouse(QEvent::MouseButtonRelease, {50, 50});
    EXPECT_EQ(clicks, 1) << "a release without a press";
}

TEST_F(PictureAreaTest, ADoubleClickArrivesAsClickThenDoubleClick) {
    mouse(QEvent::MouseButtonPress, {50, 50});
    mouse(QEvent::MouseButtonRelease, {50, 50});
    mouse(QEvent::MouseButtonDblClick, {50, 50});
    mouse(QEvent::MouseButtonRelease, {50, 50});
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(doubleClicks, 1);
}

}  // namespace
}  // namespace vorn
