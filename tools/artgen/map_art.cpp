// The map table "/apo.dat": the corners of the level points on the island
// map's route, then the spare block the map screen carries along unchanged.
#include <cstdio>
#include <cstdlib>
#include <string>

#include "artgen.h"
#include "diagnostics/binio.h"
#include "map_points.h"

void WriteMapTable(const std::string& gameDir) {
  MapCentre centres[MAP_LEVEL_COUNT + 1];
  MapLevelCentres(centres);
  ByteWriter out;
  for (int i = 0; i < MAP_TABLE_POINTS; ++i) {
    int x = 0, y = 0;
    // Point 66 is the marker's working position: it starts on the ship.
    int from = i <= MAP_LEVEL_COUNT ? i : (i == 66 ? 0 : -1);
    if (from >= 0) MapPointCorner(centres, from, &x, &y);
    out.I32(x);
    out.I32(y);
  }
  out.Zeros(808);
  std::string path = gameDir + "/apo.dat";
  if (!WriteWholeFile(path, out.bytes)) {
    std::fprintf(stderr, "artgen: cannot write %s\n", path.c_str());
    std::exit(1);
  }
}
