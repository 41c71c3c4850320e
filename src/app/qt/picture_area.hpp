#pragma once

#include <QWidget>

#include "app/display_scale.hpp"
#include "app/picture_input.hpp"

class QImage;

namespace vorn {

// Picture1: a sunken-edged area, taller than the window, that shows the
// current frame at the top-left of its inner area, each frame pixel an s × s
// block at the window's scale s, and feeds the operator's key and pointer
// input to its PictureInput, which holds it for the form's event service.
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

    PictureInput& input() { return input_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    QRect innerArea() const;
    void drawEdge(QPainter& painter) const;
    static AreaPoint areaPoint(const QMouseEvent& event);

    ScaledWindow scaled_;
    const QImage* picture_ = nullptr;
    PictureInput input_;
};

}  // namespace vorn
