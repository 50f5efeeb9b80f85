// Generates the game's pictures and sounds, and its desktop icons: xadrez-recursos OUTPUT_FOLDER
#include <cstdio>
#include <exception>

#include "generate.hpp"
#include "icon.hpp"

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  try {
    rec::generateAll(argv[1]);
    rec::generateIcons(argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "xadrez-recursos: %s\n", e.what());
    return 1;
  }
  return 0;
}
