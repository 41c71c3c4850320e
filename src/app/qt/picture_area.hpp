#pragma once

#include <QFrame>
#include <cstdint>
#include <functional>

#include "app/pointer_scale.hpp"

class QImage;

namespace vorn {

// Picture1: a sunken-bordered area, taller than the window, that shows the
// current frame unscaled at the top-left of its inner area and hands the
// operator's key and pointer input to the window's handlers.
class PictureArea final : public QFrame {
    Q_OBJECT
public:
    explicit PictureArea(QWidget* parent);

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
    const QImage* picture_ = nullptr;
    bool clickPressed_ = false;
};

}  // namespace vorn
