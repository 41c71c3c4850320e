#pragma once

#include <QWidget>
#include <QScreen>
#include <vector>

#include "app/form_window.hpp"

namespace vorn {

class FrameHolder;
class FrameSet;
class PictureArea;
class PictureHandlers;

// The form's window on Qt: the top-level widget with the picture area and the
// twenty frame holders. It delivers the picture area's input to the form's
// handlers, which only ever run inside serveEvents().
class VornWindow final : public QWidget, public FormWindow {
    Q_OBJECT
public:
    // Makes the window with its holders, each carrying its frame picture.
    explicit VornWindow(const FrameSet& frameSet);

    // Each event service hands the picture area's input to `handlers` from
    // now on.
    void deliverInputTo(PictureHandlers& handlers) { handlers_ = &handlers; }

    PictureArea* picture1() const { return picture1_; }
    const FrameHolder* holder(int holderNumber) const;

    // Scales the window by the whole number its screen's density asks for,
    // as far as it fits the screen's available area, and centres it there,
    // frame included: on the screen under the pointer before the window is
    // shown, and again on its own screen once a window manager has framed it.
    void centreOnScreen();
    // Draws the window, its picture area and the frames at whole-number
    // scale `scale`.
    void setScale(int scale);
    int scale() const;

    const FramePicture* holderPicture(int holderNumber) const override;
    void showPicture(const FramePicture& picture) override;
    void serveEvents() override;
    void clearWindow() override;
    [[noreturn]] void quit() override;
    void showPointerMode(PointerMode mode) override;
    [[noreturn]] void fail(const std::string& what) override;

protected:
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    QScreen* screenToOpenOn() const;
    int scaleFor(const QScreen& where) const;
    // A move to a screen of another density scales the window anew.
    void followScreenChanges();

    bool followingScreens_ = false;
    PictureHandlers* handlers_ = nullptr;
    PictureArea* picture1_;
    std::vector<FrameHolder*> holders_;  // index: holder number - 1
    bool centredInFrame_ = false;
};

}  // namespace vorn
