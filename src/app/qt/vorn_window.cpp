#include "app/qt/vorn_window.hpp"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QScreen>
#include <QWindow>
#include <cstdio>
#include <cstdlib>

#include "app/qt/frame_holder.hpp"
#include "app/qt/picture_area.hpp"
#include "app/picture_handlers.hpp"
#include "app/display_scale.hpp"
#include "app/window_geometry.hpp"
#include "frames/frame_records.hpp"
#include "frames/frame_set.hpp"

namespace vorn {

VornWindow::VornWindow(const FrameSet& frameSet) : picture1_(new PictureArea(this)), holders_(kHolderCount) {
    setObjectName(QStringLiteral("VORN"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setScale(1);
    QPalette facePalette = palette();
    facePalette.setColor(QPalette::Window, facePalette.color(QPalette::Button));
    setPalette(facePalette);
    setAutoFillBackground(true);

    // The holders stand inside the picture area in the window's element order.
    for (int holderNumber : kHolderNumbersInRecordOrder) {
        holders_[static_cast<std::size_t>(holderNumber - 1)] =
            new FrameHolder(holderNumber, frameSet.holderPicture(holderNumber), picture1_);
    }
    picture1_->setFocus();
}

const FrameHolder* VornWindow::holder(int holderNumber) const {
    return holders_.at(static_cast<std::size_t>(holderNumber - 1));
}

namespace {

PixelRect toPixelRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

int VornWindow::scale() const { return picture1_->scale(); }

void VornWindow::setScale(int scale) {
    const PixelSize client = ScaledWindow{scale}.client();
    setFixedSize(client.width, client.height);
    picture1_->setScale(scale);
}

QScreen* VornWindow::screenToOpenOn() const {
    if (isVisible() && screen() != nullptr) {
        return screen();
    }
    QScreen* underPointer = QGuiApplication::screenAt(QCursor::pos());
    return underPointer != nullptr ? underPointer : QGuiApplication::primaryScreen();
}

int VornWindow::scaleFor(const QScreen& where) const {
    // The frame belongs in the size that must fit; its margins are known
    // once a window manager has framed the window, and are none without one.
    const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    const QRect available = where.availableGeometry();
    return windowScale(qRound(where.logicalDotsPerInch()), {available.width(), available.height()},
                       {frame.left() + frame.right(), frame.top() + frame.bottom()});
}

void VornWindow::centreOnScreen() {
    QScreen* where = screenToOpenOn();
    if (where == nullptr) {
        return;
    }
    setScale(scaleFor(*where));
    followScreenChanges();
    // move() places the frame's corner, so the frame belongs in the size that
    // is centred.
    const QMargins frame = windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
    centredInFrame_ = !frame.isNull();
    const QSize whole = size().grownBy(frame);
    const PixelPoint at = centredPlacement(toPixelRect(where->availableGeometry()), {whole.width(), whole.height()});
    move(at.x, at.y);
}

void VornWindow::followScreenChanges() {
    if (followingScreens_ || windowHandle() == nullptr) {
        return;
    }
    followingScreens_ = true;
    connect(windowHandle(), &QWindow::screenChanged, this, [this](QScreen* now) {
        if (now != nullptr) setScale(scaleFor(*now));
    });
}

const FramePicture* VornWindow::holderPicture(int holderNumber) const {
    if (holderNumber < 1 || holderNumber > static_cast<int>(kHolderCount)) {
        return nullptr;
    }
    const FrameHolder* source = holder(holderNumber);
    return source->picture().isNull() ? nullptr : source;
}

void VornWindow::showPicture(const FramePicture& picture) {
    // Only this window's holders reach the form's frame table.
    picture1_->showPicture(&static_cast<const FrameHolder&>(picture).picture());
}

void VornWindow::serveEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    if (handlers_ != nullptr) {
        picture1_->input().deliverTo(*handlers_);
    }
}

void VornWindow::clearWindow() {
    // The window never draws on its own surface (the picture area covers it),
    // so there is nothing to erase and nothing visible changes.
}

void VornWindow::quit() {
    // Ends the program from inside event service: the loop is abandoned where
    // it stands and no further frame is shown. Nothing is saved, so nothing
    // needs tearing down.
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

void VornWindow::showPointerMode(PointerMode mode) {
    // The pointer's shape tells the operator what moving it will do.
    picture1_->setCursor(mode == PointerMode::kSetsSpeed ? Qt::ArrowCursor : Qt::SizeVerCursor);
}

void VornWindow::fail(const std::string& what) {
    const QString message = QStringLiteral("VORN cannot go on: %1.").arg(QString::fromStdString(what));
    std::fprintf(stderr, "vorn: %s\n", qPrintable(message));
    QMessageBox::critical(this, QStringLiteral("VORN"), message);
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

void VornWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // A window manager frames the window after it is shown, and moves it to
    // make room for the frame; only then is the frame's size known. Centre
    // once more then, and never again, so the operator can move the window.
    const bool framed = windowHandle() != nullptr && !windowHandle()->frameMargins().isNull();
    if (framed && !centredInFrame_) {
        centreOnScreen();
    }
}

void VornWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    followScreenChanges();
}

void VornWindow::closeEvent(QCloseEvent* event) {
    // The window manager's close request quits like Escape.
    event->accept();
    clearWindow();
    quit();
}

}  // namespace vorn
