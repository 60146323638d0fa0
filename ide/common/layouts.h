#pragma once
// The environment's own resources, built into the program: the windows' form
// layouts (text .dfm files) and the pictures of buttons and components.
#include <string>
#include <string_view>

#include "kcl/graphics/bitmap.h"

namespace korvax {

// The text of the layout "resources/layouts/<name>.dfm"; raises EReadError
// "Resource <name> not found" when the program has none of that name.
std::string LayoutText(std::string_view name);

// Loads the picture "resources/<folder>/<name>.xpm" into bitmap; false when the
// program has no such picture.
bool LoadPicture(std::string_view folder, std::string_view name, kcl::TBitmap& bitmap);

}  // namespace korvax
