#pragma once

#include <QWidget>
#include <QScreen>
#include <vector>

#include "app/form/platform_window.hpp"

namespace vorn {

class FrameHolder;
class FrameSet;
class PictureArea;

// The form's window on Qt: the top-level widget with the picture area and the
// twenty frame holders. It hands the form the picture area's input at each
// event service.
class VornWindow final : public QWidget, public PlatformWindow {
    Q_OBJECT
public:
    // Makes the window with its holders, each carrying its frame picture.
    explicit VornWindow(const FrameSet& frameSet);

    PictureArea* picture1() const { return picture1_; }
    const FrameHolder* holder(int holderNumber) const;

    // Scales the window by the whole number its screen's density asks for
    // (the screen's logical density times the window's device pixel ratio),
    // as far as it fits the screen's available area, and centres it there,
    // frame included: on the screen under the pointer before the window is
    // shown, and again on its own screen once a window manager has framed it.
    void centreOnScreen();
    // Draws the window, its picture area and the frames at whole-number
    // scale `scale`, in device pixels at the window's present ratio.
    void setScale(int scale);

    const FramePicture* holderPicture(int holderNumber) const override;
    std::optional<std::string> showPicture(const FramePicture& picture) override;
    void showPointerMode(PointerMode mode) override;
    void clearWindow() override;
    InputEvents serveEvents() override;
    [[noreturn]] void end(int status, const std::string& message) override;

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QScreen* screenToOpenOn() const;
    QMargins frameMargins() const;
    int scaleFor(const QScreen& where) const;
    // A move to a screen of another density or ratio, or a new ratio on the
    // same screen, scales the window anew.
    void rescale();
    void followScreenChanges();

    int scale_ = 1;
    qreal ratio_ = 1;

    bool followingScreens_ = false;
    PictureArea* picture1_;
    std::vector<FrameHolder*> holders_;  // in frame order
    bool centredInFrame_ = false;
};

// Tells the operator `message` on the standard error and in a message box
// over `parent` (none before the window exists), as every failure is told.
void tellFailure(QWidget* parent, const std::string& message);

}  // namespace vorn
