#include "creation/NewFontPreview.h"

#include "creation/PreviewLayout.h"

#include <QFontMetrics>
#include <QPainter>

namespace tessellon {

namespace {

    const QColor frameGrey(128, 128, 128);

    QRect toQRect(const PixelRect& rect)
    {
        return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
    }

    // An outline one pixel wide along the rectangle's edges, filled white inside.
    void drawBox(QPainter& painter, const QRect& box, const QColor& outline)
    {
        painter.fillRect(box, outline);
        painter.fillRect(box.adjusted(1, 1, -1, -1), Qt::white);
    }

    QFont glyphFont(const QFont& font)
    {
        QFont sharp(font);
        sharp.setStyleStrategy(
            static_cast<QFont::StyleStrategy>(sharp.styleStrategy() | QFont::NoAntialias));
        return sharp;
    }

} // namespace

QStringList previewCharacters(const QString& text)
{
    QStringList characters;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair
            = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        characters << text.mid(i, pair ? 2 : 1);
        i += pair ? 1 : 0;
    }
    return characters;
}

void drawNewFontPreview(
    QImage& image, const QFont& font, const QString& text, const NewFontNumbers& numbers)
{
    QPainter painter(&image);
    drawBox(painter, image.rect(), Qt::black);
    const QStringList characters = previewCharacters(text);
    const auto cells = layoutPreview(
        image.width(), image.height(), numbers, static_cast<std::size_t>(characters.size()));
    const QFont sharp = glyphFont(font);
    painter.setFont(sharp);
    painter.setPen(Qt::black);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    const int ascent = QFontMetrics(sharp).ascent();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const PreviewCell& cell = cells[i];
        if (cell.framed) {
            drawBox(painter, toQRect(cell.frame), frameGrey);
        }
        const QRect inside = toQRect(cell.inside);
        painter.setClipRect(inside);
        painter.fillRect(inside, Qt::white);
        painter.drawText(
            QPoint(cell.originX, cell.originY + ascent), characters[static_cast<qsizetype>(i)]);
        painter.setClipping(false);
    }
}

} // namespace tessellon
