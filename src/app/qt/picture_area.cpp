#include "app/qt/picture_area.hpp"

#include <QCursor>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <utility>

#include "app/qt/device_pixels.hpp"
#include "app/qt/qt_input_codes.hpp"
#include "app/shared/sunken_edge.hpp"

namespace vorn {

namespace {

QRect toQRect(const PixelRect& r) { return {r.left, r.top, r.width, r.height}; }

// The palette's colours for a Windows client edge, as Qt's own sunken
// Windows panel draws it.
QColor edgeColour(const QPalette& palette, EdgeShade shade) {
    switch (shade) {
        case EdgeShade::kShadow: return palette.color(QPalette::Dark);
        case EdgeShade::kHighlight: return palette.color(QPalette::Light);
        case EdgeShade::kDarkShadow: return palette.color(QPalette::Shadow);
        case EdgeShade::kLight: return palette.color(QPalette::Midlight);
    }
    return palette.color(QPalette::Button);
}

MouseButton buttonOf(const QMouseEvent& event) {
    return event.button() == Qt::LeftButton ? MouseButton::kLeft : MouseButton::kOther;
}

}  // namespace

PictureArea::PictureArea(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Picture1"));
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(true);  // pointer moves arrive without a button held
    setAttribute(Qt::WA_OpaquePaintEvent);
    setScale(1, 1);
}

void PictureArea::setScale(int scale, qreal ratio) {
    scaled_ = ScaledWindow{scale};
    ratio_ = ratio;
    const PixelSize size = scaled_.pictureArea();
    setGeometry(QRect(QPoint(0, 0), logicalSizeHolding({size.width, size.height}, ratio)));
    update();
    // The window system reports a move when the area appears under, or
    // grows under, a pointer that has not moved; that is no move of the
    // operator's.
    add(InputEvent::pointer(InputEvent::Kind::kPointerRests, devicePoint(mapFromGlobal(QCursor::pos())), scale));
}

InputEvents PictureArea::takeEvents() { return std::exchange(events_, {}); }

QRect PictureArea::innerArea() const { return toQRect(scaled_.innerArea()); }

void PictureArea::showPicture(const QImage* picture) {
    picture_ = picture;
    repaint(logicalCover(innerArea(), ratio_));
}

void PictureArea::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    painter.setClipRegion(event->region());
    // From here on one unit is one device pixel of the backing store, so
    // that whole-number rectangles fall on whole device pixels at any
    // ratio. (Qt treats the product with its own ratio as the identity.)
    const qreal ratio = devicePixelRatioF();
    painter.setWorldTransform(QTransform::fromScale(1 / ratio, 1 / ratio));
    const QRect inner = innerArea();
    QRect covered;
    if (picture_ != nullptr) {
        // Without smoothing a whole-number scale repeats each pixel exactly.
        const PixelSize frame{picture_->width(), picture_->height()};
        const PixelSize visible = scaled_.visibleFrame(frame);
        const QRect target = toQRect(scaled_.visibleFrameArea(frame));
        painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
        painter.drawImage(target, *picture_, QRect(0, 0, visible.width, visible.height));
        covered = target;
    }
    // The face colour shows wherever the frame does not reach (one row at
    // the foot of the window, and all of it before the first frame), and on
    // the device pixels the logical size adds beyond the area's own.
    const PixelSize area = scaled_.pictureArea();
    const QRect ownArea(0, 0, area.width, area.height);
    const QRect deviceArea(QPoint(0, 0), (QSizeF(size()) * ratio).toSize().expandedTo(ownArea.size()));
    const QRegion face = QRegion(inner).subtracted(covered) + QRegion(deviceArea).subtracted(ownArea);
    for (const QRect& part : face) {
        painter.fillRect(part, palette().color(QPalette::Button));
    }
    drawEdge(painter);
}

void PictureArea::drawEdge(QPainter& painter) const {
    for (const EdgeBand& band : sunkenEdgeBands(scaled_)) {
        painter.fillRect(toQRect(band.area), edgeColour(palette(), band.shade));
    }
}

AreaPoint PictureArea::devicePoint(QPointF logical) const {
    // The device pixel the position falls on; the rounding keeps a position
    // Qt rounded to logical units on the pixel it came from.
    const QPointF device = logical * ratio_;
    return {static_cast<int>(std::floor(device.x() + 1e-6)), static_cast<int>(std::floor(device.y() + 1e-6))};
}

void PictureArea::addPointer(InputEvent::Kind kind, const QMouseEvent& event) {
    const MouseButton button = kind == InputEvent::Kind::kPointerMoved ? MouseButton::kLeft : buttonOf(event);
    add(InputEvent::pointer(kind, devicePoint(event.position()), scaled_.scale, button));
}

void PictureArea::keyPressEvent(QKeyEvent* event) {
    for (std::int16_t code : typedCharacterCodes(event->key(), event->modifiers(), event->text())) {
        add(InputEvent::character(code));
    }
}

void PictureArea::mouseMoveEvent(QMouseEvent* event) { addPointer(InputEvent::Kind::kPointerMoved, *event); }

void PictureArea::mousePressEvent(QMouseEvent* event) { addPointer(InputEvent::Kind::kPressed, *event); }

void PictureArea::mouseReleaseEvent(QMouseEvent* event) { addPointer(InputEvent::Kind::kReleased, *event); }

void PictureArea::mouseDoubleClickEvent(QMouseEvent* event) { addPointer(InputEvent::Kind::kDoublePressed, *event); }

void PictureArea::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    // Another window became active (Alt+Tab, say) while the button was
    // held: the press is the other window's now.
    add(InputEvent::of(InputEvent::Kind::kFocusLost));
}

}  // namespace vorn
