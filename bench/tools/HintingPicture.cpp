// Draws the manual's picture of the hinting styles from fonts that tessellon-cli made: one row
// per font and size, one column per style, each cell the font's glyphs set as text (each
// glyph's ink one pixel after the last one's, a blank glyph a third of its width), every
// pixel a square of a few screen pixels.
// Usage: hinting_picture OUT.png "LABEL|SYSTEM.pix|AUTO.pix|LIGHT.pix|NONE.pix"...
#include "creation/HintingStyle.h"
#include "document/PixReader.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>

#include <cstdio>
#include <optional>
#include <vector>

using namespace tessellon;

namespace {

constexpr int scale = 3; // screen pixels a side per glyph pixel
constexpr int gap = 24;
constexpr int labelWidth = 180;
constexpr int headerHeight = 34;

struct Row {
    QString label;
    std::vector<FontLib> fonts; // one per style
};

bool ink(const FontLib& font, std::uint32_t k, int x, int y)
{
    return (font.glyph(k)[y * font.rowBytes() + x / 8] & (0x80 >> (x % 8))) != 0;
}

// The columns of glyph k that hold ink, or nothing for a blank glyph.
std::optional<std::pair<int, int>> inkColumns(const FontLib& font, std::uint32_t k)
{
    std::optional<std::pair<int, int>> columns;
    for (int x = 0; x < font.info.glyphWidth; ++x) {
        for (int y = 0; y < font.info.glyphHeight; ++y) {
            if (ink(font, k, x, y)) {
                columns = std::pair { columns ? columns->first : x, x };
                break;
            }
        }
    }
    return columns;
}

int advance(const FontLib& font, std::uint32_t k)
{
    const auto columns = inkColumns(font, k);
    return columns ? columns->second - columns->first + 2 : font.info.glyphWidth / 3;
}

int fontWidth(const FontLib& font)
{
    int width = 0;
    for (std::uint32_t k = 0; k < font.info.glyphCount; ++k) {
        width += advance(font, k);
    }
    return width;
}

std::optional<Row> readRow(const QString& argument)
{
    const QStringList parts = argument.split('|');
    if (parts.size() != 1 + static_cast<int>(hintingStyles.size())) {
        std::fprintf(
            stderr, "a row is LABEL and one .pix file per style: %s\n", qPrintable(argument));
        return std::nullopt;
    }
    Row row { parts[0], {} };
    for (int i = 1; i < parts.size(); ++i) {
        auto font = readPixFile(parts[i].toStdString());
        if (!font) {
            std::fprintf(stderr, "%s\n", font.message().c_str());
            return std::nullopt;
        }
        row.fonts.push_back(std::move(*font));
    }
    return row;
}

void drawGlyphs(QPainter& painter, const FontLib& font, int left, int top)
{
    for (std::uint32_t k = 0; k < font.info.glyphCount; ++k) {
        const int first = inkColumns(font, k).value_or(std::pair { 0, 0 }).first;
        for (int y = 0; y < font.info.glyphHeight; ++y) {
            for (int x = first; x < font.info.glyphWidth; ++x) {
                if (ink(font, k, x, y)) {
                    painter.fillRect(
                        left + (x - first) * scale, top + y * scale, scale, scale, Qt::black);
                }
            }
        }
        left += advance(font, k) * scale;
    }
}

} // namespace

int main(int argc, char** argv)
{
    QGuiApplication application(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr,
            "usage: hinting_picture OUT.png \"LABEL|SYSTEM.pix|AUTO.pix|LIGHT.pix|NONE.pix\"...\n");
        return 2;
    }
    std::vector<Row> rows;
    for (int i = 2; i < argc; ++i) {
        auto row = readRow(QString::fromLocal8Bit(argv[i]));
        if (!row) {
            return 2;
        }
        rows.push_back(std::move(*row));
    }
    // Every column is as wide as its widest cell; every row as tall as its tallest glyph.
    std::vector<int> columnWidths(hintingStyles.size(), 0);
    int height = headerHeight;
    for (const Row& row : rows) {
        int rowHeight = 0;
        for (std::size_t c = 0; c < row.fonts.size(); ++c) {
            columnWidths[c] = std::max(columnWidths[c], fontWidth(row.fonts[c]) * scale);
            rowHeight = std::max(rowHeight, static_cast<int>(row.fonts[c].info.glyphHeight));
        }
        height += rowHeight * scale + gap;
    }
    int width = labelWidth;
    for (int columnWidth : columnWidths) {
        width += columnWidth + gap;
    }
    QImage picture(width, height, QImage::Format_RGB32);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    QFont labelFont(QStringLiteral("DejaVu Sans"));
    labelFont.setPixelSize(15);
    painter.setFont(labelFont);
    int left = labelWidth;
    for (std::size_t c = 0; c < hintingStyles.size(); ++c) {
        painter.drawText(QRect(left, 0, columnWidths[c], headerHeight - 8),
            Qt::AlignLeft | Qt::AlignBottom, hintingStyles[c].name);
        left += columnWidths[c] + gap;
    }
    int top = headerHeight;
    for (const Row& row : rows) {
        int rowHeight = 0;
        left = labelWidth;
        for (std::size_t c = 0; c < row.fonts.size(); ++c) {
            painter.fillRect(left - 4, top - 2, fontWidth(row.fonts[c]) * scale + 6,
                row.fonts[c].info.glyphHeight * scale + 4, QColor(235, 235, 235));
            drawGlyphs(painter, row.fonts[c], left, top);
            rowHeight = std::max(rowHeight, static_cast<int>(row.fonts[c].info.glyphHeight));
            left += columnWidths[c] + gap;
        }
        painter.drawText(QRect(0, top, labelWidth - 12, rowHeight * scale),
            Qt::AlignLeft | Qt::AlignVCenter, row.label);
        top += rowHeight * scale + gap;
    }
    painter.end();
    if (!picture.save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 2;
    }
    return 0;
}
