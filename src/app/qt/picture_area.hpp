#pragma once

#include <QWidget>
#include <cstdint>
#include <functional>

#include "app/display_scale.hpp"

class QImage;

namespace vorn {

// Picture1: a sunken-edged area, taller than the window, that shows the
// current frame at the top-left of its inner area, each frame pixel an s × s
// block at the window's scale s, and hands the operator's key and pointer
// input to the window's handlers.
class PictureArea final : public QWidget {
    Q_OBJECT
public:
    explicit PictureArea(QWidget* parent);

    // Redraws the area, edge and frame, at whole-number scale `scale`.
    void setScale(int scale);
    int scale() const { return scaled_.scale; }

    // Shows `picture` (not copied; it must outlive its showing) and paints it
    // before returning.
    void showPicture(const QImage* picture);
    const QImage* picture() const { return picture_; }

    std::function<void(std::int16_t keyAscii)> onKeyPress;
    std::function<void(std::int16_t button, std::int16_t shift, float x, float y)> onMouseMove;
    std::function<void()> onClick;
    std::function<void()> onDblClick;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QRect innerArea() const;
    void drawEdge(QPainter& painter) const;
    // The inner-area pixel under the event's position.
    std::pair<int, int> innerPixel(const QMouseEvent& event) const;

    ScaledWindow scaled_;
    const QImage* picture_ = nullptr;
    bool clickPressed_ = false;
};

}  // namespace vorn
