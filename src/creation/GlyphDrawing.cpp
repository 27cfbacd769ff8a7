#include "creation/GlyphDrawing.h"

#include "creation/FontFaceLookup.h"
#include "creation/FreeTypeGlyphDrawer.h"
#include "creation/GlyphRenderer.h"
#include "document/FontLib.h"

#include <vector>

namespace tessellon {

namespace {

    Result<std::unique_ptr<GlyphDrawer>> openSystemDrawer(const GlyphDrawingParams& params)
    {
        auto renderer = std::make_unique<GlyphRenderer>();
        if (!renderer->BeginRender(params.font, params.glyphWidth, params.glyphHeight,
                params.offsetX, params.offsetY)) {
            return failure("Cannot make a drawing surface for glyphs of "
                + std::to_string(params.glyphWidth) + " x " + std::to_string(params.glyphHeight)
                + ".");
        }
        return std::unique_ptr<GlyphDrawer>(std::move(renderer));
    }

} // namespace

Result<GlyphDrawingPlan> planGlyphDrawing(const GlyphDrawingParams& params)
{
    GlyphDrawingPlan plan { params, std::nullopt };
    if (params.hinting != HintingStyle::System) {
        auto drawing = freeTypeDrawingFor(params);
        if (!drawing) {
            return failure(drawing.message());
        }
        plan.freeType = std::move(*drawing);
    }
    return plan;
}

Result<std::unique_ptr<GlyphDrawer>> openGlyphDrawer(const GlyphDrawingPlan& plan)
{
    if (!plan.freeType) {
        return openSystemDrawer(plan.params);
    }
    auto drawer = FreeTypeGlyphDrawer::open(*plan.freeType);
    if (!drawer) {
        return failure(drawer.message());
    }
    return std::unique_ptr<GlyphDrawer>(std::move(*drawer));
}

GlyphSourceOpener glyphSourceOpener(GlyphDrawingPlan plan)
{
    return [plan = std::move(plan)]() -> Result<std::unique_ptr<GlyphSource>> {
        auto drawer = openGlyphDrawer(plan);
        if (!drawer) {
            return failure(drawer.message());
        }
        return std::unique_ptr<GlyphSource>(std::move(*drawer));
    };
}

Result<std::unique_ptr<GlyphDrawer>> openGlyphDrawer(const GlyphDrawingParams& params)
{
    const auto plan = planGlyphDrawing(params);
    if (!plan) {
        return failure(plan.message());
    }
    return openGlyphDrawer(*plan);
}

QImage glyphPicture(std::span<const std::uint8_t> glyph, int width, int height)
{
    QImage picture(width, height, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    const std::size_t rowBytes = rowBytesFor(width);
    if (picture.isNull() || glyph.size() < rowBytes * static_cast<std::size_t>(height)) {
        return picture;
    }
    for (int y = 0; y < height; ++y) {
        auto* line = reinterpret_cast<QRgb*>(picture.scanLine(y));
        const std::uint8_t* row = glyph.data() + static_cast<std::size_t>(y) * rowBytes;
        for (int x = 0; x < width; ++x) {
            if (row[x / 8] & (0x80u >> (x % 8))) {
                line[x] = qRgba(0, 0, 0, 255);
            }
        }
    }
    return picture;
}

QImage drawGlyphPicture(GlyphDrawer& drawer, char32_t code, int width, int height)
{
    if (!isSupportedGlyphSize(width, height)) {
        return {};
    }
    std::vector<std::uint8_t> glyph(rowBytesFor(width) * static_cast<std::size_t>(height), 0);
    drawer.drawCharacter(code, glyph);
    return glyphPicture(glyph, width, height);
}

} // namespace tessellon
