// artgen <gameDir>: writes every picture of the game into gameDir.
#include <cstdio>
#include <chrono>
#include <string>

#include "artgen.h"
#include "canvas.h"
#include "tools/contactsheet/contact_sheet.h"

// Stand-ins for groups whose sources are not in the tree yet; real definitions override them.
__attribute__((weak)) void DrawScreenArt(const std::string&) {}
__attribute__((weak)) void DrawGlyphArt(const std::string&) {}
__attribute__((weak)) void WriteMapTable(const std::string&) {}
__attribute__((weak)) void DrawBoardArt(const std::string&) {}
__attribute__((weak)) void DrawItemArt(const std::string&) {}

int main(int argc, char** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: artgen <gameDir> [--contact-sheet <out.png>]\n");
    return 2;
  }
  std::string gameDir = argv[1];
  struct { const char* name; void (*draw)(const std::string&); } groups[] = {
      {"board", DrawBoardArt}, {"items", DrawItemArt}, {"screens", DrawScreenArt},
      {"glyphs", DrawGlyphArt}, {"map table", WriteMapTable}};
  for (const auto& g : groups) {
    auto start = std::chrono::steady_clock::now();
    g.draw(gameDir);
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("artgen: %-9s %6.2f s\n", g.name, seconds);
  }
  std::printf("artgen: %zu pictures written to %s\n", WrittenImages().size(), gameDir.c_str());
  if (argc >= 4 && std::string(argv[2]) == "--contact-sheet") {
    std::string out = argv[3];
    std::string stem = out.size() > 4 ? out.substr(0, out.size() - 4) : out;
    bool ok = WriteContactSheet(gameDir, WrittenImages(), out, false) &&
              WriteContactSheet(gameDir, WrittenImages(), stem + "-grey.png", true) &&
              WriteBoardMock(gameDir, stem + "-board.png");
    if (!ok) {
      std::fprintf(stderr, "artgen: cannot write the contact sheets next to %s\n", out.c_str());
      return 1;
    }
  }
  return 0;
}
