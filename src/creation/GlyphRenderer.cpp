#include "creation/GlyphRenderer.h"

#include "document/FontLib.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace tessellon {

namespace {

    // The font glyphs are drawn with: the given one, without antialiasing.
    QFont renderFontOf(const QFont& font)
    {
        QFont renderFont(font);
        renderFont.setStyleStrategy(
            static_cast<QFont::StyleStrategy>(renderFont.styleStrategy() | QFont::NoAntialias));
        return renderFont;
    }

} // namespace

GlyphRenderer::GlyphRenderer() = default;

std::optional<int> GlyphRenderer::cellBaseline(const QFont& font, int glyphHeight, int offsetY)
{
    const int rows = offsetY + QFontMetrics(renderFontOf(font)).ascent();
    return rows >= 0 && rows <= glyphHeight ? std::optional(rows) : std::nullopt;
}

GlyphRenderer::~GlyphRenderer() { EndRender(); }

bool GlyphRenderer::BeginRender(
    const QFont& font, int glyphWidth, int glyphHeight, int offsetX, int offsetY)
{
    EndRender();
    if (!isSupportedGlyphSize(glyphWidth, glyphHeight)) {
        return false;
    }
    m_renderSide = glyphHeight >= glyphWidth ? glyphHeight : glyphWidth;
    // Text drawn without antialiasing straight into a 16-bit image lands with every second
    // row shifted (Qt 6.4), so the surface is 32-bit and ink is judged by the bits a
    // 5-6-5 surface would keep.
    m_surface = QImage(m_renderSide, m_renderSide, QImage::Format_RGB32);
    if (m_surface.isNull()) {
        return false;
    }
    m_surface.fill(Qt::black);
    m_glyphWidth = glyphWidth;
    m_glyphHeight = glyphHeight;
    m_rowBytes = rowBytesFor(glyphWidth);

    // A copy of our own, so that this thread has its own font data and engines.
    const QFont renderFont = renderFontOf(font);
    m_originX = offsetX;
    m_baseline = offsetY + QFontMetrics(renderFont).ascent();

    m_painter = std::make_unique<QPainter>(&m_surface);
    m_painter->setFont(renderFont);
    m_painter->setPen(Qt::black);
    m_painter->setBackgroundMode(Qt::TransparentMode);
    m_painter->setRenderHint(QPainter::TextAntialiasing, false);
    m_painter->setRenderHint(QPainter::Antialiasing, false);
    m_text = QString(1, QChar(' '));
    // Shaping a lone code unit gives its glyph from the font's character map, so for the
    // characters the font has, the glyph can be drawn directly, which is the same picture
    // without the cost of the shaper.
    m_rawFont = QRawFont::fromFont(renderFont);
    m_glyphsDirect = m_rawFont.isValid() && !renderFont.underline() && !renderFont.strikeOut()
        && !renderFont.overline();
    m_glyphRun = QGlyphRun();
    m_glyphRun.setRawFont(m_rawFont);
    m_glyphRun.setPositions({ QPointF(0, 0) });
    return true;
}

bool GlyphRenderer::RenderGlyph(std::span<std::uint8_t> destination, std::uint16_t code)
{
    if (!m_painter || destination.size() < glyphBytes()) {
        return false;
    }
    m_painter->fillRect(0, 0, m_renderSide, m_renderSide, Qt::white);
    draw(code);
    packInk(destination.data());
    return true;
}

void GlyphRenderer::drawCharacter(char32_t code, std::span<std::uint8_t> glyph)
{
    if (code <= 0xFFFF) {
        RenderGlyph(glyph, static_cast<std::uint16_t>(code));
        return;
    }
    if (!m_painter || glyph.size() < glyphBytes()) {
        return;
    }
    m_painter->fillRect(0, 0, m_renderSide, m_renderSide, Qt::white);
    m_painter->drawText(m_originX, m_baseline, QString::fromUcs4(&code, 1));
    packInk(glyph.data());
}

void GlyphRenderer::draw(std::uint16_t code)
{
    m_text[0] = QChar(code);
    quint32 glyph = 0;
    int glyphCount = 1;
    if (m_glyphsDirect && m_rawFont.glyphIndexesForChars(m_text.constData(), 1, &glyph, &glyphCount)
        && glyphCount == 1 && glyph != 0) {
        m_glyphRun.setGlyphIndexes({ glyph });
        m_painter->drawGlyphRun(QPointF(m_originX, m_baseline), m_glyphRun);
        return;
    }
    m_painter->drawText(m_originX, m_baseline, m_text);
}

void GlyphRenderer::packInk(std::uint8_t* destination) const
{
    for (int y = 0; y < m_glyphHeight; ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(m_surface.constScanLine(y));
        std::uint8_t* row = destination + static_cast<std::size_t>(y) * m_rowBytes;
        // Whole bytes at a time and without branches: ink and paper pixels alternate
        // unpredictably along a glyph's edges.
        for (int byteStart = 0; byteStart < m_glyphWidth; byteStart += 8) {
            const int end = std::min(byteStart + 8, m_glyphWidth);
            unsigned bits = 0;
            for (int x = byteStart; x < end; ++x) {
                bits |= static_cast<unsigned>((line[x] & rgb565Bits) == 0) << (7 - (x - byteStart));
            }
            row[byteStart / 8] |= static_cast<std::uint8_t>(bits);
        }
    }
}

bool GlyphRenderer::EndRender()
{
    if (!m_painter) {
        return false;
    }
    m_painter->end();
    m_painter.reset();
    m_surface = QImage();
    m_glyphRun = QGlyphRun();
    m_rawFont = QRawFont();
    return true;
}

} // namespace tessellon
