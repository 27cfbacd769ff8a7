#pragma once

#include "recipe/NewFontRecipe.h"

#include <optional>

class QObject;

namespace tessellon {

// The choices a window's font was made with by File > New, kept with the window (as a child
// object that goes with it) for File > Save Recipe.
void rememberNewFontChoices(QObject& window, const NewFontChoices& choices);
std::optional<NewFontChoices> newFontChoicesOf(const QObject& window);

} // namespace tessellon
