#include "creation/NewFontPreview.h"

#include "creation/GlyphDrawing.h"
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

    // Paints a cell's character as the drawer draws its glyph.
    void drawCellGlyph(QPainter& painter, GlyphDrawer& drawer, const QRect& inside,
        const NewFontNumbers& numbers, const QString& character)
    {
        const QList<uint> codes = character.toUcs4();
        if (codes.isEmpty()) {
            return;
        }
        painter.drawImage(inside.topLeft(),
            drawGlyphPicture(drawer, codes.front(), numbers.glyphWidth, numbers.glyphHeight));
    }

    // A drawer of the style's glyphs, none for the System style (drawn as text) or a font
    // that cannot be drawn in the style.
    std::unique_ptr<GlyphDrawer> styleDrawer(
        const QFont& font, const NewFontNumbers& numbers, HintingStyle hinting)
    {
        if (hinting == HintingStyle::System) {
            return nullptr;
        }
        auto drawer = openGlyphDrawer(GlyphDrawingParams { font, {}, numbers.glyphWidth,
            numbers.glyphHeight, numbers.offsetX, numbers.offsetY, hinting });
        return drawer ? std::move(*drawer) : nullptr;
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

void drawNewFontPreview(QImage& image, const QFont& font, const QString& text,
    const NewFontNumbers& numbers, HintingStyle hinting)
{
    const std::unique_ptr<GlyphDrawer> drawer = styleDrawer(font, numbers, hinting);
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
        const QString& character = characters[static_cast<qsizetype>(i)];
        if (drawer) {
            drawCellGlyph(painter, *drawer, inside, numbers, character);
        } else {
            painter.drawText(QPoint(cell.originX, cell.originY + ascent), character);
        }
        painter.setClipping(false);
    }
}

} // namespace tessellon
