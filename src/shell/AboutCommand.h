#pragma once

#include "gui/CommandContext.h"

#include <memory>

namespace tessellon {

class TAboutBox;

// Help > About: the about box, made the first time it is shown, modally.
class AboutCommand final : public MainCommand {
public:
    explicit AboutCommand(const CommandContext& context);
    ~AboutCommand() override;

    void Execute() override;

    TAboutBox& aboutBox();

private:
    CommandContext m_context;
    std::unique_ptr<TAboutBox> m_aboutBox;
};

} // namespace tessellon
