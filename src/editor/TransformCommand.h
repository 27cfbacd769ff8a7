#pragma once

#include "editor/GlyphTransform.h"
#include "gui/CommandContext.h"

namespace tessellon {

// A command of the Glyph menu: transforms the active window's selected glyphs, or its pixel
// editor's picture when the editor has the focus.
class TransformCommand final : public MainCommand {
public:
    TransformCommand(const CommandContext& context, GlyphTransform transform);

    void Execute() override;
    bool Update() const override;

private:
    const CommandContext& m_context;
    GlyphTransform m_transform;
};

} // namespace tessellon
