#include "app/qt/picture_area.hpp"

#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "app/qt/qt_input_codes.hpp"
#include "app/window_geometry.hpp"

namespace vorn {

PictureArea::PictureArea(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Picture1"));
    // A Windows client edge: two pixels, sunken.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setLineWidth(kPictureAreaBorder);
    setGeometry(0, 0, kPictureAreaWidth, kPictureAreaHeight);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // pointer moves arrive without a button held
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureArea::showPicture(const QImage* picture) {
    picture_ = picture;
    repaint(contentsRect());
}

void PictureArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect inner = contentsRect();
    painter.setClipRect(inner & event->rect());
    QRect covered;
    if (picture_ != nullptr) {
        covered = QRect(inner.topLeft(), picture_->size()) & inner;
        painter.drawImage(inner.topLeft(), *picture_);
    }
    // The face colour shows wherever the frame does not reach (one row at
    // the foot of the window, and all of it before the first frame).
    const QColor face = palette().color(QPalette::Button);
    for (const QRect& part : QRegion(inner).subtracted(covered)) {
        painter.fillRect(part, face);
    }
    painter.setClipping(false);
    drawFrame(&painter);
}

void PictureArea::keyPressEvent(QKeyEvent* event) {
    for (std::int16_t code : typedCharacterCodes(event->key(), event->text())) {
        if (onKeyPress) onKeyPress(code);
    }
}

void PictureArea::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    // The border reports nothing; a drag that leaves the area altogether is
    // reported as it comes.
    if (rect().contains(at) && !contentsRect().contains(at)) {
        return;
    }
    const QPoint inner = at - contentsRect().topLeft();
    const PointerPosition units = pointerPositionInUnits(inner.x(), inner.y());
    if (onMouseMove) {
        onMouseMove(buttonCode(event->buttons()), shiftCode(event->modifiers()), units.x, units.y);
    }
}

void PictureArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        clickPressed_ = true;
    }
}

void PictureArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !clickPressed_) {
        return;
    }
    clickPressed_ = false;
    if (rect().contains(event->position().toPoint()) && onClick) {
        onClick();
    }
}

void PictureArea::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click is not a click of its own.
    clickPressed_ = false;
    if (event->button() == Qt::LeftButton && onDblClick) {
        onDblClick();
    }
}

}  // namespace vorn
