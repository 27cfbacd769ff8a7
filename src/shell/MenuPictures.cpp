#include "shell/MenuPictures.h"

#include <QImage>
#include <QPixmap>

#include <array>

namespace tessellon {

namespace {

    constexpr int side = 16;
    using Drawing = std::array<const char*, side>;

    // One row of text per row of pixels: '#' ink, '.' paper, anything else transparent.
    constexpr Drawing scissors
        = { "                ", "  #         #   ", "  ##       ##   ", "   #       #    ",
              "   ##     ##    ", "    #     #     ", "    ##   ##     ", "     ## ##      ",
              "      ###       ", "     ## ##      ", "   ###   ###    ", "  #..#   #..#   ",
              " #...#   #...#  ", " #...#   #...#  ", "  ###     ###   ", "                " };

    constexpr Drawing twoPages
        = { "                ", " #######        ", " #.....#        ", " #.###.#        ",
              " #.....#        ", " #.###.######## ", " #.....#......# ", " #.###.#.####.# ",
              " #.....#......# ", " #######.####.# ", "       #......# ", "       #.####.# ",
              "       #......# ", "       #.####.# ", "       #......# ", "       ######## " };

    constexpr Drawing clipboard
        = { "      ####      ", "  ####.##.####  ", "  #..######..#  ", "  #..........#  ",
              "  #.....########", "  #.....#......#", "  #.....#.####.#", "  #.....#......#",
              "  #.....#.####.#", "  #.....#......#", "  #.....#.####.#", "  #.....#......#",
              "  #.....#.####.#", "  #######......#", "        #......#", "        ########" };

    constexpr Drawing cascadedWindows
        = { "                ", " #########      ", " #########      ", " #.......#      ",
              " #..#########   ", " #..#########   ", " #..#.......#   ", " #..#..#########",
              " #..#..#########", " ####..#.......#", "    #..#.......#", "    #..#.......#",
              "    ####.......#", "       #.......#", "       #.......#", "       #########" };

    constexpr Drawing windowsAboveEachOther
        = { "                ", " ############## ", " ############## ", " #............# ",
              " #............# ", " #............# ", " #............# ", " ############## ",
              "                ", " ############## ", " ############## ", " #............# ",
              " #............# ", " #............# ", " ############## ", "                " };

    constexpr Drawing windowsSideBySide
        = { "                ", " ######  ###### ", " ######  ###### ", " #....#  #....# ",
              " #....#  #....# ", " #....#  #....# ", " #....#  #....# ", " #....#  #....# ",
              " #....#  #....# ", " #....#  #....# ", " #....#  #....# ", " #....#  #....# ",
              " #....#  #....# ", " #....#  #....# ", " ######  ###### ", "                " };

    // An arrow that turns back to the left; mirrored, it turns forward.
    constexpr Drawing arrowTurningBack
        = { "                ", "                ", "      #         ", "     ##         ",
              "    ###         ", "   #########    ", "   ##########   ", "    ###    ###  ",
              "     ##     ##  ", "      #     ##  ", "            ##  ", "           ###  ",
              "       ######   ", "       #####    ", "                ", "                " };

    constexpr Drawing arrowLeavingAPage
        = { "                ", " #######        ", " #.....#        ", " #.###.#        ",
              " #.....#   #    ", " #.###.#   ##   ", " #.....#   ###  ", " #.############ ",
              " #.############ ", " #.....#   ###  ", " #.###.#   ##   ", " #.....#   #    ",
              " #.###.#        ", " #.....#        ", " #######        ", "                " };

    constexpr bool everyRowIsFull(const Drawing& drawing)
    {
        for (const char* row : drawing) {
            int length = 0;
            while (row[length] != '\0') {
                ++length;
            }
            if (length != side) {
                return false;
            }
        }
        return true;
    }

    static_assert(everyRowIsFull(scissors) && everyRowIsFull(twoPages) && everyRowIsFull(clipboard)
        && everyRowIsFull(cascadedWindows) && everyRowIsFull(windowsAboveEachOther)
        && everyRowIsFull(windowsSideBySide) && everyRowIsFull(arrowTurningBack)
        && everyRowIsFull(arrowLeavingAPage));

    const Drawing& drawingOf(MenuPicture picture)
    {
        switch (picture) {
        case MenuPicture::Cut:
            return scissors;
        case MenuPicture::Copy:
            return twoPages;
        case MenuPicture::Paste:
            return clipboard;
        case MenuPicture::Cascade:
            return cascadedWindows;
        case MenuPicture::TileHorizontally:
            return windowsAboveEachOther;
        case MenuPicture::TileVertically:
            return windowsSideBySide;
        case MenuPicture::Undo:
        case MenuPicture::Redo:
            return arrowTurningBack;
        case MenuPicture::Export:
            break;
        }
        return arrowLeavingAPage;
    }

    QImage imageOf(const Drawing& drawing)
    {
        QImage image(side, side, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        for (int y = 0; y < side; ++y) {
            for (int x = 0; x < side; ++x) {
                const char pixel = drawing[y][x];
                if (pixel == '#' || pixel == '.') {
                    image.setPixelColor(x, y, pixel == '#' ? Qt::black : Qt::white);
                }
            }
        }
        return image;
    }

} // namespace

QIcon menuPicture(MenuPicture picture)
{
    const QImage drawn = imageOf(drawingOf(picture));
    const QImage image = picture == MenuPicture::Redo ? drawn.mirrored(true, false) : drawn;
    QIcon icon;
    icon.addPixmap(QPixmap::fromImage(image));
    icon.addPixmap(QPixmap::fromImage(image.scaled(2 * side, 2 * side)));
    return icon;
}

} // namespace tessellon
