// Writes a font pixel file to look at: printable Latin, Greek and Cyrillic letters drawn
// with a system font, without antialiasing, so that only their black pixels become ink.
//
//   make_sample_pix OUTPUT.pix [WIDTH HEIGHT [FAMILY]]

#include "document/FontLib.h"
#include "document/PixWriter.h"
#include "formats/QImageRgbImage.h"

#include <QFile>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <vector>

using namespace tessellon;

namespace {

std::vector<std::uint16_t> sampleCodes()
{
    std::vector<std::uint16_t> codes;
    for (std::uint16_t code = 0x21; code <= 0x7e; ++code) {
        codes.push_back(code);
    }
    for (std::uint16_t code = 0xc0; code <= 0xff; ++code) {
        codes.push_back(code);
    }
    for (std::uint16_t code = 0x391; code <= 0x3a9; ++code) {
        codes.push_back(code);
    }
    for (std::uint16_t code = 0x410; code <= 0x44f; ++code) {
        codes.push_back(code);
    }
    // Last, so that the letters keep their places in the grid: text previews need it.
    codes.push_back(0x20);
    return codes;
}

void drawGlyph(FontLib& font, std::uint32_t index, std::uint16_t code, const QFont& face)
{
    QImage cell(font.info.glyphWidth, font.info.glyphHeight, QImage::Format_RGB32);
    cell.fill(Qt::white);
    QPainter painter(&cell);
    painter.setFont(face);
    painter.setPen(Qt::black);
    painter.drawText(cell.rect(), Qt::AlignHCenter | Qt::AlignBottom, QString(QChar(code)));
    painter.end();
    QImageRgbImage image(cell);
    font.ReadGlyph(image, 0, 0, index);
}

} // namespace

int main(int argc, char* argv[])
{
    // Drawing text needs no display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    if (argc < 2) {
        std::fputs("usage: make_sample_pix OUTPUT.pix [WIDTH HEIGHT [FAMILY]]\n", stderr);
        return 2;
    }
    const int width = argc > 3 ? std::atoi(argv[2]) : 12;
    const int height = argc > 3 ? std::atoi(argv[3]) : 16;
    if (!isSupportedGlyphSize(width, height)) {
        std::fputs("make_sample_pix: unsupported glyph size\n", stderr);
        return 2;
    }
    QFont face(argc > 4 ? QString::fromLocal8Bit(argv[4]) : QString("DejaVu Sans Mono"));
    face.setPixelSize(height - 2);
    face.setStyleStrategy(QFont::NoAntialias);

    const std::vector<std::uint16_t> codes = sampleCodes();
    FontLib font = FontLib::blank(width, height, static_cast<std::uint32_t>(codes.size()), true);
    for (std::uint32_t i = 0; i < codes.size(); ++i) {
        drawGlyph(font, i, codes[i], face);
        (*font.codeTable)[i] = codes[i];
    }
    const Status written = writePixFile(QFile::encodeName(argv[1]).toStdString(), font);
    if (!written) {
        std::fprintf(stderr, "make_sample_pix: %s\n", written.message().c_str());
        return 2;
    }
    std::printf("%s: %zu glyphs of %d x %d\n", argv[1], codes.size(), width, height);
    return 0;
}
