// Helpers shared by the generator tests.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "raster.hpp"

namespace rectest {

// A folder filled once per test run by the generator, removed at exit.
const std::filesystem::path& generatedRoot();

std::vector<uint8_t> readFile(const std::filesystem::path& file);

// Loads a PNG through SDL_image as straight RGBA; fails the test on error.
rec::Image loadPng(const std::filesystem::path& file);

double luminance(const uint8_t* px);

}  // namespace rectest
