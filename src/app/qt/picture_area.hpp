#pragma once

#include <QWidget>

#include "app/shared/display_scale.hpp"
#include "app/shared/input_event.hpp"

class QImage;

namespace vorn {

// Picture1: a sunken-edged area, taller than the window, that shows the
// current frame at the top-left of its inner area, each frame pixel an s × s
// block at the window's scale s, and keeps the operator's key and pointer
// input, as Qt reports it, for the form's event service.
class PictureArea final : public QWidget {
    Q_OBJECT
public:
    explicit PictureArea(QWidget* parent);

    // Redraws the area, edge and frame, at whole-number scale `scale` in
    // device pixels, `ratio` to a logical pixel, and notes where the pointer
    // rests then.
    void setScale(int scale, qreal ratio);

    // Shows `picture` (not copied; it must outlive its showing) and paints it
    // before returning.
    void showPicture(const QImage* picture);
    const QImage* picture() const { return picture_; }

    // The input that came since the last call, in order.
    InputEvents takeEvents();
    void add(const InputEvent& event) { events_.push_back(event); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // In device pixels, as the painter draws.
    QRect innerArea() const;
    void drawEdge(QPainter& painter) const;
    // Where `logical` is, in whole device pixels.
    AreaPoint devicePoint(QPointF logical) const;
    void addPointer(InputEvent::Kind kind, const QMouseEvent& event);

    ScaledWindow scaled_;
    qreal ratio_ = 1;
    const QImage* picture_ = nullptr;
    InputEvents events_;
};

}  // namespace vorn
