#include "creation/PreviewLayout.h"

#include <cstdint>

namespace tessellon {

namespace {

    PreviewCell cellAt(int column, int row, bool framed, const NewFontNumbers& numbers)
    {
        const int pitchX = numbers.glyphWidth + 1;
        const int pitchY = numbers.glyphHeight + 1;
        PreviewCell cell;
        cell.column = column;
        cell.row = row;
        cell.framed = framed;
        if (framed) {
            cell.frame = { column * pitchX + 1, row * pitchY + 1, (column + 1) * pitchX + 2,
                (row + 1) * pitchY + 2 };
        }
        cell.inside = { column * pitchX + 2, row * pitchY + 2, (column + 1) * pitchX + 1,
            (row + 1) * pitchY + 1 };
        cell.originX = cell.inside.left + numbers.offsetX;
        cell.originY = cell.inside.top + numbers.offsetY;
        return cell;
    }

} // namespace

std::vector<PreviewCell> layoutPreview(
    int imageWidth, int imageHeight, const NewFontNumbers& numbers, std::size_t characterCount)
{
    std::vector<PreviewCell> cells;
    if (!withinNewFontLimits(numbers) || imageWidth < 0) {
        return cells;
    }
    const std::int64_t pitchY = numbers.glyphHeight + 1;
    const int columns = imageWidth / (numbers.glyphWidth + 1);
    for (std::size_t c = 0; c < characterCount; ++c) {
        const std::size_t row = columns > 0 ? c / columns : c;
        const std::size_t column = columns > 0 ? c % columns : c;
        // A framed cell must end above the image's bottom edge; a diagonal one must begin
        // above it.
        const std::int64_t bottomRows
            = columns > 0 ? static_cast<std::int64_t>(row) + 1 : static_cast<std::int64_t>(row);
        if (bottomRows * pitchY + 2 >= imageHeight) {
            break;
        }
        cells.push_back(
            cellAt(static_cast<int>(column), static_cast<int>(row), columns > 0, numbers));
    }
    return cells;
}

} // namespace tessellon
