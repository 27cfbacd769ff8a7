#include "creation/NewFontSetUp.h"

#include "creation/FontMaking.h"
#include "creation/GlyphRenderer.h"

#include <utility>

namespace tessellon {

Result<NewFontSetUp> setUpNewFont(const GlyphDrawingParams& params, const std::string& charSetPath)
{
    auto charSet = openNewFontCharSet(charSetPath, params.glyphWidth, params.glyphHeight);
    if (!charSet) {
        return failure(charSet.message());
    }
    auto plan = planGlyphDrawing(params);
    if (!plan) {
        return failure(plan.message());
    }
    const auto glyphCount = static_cast<std::uint32_t>(charSet->measure.glyphCount);
    NewFontSetUp setUp { FontLib::blank(params.glyphWidth, params.glyphHeight, glyphCount, true),
        { std::move(charSet->source), charSet->measure.totalBytes, std::move(*plan), {} } };
    setUp.font.baseline
        = GlyphRenderer::cellBaseline(params.font, params.glyphHeight, params.offsetY);
    auto arrays = claimNewFontArrays(setUp.font.pixelData, *setUp.font.codeTable, glyphCount,
        params.glyphWidth, params.glyphHeight);
    if (!arrays) {
        return failure(arrays.message());
    }
    setUp.drawing.arrays = *arrays;
    return setUp;
}

Status drawNewFont(NewFontDrawing& drawing, unsigned threadCount, CreateFontRun& run)
{
    return drawCharSetOnThreads(
        *drawing.charSet, glyphSourceOpener(drawing.plan), threadCount, drawing.arrays, run);
}

} // namespace tessellon
