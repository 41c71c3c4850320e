// How the Qt picture area turns Qt's input events into the shared input
// events: one row for each kind of event, at scales 1 and 2 (and, run with
// QT_SCALE_FACTOR, at fractional device pixel ratios), and the key
// table's rows as the X11 platform delivers them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCloseEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <vector>

#include "app/qt/picture_area.hpp"
#include "app/qt/vorn_window.hpp"
#include "frames/frame_set.hpp"
#include "support/input_tables.hpp"

namespace vorn {
namespace {

using Kind = InputEvent::Kind;

class PictureAreaTest : public ::testing::Test {
protected:
    PictureAreaTest() {
        window.resize(583, 553);
        picture.takeEvents();  // the rest the area noted when it was made
    }

    // A mouse event at device pixel `at`, where Qt reports it: in logical
    // pixels, at the area's device pixel ratio.
    void mouse(QEvent::Type type, QPoint at, Qt::MouseButton button, Qt::MouseButtons held) {
        const QPointF logical = QPointF(at) / picture.devicePixelRatioF();
        QMouseEvent event(type, logical, picture.mapToGlobal(logical), button, held, Qt::NoModifier);
        QApplication::sendEvent(&picture, &event);
    }
    // What the typed keys tell the form.
    std::vector<std::string> typed() {
        PictureInput input;
        for (const InputEvent& event : picture.takeEvents()) input.feed(event);
        return testing::describe(input.take());
    }

    QWidget window;
    PictureArea picture{&window};
};

// Also run at fractional ratios (QT_SCALE_FACTOR): positions in device pixels.
TEST_F(PictureAreaTest, EachKindOfMouseEventIsReportedWhereItHappenedAtTheWindowsScale) {
    for (int scale : {1, 2}) {
        picture.setScale(scale, picture.devicePixelRatioF());
        picture.takeEvents();
        const QPoint at(7 * scale, 9 * scale + 1);
        mouse(QEvent::MouseMove, at, Qt::NoButton, Qt::NoButton);
        mouse(QEvent::MouseButtonPress, at, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonRelease, at, Qt::LeftButton, Qt::NoButton);
        mouse(QEvent::MouseButtonDblClick, at, Qt::LeftButton, Qt::LeftButton);
        mouse(QEvent::MouseButtonPress, at, Qt::RightButton, Qt::RightButton);
        mouse(QEvent::MouseButtonRelease, at, Qt::MiddleButton, Qt::NoButton);
        QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(&picture, &focusOut);
        const AreaPoint p{at.x(), at.y()};
        const InputEvents expected = {
            InputEvent::pointer(Kind::kPointerMoved, p, scale),
            InputEvent::pointer(Kind::kPressed, p, scale),
            InputEvent::pointer(Kind::kReleased, p, scale),
            InputEvent::pointer(Kind::kDoublePressed, p, scale),
            InputEvent::pointer(Kind::kPressed, p, scale, MouseButton::kOther),
            InputEvent::pointer(Kind::kReleased, p, scale, MouseButton::kOther),
            InputEvent::of(Kind::kFocusLost),
        };
        EXPECT_EQ(picture.takeEvents(), expected) << "scale " << scale;
    }
}

TEST_F(PictureAreaTest, ARescaleNotesWhereThePointerRests) {
    picture.setScale(2, 1);
    const InputEvents events = picture.takeEvents();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0].kind, Kind::kPointerRests);
    EXPECT_EQ(events[0].scale, 2);
}

// Qt's key event for a row of the key table, as the X11 platform makes it:
// the key's code, and as text the character it types, or the control
// character that Ctrl makes of it, or none.
QKeyEvent keyEventFor(const testing::KeyRow& row) {
    Qt::KeyboardModifiers modifiers;
    if (row.control) modifiers |= Qt::ControlModifier;
    if (row.alt) modifiers |= Qt::AltModifier;
    if (row.meta) modifiers |= Qt::MetaModifier;
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
        EXPECT_EQ(typed(), testing::expectedCalls(row.desktop)) << row.name;
    }
}

TEST_F(PictureAreaTest, KeysThatTypeNoCharacterAndInputMethodText) {
    for (int key : {Qt::Key_Shift, Qt::Key_Left, Qt::Key_F5}) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, QString());
        QApplication::sendEvent(&picture, &event);
    }
    QKeyEvent composed(QEvent::KeyPress, 0, Qt::NoModifier, QString::fromUtf8("\xC3\xA9-"));
    QApplication::sendEvent(&picture, &composed);
    EXPECT_EQ(typed(), (std::vector<std::string>{"key 233", "key 45"}));
}

TEST(VornWindowInput, ReachesTheFormOnlyWhenTheWindowServesItsEventsAndClosingIsTheFormsToDecide) {
    VornWindow window(FrameSet::loadEmbedded());
    window.serveEvents();
    QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier, QStringLiteral("\x1b"));
    QApplication::sendEvent(window.picture1(), &escape);
    QCloseEvent close;
    QApplication::sendEvent(&window, &close);
    EXPECT_FALSE(close.isAccepted()) << "the window must not close itself";
    EXPECT_EQ(window.serveEvents(),
              (InputEvents{InputEvent::character(27), InputEvent::of(InputEvent::Kind::kCloseRequested)}));
    EXPECT_TRUE(window.serveEvents().empty()) << "handed over once";
}

}  // namespace
}  // namespace vorn
