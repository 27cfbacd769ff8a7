#include "shell/ProgramIcon.h"

#include <QPainter>
#include <QPixmap>

namespace tessellon {

namespace {

    // An 8 x 8 "T", one row per byte, the leftmost pixel in the high bit.
    constexpr unsigned char glyphRows[8] = { 0x00, 0x7e, 0x7e, 0x18, 0x18, 0x18, 0x18, 0x00 };

} // namespace

QPixmap programPixmap(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    const double cell = size / 8.0;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const QRectF square(x * cell, y * cell, cell, cell);
            const bool ink = (glyphRows[y] & (0x80 >> x)) != 0;
            painter.fillRect(
                square.adjusted(1, 1, 0, 0), ink ? QColor(Qt::black) : QColor(Qt::white));
        }
    }
    painter.setPen(QColor(128, 128, 128));
    for (int i = 0; i <= 8; ++i) {
        const int at = std::min(size - 1, static_cast<int>(i * cell));
        painter.drawLine(at, 0, at, size - 1);
        painter.drawLine(0, at, size - 1, at);
    }
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : { 16, 32, 48, 64 }) {
        icon.addPixmap(programPixmap(size));
    }
    return icon;
}

} // namespace tessellon
