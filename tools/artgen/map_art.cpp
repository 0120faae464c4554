// The map table "/apo.dat": the corners of the level points on the island
// map's route, then the spare block the map screen carries along unchanged.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "artgen.h"
#include "map_points.h"

namespace {
// Appends v as four little-endian bytes.
void PutI32(std::vector<unsigned char>& out, int v) {
  unsigned u = unsigned(v);
  for (int k = 0; k < 4; ++k) out.push_back((u >> (8 * k)) & 255);
}
}  // namespace

void WriteMapTable(const std::string& gameDir) {
  MapCentre centres[MAP_LEVEL_COUNT + 1];
  MapLevelCentres(centres);
  std::vector<unsigned char> out;
  for (int i = 0; i < MAP_TABLE_POINTS; ++i) {
    int x = 0, y = 0;
    // Point 66 is the marker's working position: it starts on the ship.
    int from = i <= MAP_LEVEL_COUNT ? i : (i == 66 ? 0 : -1);
    if (from >= 0) MapPointCorner(centres, from, &x, &y);
    PutI32(out, x);
    PutI32(out, y);
  }
  out.resize(out.size() + 808, 0);
  std::string path = gameDir + "/apo.dat";
  FILE* f = std::fopen(path.c_str(), "wb");
  bool ok = f && std::fwrite(out.data(), 1, out.size(), f) == out.size();
  if (f) ok = (std::fclose(f) == 0) && ok;
  if (!ok) {
    std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
    std::exit(1);
  }
}
