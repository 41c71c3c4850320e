#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QString>

#include <stdexcept>

#include "docs_outputs.hpp"
#include "frames/frame_drawing.hpp"
#include "frames/piston_pose.hpp"
#include "qt_picture/screen_picture.hpp"

namespace vorn::docs {
namespace {

constexpr int kColumns = 5;
constexpr int kRows = kFrameCount / kColumns;
constexpr int kScaleDivisor = 2;  // frames shown at half size
constexpr int kTileWidth = kFrameWidth / kScaleDivisor;
constexpr int kTileHeight = kFrameHeight / kScaleDivisor;
constexpr int kLabelHeight = 24;
constexpr int kGap = 12;

}  // namespace

void writeFrameSheet(const std::filesystem::path& pngPath) {
    const int width = kColumns * kTileWidth + (kColumns + 1) * kGap;
    const int height = kRows * (kTileHeight + kLabelHeight) + (kRows + 1) * kGap;
    QImage sheet(width, height, QImage::Format_RGB32);
    sheet.fill(QColor(235, 235, 235));

    QPainter painter(&sheet);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font = painter.font();
    font.setPixelSize(15);
    painter.setFont(font);
    for (int j = 0; j < kFrameCount; ++j) {
        const int left = kGap + (j % kColumns) * (kTileWidth + kGap);
        const int top = kGap + (j / kColumns) * (kTileHeight + kLabelHeight + kGap);
        const QString label =
            QStringLiteral("Frame %1  (Image%2)  crank %3\u00B0").arg(j).arg(j + 1).arg(frameCrankAngleDegrees(j));
        painter.setPen(Qt::black);
        painter.drawText(QRect(left, top, kTileWidth, kLabelHeight), Qt::AlignLeft | Qt::AlignVCenter, label);
        painter.drawImage(QRect(left, top + kLabelHeight, kTileWidth, kTileHeight), toScreenPicture(drawFrame(j)));
        painter.setPen(QColor(160, 160, 160));
        painter.drawRect(QRect(left, top + kLabelHeight, kTileWidth, kTileHeight).adjusted(0, 0, -1, -1));
    }
    painter.end();
    if (!sheet.save(QString::fromStdString(pngPath.string()), "PNG")) {
        throw std::runtime_error("cannot write " + pngPath.string());
    }
}

}  // namespace vorn::docs
