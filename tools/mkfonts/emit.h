#pragma once
// Writes the rendered glyphs as the C++ data behind the recorder's font headers.
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cell.h"
#include "recipes.h"

struct RenderedFont {
    const FontRecipe* Recipe;
    std::vector<std::optional<Cell>> Glyphs;  // FirstChar .. LastChar; empty where the font has no glyph
};

void EmitHeader(std::ostream& out, const std::string& command, const std::string& sources);
void EmitFont(std::ostream& out, const RenderedFont& font);
