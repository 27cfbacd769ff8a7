#pragma once

#include "editor/GlyphTransform.h"

#include <QString>

namespace tessellon {

// The name of a transform as an undo step shows it ("Flip Horizontally").
QString glyphTransformName(GlyphTransform transform);

} // namespace tessellon
