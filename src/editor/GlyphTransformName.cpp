#include "editor/GlyphTransformName.h"

namespace tessellon {

QString glyphTransformName(GlyphTransform transform)
{
    switch (transform) {
    case GlyphTransform::ShiftUp:
        return "Shift Up";
    case GlyphTransform::ShiftDown:
        return "Shift Down";
    case GlyphTransform::ShiftLeft:
        return "Shift Left";
    case GlyphTransform::ShiftRight:
        return "Shift Right";
    case GlyphTransform::FlipHorizontally:
        return "Flip Horizontally";
    case GlyphTransform::FlipVertically:
        return "Flip Vertically";
    case GlyphTransform::Invert:
        return "Invert";
    case GlyphTransform::Clear:
        return "Clear";
    case GlyphTransform::Bold:
        return "Bold";
    }
    return {};
}

} // namespace tessellon
