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

#include "app/qt/device_pixels.hpp"
#include "app/qt/frame_holder.hpp"
#include "app/qt/picture_area.hpp"
#include "app/shared/display_scale.hpp"
#include "app/shared/caption.hpp"
#include "app/shared/window_size.hpp"
#include "frames/frame_records.hpp"
#include "frames/frame_set.hpp"

namespace vorn {

VornWindow::VornWindow(const FrameSet& frameSet) : picture1_(new PictureArea(this)), holders_(std::size_t{kFrameCount}) {
    setObjectName(QStringLiteral("VORN"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setScale(1);
    QPalette facePalette = palette();
    facePalette.setColor(QPalette::Window, facePalette.color(QPalette::Button));
    setPalette(facePalette);
    setAutoFillBackground(true);

    // The holders stand inside the picture area in the window's element order.
    for (int holderNumber : kHolderNumbersInRecordOrder) {
        holders_[holderSlot(holderNumber)] =
            new FrameHolder(holderNumber, frameSet.holderPicture(holderNumber), picture1_);
    }
    picture1_->setFocus();
}

const FrameHolder* VornWindow::holder(int holderNumber) const {
    return holders_.at(holderSlot(holderNumber));
}

namespace {

PixelRect toPixelRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

void VornWindow::setScale(int scale) {
    scale_ = scale;
    ratio_ = devicePixelRatioF();
    const PixelSize client = ScaledWindow{scale}.client();
    setFixedSize(logicalSizeHolding({client.width, client.height}, ratio_));
    picture1_->setScale(scale, ratio_);
}

QScreen* VornWindow::screenToOpenOn() const {
    if (isVisible() && screen() != nullptr) {
        return screen();
    }
    QScreen* underPointer = QGuiApplication::screenAt(QCursor::pos());
    return underPointer != nullptr ? underPointer : QGuiApplication::primaryScreen();
}

QMargins VornWindow::frameMargins() const {
    // Known once a window manager has framed the window; none without one.
    return windowHandle() != nullptr ? windowHandle()->frameMargins() : QMargins();
}

int VornWindow::scaleFor(const QScreen& where) const {
    // In device pixels, the frame included in the size that must fit. Before
    // the window is shown its ratio is its screen's; a compositor may give
    // it another, fractional one once it is on screen.
    const qreal ratio = windowHandle() != nullptr && windowHandle()->screen() == &where
                            ? windowHandle()->devicePixelRatio()
                            : where.devicePixelRatio();
    const QSize available = where.availableGeometry().size() * ratio;
    const QMargins frame = frameMargins() * ratio;
    return windowScale(densityAtRatio(where.logicalDotsPerInch(), ratio), {available.width(), available.height()},
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
    const QMargins frame = frameMargins();
    centredInFrame_ = !frame.isNull();
    const QSize whole = size().grownBy(frame);
    const PixelPoint at = centredPlacement(toPixelRect(where->availableGeometry()), {whole.width(), whole.height()});
    move(at.x, at.y);
}

void VornWindow::rescale() {
    if (screen() == nullptr) {
        return;
    }
    const int scale = scaleFor(*screen());
    if (scale != scale_ || devicePixelRatioF() != ratio_) {
        setScale(scale);
    }
}

void VornWindow::followScreenChanges() {
    if (followingScreens_ || windowHandle() == nullptr) {
        return;
    }
    followingScreens_ = true;
    connect(windowHandle(), &QWindow::screenChanged, this, &VornWindow::rescale);
}

bool VornWindow::event(QEvent* event) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 6, 0)
    // A compositor's new (or first fractional) scale for the window, or a
    // move to a screen of another ratio. Rescaled once the event is handled:
    // a fractional scale arrives while the window is first configured, and
    // a size set then gives way to the compositor's first one.
    if (event->type() == QEvent::DevicePixelRatioChange) {
        QMetaObject::invokeMethod(this, &VornWindow::rescale, Qt::QueuedConnection);
    }
#endif
    return QWidget::event(event);
}

const FramePicture* VornWindow::holderPicture(int holderNumber) const {
    const FrameHolder* source = holder(holderNumber);
    return source->picture().isNull() ? nullptr : source;
}

std::optional<std::string> VornWindow::showPicture(const FramePicture& picture) {
    // Only this window's holders reach the form's frame table.
    picture1_->showPicture(&static_cast<const FrameHolder&>(picture).picture());
    return std::nullopt;
}

InputEvents VornWindow::serveEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    return picture1_->takeEvents();
}

void VornWindow::clearWindow() {
    // The window never draws on its own surface (the picture area covers it),
    // so there is nothing to erase and nothing visible changes.
}

void VornWindow::showPointerMode(PointerMode mode) {
    // The pointer's shape tells the operator what moving it will do.
    picture1_->setCursor(mode == PointerMode::kSetsSpeed ? Qt::ArrowCursor : Qt::SizeVerCursor);
}

void VornWindow::end(int status, const std::string& message) {
    // From inside event service: nothing is saved, so nothing needs tearing
    // down, and no destructor may run against a display that may be gone.
    if (status != 0) {
        tellFailure(this, message);
    }
    std::fflush(nullptr);
    std::_Exit(status);
}

void VornWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    // A window manager frames the window after it is shown, and moves it to
    // make room for the frame; only then is the frame's size known. Centre
    // once more then, and never again, so the operator can move the window.
    const bool framed = !frameMargins().isNull();
    if (framed && !centredInFrame_) {
        centreOnScreen();
    }
}

void VornWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    followScreenChanges();
}

void VornWindow::closeEvent(QCloseEvent* event) {
    // The form decides what closing means, at its next event service.
    event->ignore();
    picture1_->add(InputEvent::of(InputEvent::Kind::kCloseRequested));
}

void tellFailure(QWidget* parent, const std::string& message) {
    std::fprintf(stderr, "vorn: %s\n", message.c_str());
    QMessageBox::critical(parent, QStringLiteral("VORN"), QString::fromStdString(message));
}

}  // namespace vorn
