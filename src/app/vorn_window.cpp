#include "app/vorn_window.hpp"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QMessageBox>
#include <QScreen>
#include <cstdio>
#include <cstdlib>

#include "app/frame_holder.hpp"
#include "app/picture_area.hpp"
#include "frames/frame_records.hpp"
#include "frames/frame_set.hpp"
#include "input/key_commands.hpp"
#include "input/mouse_commands.hpp"

namespace vorn {

const char* const VORN::kCaption =
    "VORN and Conventional             Use: SpaceBar + - / * mouse , .             ESC to Quit";

VORN::VORN(const FrameSet& frameSet)
    : picture1_(new PictureArea(this)), holders_(kHolderCount), sequencer_(*this, *this, clock_) {
    setObjectName(QStringLiteral("VORN"));
    setWindowTitle(QString::fromLatin1(kCaption));
    setFixedSize(kClientWidth, kClientHeight);
    QPalette facePalette = palette();
    facePalette.setColor(QPalette::Window, facePalette.color(QPalette::Button));
    setPalette(facePalette);
    setAutoFillBackground(true);

    // The holders stand inside the picture area in the window's element order.
    for (int holderNumber : kHolderNumbersInRecordOrder) {
        holders_[static_cast<std::size_t>(holderNumber - 1)] =
            new FrameHolder(holderNumber, frameSet.holderPicture(holderNumber), picture1_);
    }
    picture1_->onKeyPress = [this](std::int16_t keyAscii) { Picture1_KeyPress(keyAscii); };
    picture1_->onMouseMove = [this](std::int16_t button, std::int16_t shift, float x, float y) {
        Picture1_MouseMove(button, shift, x, y);
    };
    picture1_->onClick = [this] { Picture1_Click(); };
    picture1_->onDblClick = [this] { Picture1_DblClick(); };
    picture1_->setFocus();
}

const FrameHolder* VORN::holder(int holderNumber) const {
    return holders_.at(static_cast<std::size_t>(holderNumber - 1));
}

void VORN::centreOnScreen() {
    const QScreen* where = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
    if (where == nullptr) {
        return;
    }
    const QRect available = where->availableGeometry();
    move(available.x() + (available.width() - width()) / 2, available.y() + (available.height() - height()) / 2);
}

void VORN::RunSequencer() { sequencer_.run(); }

void VORN::PaceFrame() { sequencer_.paceFrame(); }

void VORN::Picture1_KeyPress(std::int16_t keyAscii) { vorn::Picture1_KeyPress(*this, *this, keyAscii); }

void VORN::Picture1_MouseMove(std::int16_t button, std::int16_t shift, float x, float y) {
    vorn::Picture1_MouseMove(*this, button, shift, x, y);
}

void VORN::Picture1_Click() {
    vorn::Picture1_Click(*this);
    showPointerMode();
}

void VORN::Picture1_DblClick() { vorn::Picture1_DblClick(*this); }

void VORN::showPointerMode() {
    // The pointer's shape tells the operator what moving it will do.
    picture1_->setCursor(nm == 0 ? Qt::ArrowCursor : Qt::SizeVerCursor);
}

void VORN::closeEvent(QCloseEvent* event) {
    // The window manager's close request quits like Escape.
    event->accept();
    clearWindow();
    quit();
}

void VORN::takeFrameIntoTable(int entry) {
    const FrameHolder* source = holder(entry + 1);
    if (source->picture().isNull()) {
        failFrame(QStringLiteral("%1 carries no picture").arg(source->objectName()));
    }
    frames[static_cast<std::size_t>(entry)] = &source->picture();
}

void VORN::showFrame(int entry) {
    const QImage* picture = frames.at(static_cast<std::size_t>(entry));
    if (picture == nullptr) {
        failFrame(QStringLiteral("frame %1 is not in the frame table").arg(entry));
    }
    picture1_->showPicture(picture);
}

void VORN::serveEvents() { QCoreApplication::processEvents(QEventLoop::AllEvents); }

void VORN::clearWindow() {
    // The window never draws on its own surface (the picture area covers it),
    // so there is nothing to erase and nothing visible changes.
}

void VORN::quit() {
    // Ends the program from inside event service: the loop is abandoned where
    // it stands and no further frame is shown. Nothing is saved, so nothing
    // needs tearing down.
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

void VORN::failFrame(const QString& what) {
    const QString message = QStringLiteral("VORN cannot show its frames: %1.").arg(what);
    std::fprintf(stderr, "vorn: %s\n", qPrintable(message));
    QMessageBox::critical(this, QStringLiteral("VORN"), message);
    std::fflush(nullptr);
    std::_Exit(EXIT_FAILURE);
}

}  // namespace vorn
