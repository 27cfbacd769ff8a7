#pragma once

#include "gui/CommandContext.h"

namespace tessellon {

struct TextPreviewSettings;

// View > Text Preview: shows or hides the text preview of every font window. The choice is
// kept in settings, where windows opened later find it.
class TextPreviewCommand final : public MainCommand {
public:
    TextPreviewCommand(const CommandContext& context, TextPreviewSettings& settings);

    void Execute() override;

private:
    const CommandContext& m_context;
    TextPreviewSettings& m_settings;
};

} // namespace tessellon
