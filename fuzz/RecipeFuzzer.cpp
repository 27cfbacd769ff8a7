// Feeds arbitrary text to the recipe parser; a recipe it takes, written back, reads as the
// same recipe.
#include "recipe/RecipeParser.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tessellon;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const RecipePlaces places { "/nonexistent/data", {} };
    const auto recipe = parseRecipe(text, "/nonexistent/fuzz.tfont", places);
    if (recipe) {
        const std::string written = formatRecipe(*recipe);
        const auto again = parseRecipe(written, "/nonexistent/fuzz.tfont", places);
        if (!again || formatRecipe(*again) != written) {
            std::abort();
        }
    } else if (recipe.message().rfind("/nonexistent/fuzz.tfont", 0) != 0) {
        std::abort();
    }
    return 0;
}
