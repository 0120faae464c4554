// artgen <gameDir>: writes every picture of the game into gameDir.
#include <cstdio>
#include <ctime>
#include <string>

#include "artgen.h"
#include "canvas.h"

// Stand-ins for groups whose sources are not in the tree yet; real definitions override them.
__attribute__((weak)) void DrawScreenArt(const std::string&) {}
__attribute__((weak)) void DrawGlyphArt(const std::string&) {}
__attribute__((weak)) void WriteMapTable(const std::string&) {}
__attribute__((weak)) void DrawBoardArt(const std::string&) {}
__attribute__((weak)) void DrawItemArt(const std::string&) {}

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: artgen <gameDir>\n");
    return 2;
  }
  std::string gameDir = argv[1];
  DrawBoardArt(gameDir);
  DrawItemArt(gameDir);
  DrawScreenArt(gameDir);
  DrawGlyphArt(gameDir);
  WriteMapTable(gameDir);
  std::printf("artgen: %zu pictures written to %s\n", WrittenImages().size(), gameDir.c_str());
  return 0;
}
