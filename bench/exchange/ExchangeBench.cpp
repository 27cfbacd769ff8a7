// Copies a block of 32 x 32 glyphs of 16 x 16 (1,024 glyphs, a 512 x 512 picture) into a
// picture file and pastes it back into another place of the font, as Copy To and Paste from
// do, and prints how long each way takes and how much of it is the picture codec's.
// Usage: exchange_bench [FOLDER [RUNS]]   (FOLDER: where the files go, default a temp folder)
// Prints the figures; it is not a test.

#include "document/FontDocument.h"
#include "editor/ExchangePicture.h"
#include "editor/GridCells.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QFile>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

using namespace tessellon;

namespace {

constexpr int glyphSide = 16;
constexpr std::uint32_t glyphCount = 4096;
const GridRect copiedCells { 0, 1, 31, 32 };
const GridRect pastedCells { 0, 65, 0, 65 };

FontLib patternedFont()
{
    FontLib font = FontLib::blank(glyphSide, glyphSide, glyphCount, false);
    for (std::size_t i = 0; i < font.pixelData.size(); ++i) {
        font.pixelData[i] = static_cast<std::uint8_t>((i * 131 + (i >> 5) * 17) ^ (i >> 9));
    }
    return font;
}

double milliseconds(qint64 nanoseconds) { return static_cast<double>(nanoseconds) / 1e6; }

// How long a step took over several runs, in milliseconds: the median, and the fastest,
// which a busy machine disturbs least.
struct Timing {
    double median = 0;
    double fastest = 0;
};

Timing timeRuns(int runs, const std::function<void()>& step)
{
    std::vector<qint64> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer timer;
        timer.start();
        step();
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    return { milliseconds(times[times.size() / 2]), milliseconds(times.front()) };
}

// The median time of runs of step, in milliseconds.
double median(int runs, const std::function<void()>& step) { return timeRuns(runs, step).median; }

void fail(const std::string& why)
{
    std::fprintf(stderr, "exchange_bench: %s\n", why.c_str());
    std::exit(1);
}

QByteArray encoded(const QImage& picture, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter(&buffer, format).write(picture);
    return bytes;
}

void benchFormat(const QString& folder, const char* format, int runs)
{
    FontDocument document;
    document.takeFont(patternedFont());
    const QString path = folder + "/block." + format;

    const Timing copy = timeRuns(runs, [&] {
        const Result<QImage> picture = copyPicture(document.fontLib(), copiedCells);
        if (!picture || !writeExchangePicture(*picture, path)) {
            fail("cannot copy to " + path.toStdString());
        }
    });
    const QImage picture = copyPicture(document.fontLib(), copiedCells).value();
    const double draw = median(runs, [&] { (void)copyPicture(document.fontLib(), copiedCells); });
    const double encode = median(runs, [&] { (void)encoded(picture, format); });

    const Timing paste = timeRuns(runs, [&] {
        const Result<QImage> read = readExchangePictureFile(path);
        if (!read) {
            fail(read.message());
        }
        const TileBlock block = pasteBlockOf(document.fontLib(), pastedCells, *read);
        if (!document.replaceGlyphs(pasteChange(document.fontLib(), block, *read))) {
            fail("the paste does not fit the font");
        }
    });
    const QByteArray bytes = encoded(picture, format);
    const double decode = median(runs, [&] {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        (void)QImageReader(&buffer).read();
    });
    const TileBlock block = pasteBlockOf(document.fontLib(), pastedCells, picture);
    const double glyphs
        = median(runs, [&] { (void)pasteChange(document.fontLib(), block, picture); });

    std::printf("%-4s %7lld bytes  copy %6.2f ms (fastest %6.2f; drawing %5.2f, encoding %5.2f)\n"
                "%-4s %7s        paste %6.2f ms (fastest %6.2f; decoding %5.2f, reading glyphs "
                "%5.2f)\n",
        format, static_cast<long long>(QFile(path).size()), copy.median, copy.fastest, draw, encode,
        "", "", paste.median, paste.fastest, decode, glyphs);
}

} // namespace

int main(int argc, char* argv[])
{
    QTemporaryDir scratch;
    const QString chosen = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    const QString folder = chosen.isEmpty() ? scratch.path() : chosen;
    const int runs = argc > 2 ? std::max(1, std::atoi(argv[2])) : 21;
    std::printf("1,024 glyphs of %d x %d (a 512 x 512 picture), median of %d runs; each way "
                "includes the file; the parts are medians too\n",
        glyphSide, glyphSide, runs);
    for (const char* format : { "png", "bmp" }) {
        benchFormat(folder, format, runs);
    }
    return 0;
}
