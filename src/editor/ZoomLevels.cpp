#include "editor/ZoomLevels.h"

#include <algorithm>
#include <array>

namespace tessellon {

namespace {

    constexpr std::array editorZooms { 4, 5, 6, 8, 10, 12, 16, 20, 24, 32, 40 };

} // namespace

int steppedEditorZoom(int zoom, int steps)
{
    // The last level not above zoom; the first one for anything smaller.
    const auto above = std::upper_bound(editorZooms.begin(), editorZooms.end(), zoom);
    const int at = std::max(0, static_cast<int>(above - editorZooms.begin()) - 1);
    const int last = static_cast<int>(editorZooms.size()) - 1;
    return editorZooms[std::clamp(at + steps, 0, last)];
}

int steppedGridScale(int scale, int steps)
{
    return std::clamp(scale + steps, minGridScale, maxGridScale);
}

} // namespace tessellon
