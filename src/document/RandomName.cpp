#include "document/RandomName.h"

#include <random>

namespace tessellon {

std::string randomHexDigits(int count)
{
    static constexpr char digits[] = "0123456789abcdef";
    std::random_device entropy;
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += digits[entropy() % 16];
    }
    return text;
}

} // namespace tessellon
