#pragma once

#include "gui/CommandContext.h"

namespace tessellon {

enum class ZoomTarget { PixelEditor, Grid };

// View > Zoom In and Zoom Out (the pixel editor), Larger Grid and Smaller Grid: one level
// more (steps 1) or less (steps -1) in the active window, enabled while there is one.
class ZoomCommand final : public MainCommand {
public:
    ZoomCommand(const CommandContext& context, ZoomTarget target, int steps);

    void Execute() override;
    bool Update() const override;

private:
    const CommandContext& m_context;
    ZoomTarget m_target;
    int m_steps;
};

} // namespace tessellon
