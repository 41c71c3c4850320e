// How the Qt picture area turns Qt's input events into the form's input: the
// gesture and key tables every layer passes, at scales 1 and 2, and input
// that waits for the window's event service.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <vector>

#include "app/qt/picture_area.hpp"
#include "app/qt/vorn_window.hpp"
#include "frames/frame_set.hpp"
#include "support/gesture_table.hpp"

namespace vorn {
namespace {

using testing::GestureStep;
using testing::RecordedCalls;

class PictureAreaTest : public ::testing::Test {
protected:
    PictureAreaTest() { window.resize(583, 553); }

    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        QMouseEvent event(type, QPointF(at), picture.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
        QApplication::sendEvent(&picture, &event);
    }
    void feed(const GestureStep& step) {
        const int s = picture.scale();
        const QPoint at((step.column + 2) * s, (step.row + 2) * s);
        switch (step.kind) {
            case GestureStep::kPress: mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton); break;
            case GestureStep::kRelease: mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton); break;
            case GestureStep::kDoublePress:
                mouse(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
                break;
            case GestureStep::kMove: mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton); break;
            case GestureStep::kCaptureLost: {
                QEvent deactivated(QEvent::ActivationChange);
                QApplication::sendEvent(&picture, &deactivated);
                break;
            }
            case GestureStep::kOtherPress: mouse(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton); break;
            case GestureStep::kOtherRelease:
                mouse(QEvent::MouseButtonRelease, at, Qt::RightButton, Qt::NoButton);
                break;
        }
    }
    std::vector<std::string> delivered() {
        RecordedCalls form;
        picture.input().deliverTo(form);
        return form.calls;
    }

    QWidget window;
    PictureArea picture{&window};
};

TEST_F(PictureAreaTest, EachGestureTellsTheFormTheSameAtScalesOneAndTwo) {
    for (int scale : {1, 2}) {
        picture.setScale(scale);
        for (const testing::Gesture& gesture : testing::gestureTable()) {
            for (const GestureStep& step : gesture.steps) feed(step);
            EXPECT_EQ(delivered(), gesture.expected) << gesture.name << " at scale " << scale;
            feed({GestureStep::kMove, 400, 400});  // the next gesture's first move is a move
            delivered();
        }
    }
}

// Qt's key event for a row of the key table, as the X11 platform makes it:
// the key's code, and as text the character it types, or the control
// character that Ctrl makes of it, or none.
QKeyEvent keyEventFor(const testing::KeyRow& row) {
    Qt::KeyboardModifiers modifiers;
    if (row.control) modifiers |= Qt::ControlModifier;
    if (row.alt) modifiers |= Qt::AltModifier;
    if (row.escape) return QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, modifiers, QStringLiteral("\x1b"));
    const char32_t upper = row.character >= U'a' && row.character <= U'z' ? row.character - 32 : row.character;
    QString text = QString(QChar(static_cast<char16_t>(row.character)));
    if (row.control) {
        text = upper >= U'@' && upper <= U'_' ? QString(QChar(static_cast<char16_t>(upper & 0x1F))) : QString();
    }
    return QKeyEvent(QEvent::KeyPress, static_cast<int>(upper), modifiers, text);
}

TEST_F(PictureAreaTest, EachKeyGivesWhatWindowsCharacterMessageGives) {
    for (const testing::KeyRow& row : testing::keyTable()) {
        QKeyEvent event = keyEventFor(row);
        QApplication::sendEvent(&picture, &event);
        EXPECT_EQ(delivered(), testing::expectedCalls(row.desktop)) << row.name;
    }
}

TEST_F(PictureAreaTest, KeysThatTypeNoCharacterAndInputMethodText) {
    for (int key : {Qt::Key_Shift, Qt::Key_Left, Qt::Key_F5}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString());
        QApplication::sendEvent(&picture, &event);
    }
    QKeyEvent composed(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\xC3\xA9-"));
    QApplication::sendEvent(&picture, &composed);
    EXPECT_EQ(delivered(), (std::vector<std::string>{"key 233", "key 45"}));
}

TEST(VornWindowInput, ReachesTheFormOnlyWhenTheWindowServesItsEvents) {
    VornWindow window(FrameSet::loadEmbedded());
    RecordedCalls form;
    window.deliverInputTo(form);
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    QApplication::sendEvent(window.picture1(), &escape);
    QCoreApplication::processEvents();
    EXPECT_TRUE(form.calls.empty()) << "no input before the form serves its events";
    window.serveEvents();
    EXPECT_EQ(form.calls, (std::vector<std::string>{"key 27"}));
}

}  // namespace
}  // namespace vorn
