// The game's icon, the white king, for the desktop's hicolor icon theme
// and for the browser version installed as an app (192 and 512).
#pragma once

#include <string>
#include <vector>

#include "raster.hpp"

namespace rec {

constexpr int kIconSizes[] = {48, 64, 128, 192, 256, 512};

// Paths relative to the output folder: one PNG per size, then the SVG.
std::vector<std::string> iconPaths();

Image renderKingIcon(int size);

// The same drawing as one SVG document, from the same outlines: each part's
// outline colour under it, then its fill as a gradient of the raster's
// shading across the part.
std::string kingIconSvg();

// Writes every path of iconPaths() under root; throws std::runtime_error
// when a file cannot be written.
void generateIcons(const std::string& root);

}  // namespace rec
