#include "comum.hpp"

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>
#include <unistd.h>

#include <fstream>
#include <iterator>

#include "generate.hpp"

namespace rectest {

namespace {

struct TempRoot {
  std::filesystem::path path;
  TempRoot() {
    path = std::filesystem::temp_directory_path() / ("xadrez-recursos-" + std::to_string(getpid()));
    std::filesystem::remove_all(path);
    rec::generateAll(path.string());
  }
  ~TempRoot() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
};

}  // namespace

const std::filesystem::path& generatedRoot() {
  static TempRoot root;
  return root.path;
}

std::vector<uint8_t> readFile(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

rec::Image loadPng(const std::filesystem::path& file) {
  rec::Image img;
  SDL_Surface* raw = IMG_Load(file.string().c_str());
  EXPECT_NE(raw, nullptr) << file << ": " << IMG_GetError();
  if (!raw) return img;
  SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(raw);
  EXPECT_NE(s, nullptr);
  if (!s) return img;
  img.w = s->w;
  img.h = s->h;
  img.rgba.resize(static_cast<size_t>(img.w) * img.h * 4);
  for (int y = 0; y < img.h; ++y) {
    const uint8_t* row = static_cast<const uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch;
    std::copy(row, row + img.w * 4, img.rgba.begin() + static_cast<long>(y) * img.w * 4);
  }
  SDL_FreeSurface(s);
  return img;
}

double luminance(const uint8_t* px) { return 0.2126 * px[0] + 0.7152 * px[1] + 0.0722 * px[2]; }

}  // namespace rectest
