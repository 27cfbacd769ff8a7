#include "recipe/OutputTarget.h"

namespace tessellon {

const OutputTargetInfo* outputTargetNamed(std::string_view name)
{
    for (const OutputTargetInfo& target : outputTargets) {
        if (name == target.name) {
            return &target;
        }
    }
    return nullptr;
}

} // namespace tessellon
