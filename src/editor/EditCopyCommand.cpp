#include "editor/EditCopyCommand.h"

namespace tessellon {

void EditCopyCommand::Execute()
{
    if (std::optional<ChildExchange> exchange = activeExchange()) {
        exchange->CopyGlyphs();
    }
}

bool EditCopyCommand::Update() const { return hasGlyphSelection(); }

} // namespace tessellon
