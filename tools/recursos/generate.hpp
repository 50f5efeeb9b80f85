// Writes every picture and sound of the game under one folder.
#pragma once

#include <string>
#include <vector>

namespace rec {

// Paths relative to the output folder, in the order they are written.
std::vector<std::string> assetPaths();

// Creates img/ and audio/ under root and writes all assets there; throws
// std::runtime_error when a file cannot be written.
void generateAll(const std::string& root);

}  // namespace rec
