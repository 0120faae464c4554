// The island map's route: one list of points from which both the map picture
// (the painted path and the stage regions) and the map table "/apo.dat" are
// made, so the level points always sit on the painted path.
#pragma once

#include <cmath>

enum {
    MAP_LEVEL_COUNT = 65,    // levels 1..65 have a point each; point 0 is the ship
    MAP_TABLE_POINTS = 101,  // points 0..100 of the table
    MAP_STAGE_COUNT = 7,
    MAP_SMALL_FRAME = 32,    // design pixels of a level point's frame
    MAP_STAGE_FRAME = 50,    // design pixels of a stage point's frame
};

struct MapCentre { double x, y; };

// Stage 1..7 of a level, the game's own rule: nine levels a stage, the first
// stage one short and the last one three long.
inline int MapStageOf(int level) {
    int s = level / 9 + 1;
    return s < 7 ? s : 7;
}

// A stage point starts a stage, or is the first or the last level.
inline bool MapIsStagePoint(int level) {
    if (level <= 1 || level >= MAP_LEVEL_COUNT) return true;
    return MapStageOf(level - 1) != MapStageOf(level);
}

// The route's control points, design pixels of the 1280 x 1024 screen: from
// the shore in the south-west along the cliffs of the east coast, back west
// through the jungle, up past the temple, east over the night meadow, into
// the cave of the north-east and on to the gold chamber in the north.
constexpr MapCentre MapRouteControls[] = {
    {150, 838}, {300, 866}, {470, 842}, {640, 866}, {810, 838}, {955, 776},
    {1012, 662}, {930, 590}, {770, 604}, {610, 640}, {450, 646}, {290, 626},
    {150, 566}, {112, 452}, {210, 392}, {370, 420}, {530, 452}, {690, 440},
    {850, 418}, {990, 372}, {1030, 262}, {940, 186}, {790, 218}, {640, 262},
    {490, 268}, {350, 236}, {250, 156}, {350, 84}, {520, 80}, {690, 98},
};
constexpr int MAP_ROUTE_CONTROL_COUNT = int(sizeof(MapRouteControls) / sizeof(MapRouteControls[0]));

// Point t (0..1) of the Catmull-Rom curve through the control points i-1..i+2.
inline MapCentre MapRouteSegment(int i, double t) {
    auto at = [](int k) {
        if (k < 0) k = 0;
        if (k >= MAP_ROUTE_CONTROL_COUNT) k = MAP_ROUTE_CONTROL_COUNT - 1;
        return MapRouteControls[k];
    };
    MapCentre p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
    double t2 = t * t, t3 = t2 * t;
    auto mix = [&](double a, double b, double c, double d) {
        return 0.5 * (2 * b + (-a + c) * t + (2 * a - 5 * b + 4 * c - d) * t2 + (-a + 3 * b - 3 * c + d) * t3);
    };
    return {mix(p0.x, p1.x, p2.x, p3.x), mix(p0.y, p1.y, p2.y, p3.y)};
}

// Samples the whole route densely: out[0..count-1], count at most capacity.
inline int MapRouteSamples(MapCentre* out, int capacity) {
    const int perSegment = 64;
    int n = 0;
    for (int i = 0; i + 1 < MAP_ROUTE_CONTROL_COUNT; ++i) {
        for (int k = 0; k < perSegment && n < capacity; ++k) out[n++] = MapRouteSegment(i, k / double(perSegment));
    }
    if (n < capacity) out[n++] = MapRouteControls[MAP_ROUTE_CONTROL_COUNT - 1];
    return n;
}

// Centres of the level points 1..65 (centres[1..65]) at equal distances along
// the route, and centres[0], the ship off the shore the first marker sails from.
inline void MapLevelCentres(MapCentre centres[MAP_LEVEL_COUNT + 1]) {
    static MapCentre samples[2048];
    int n = MapRouteSamples(samples, 2048);
    static double along[2048];
    along[0] = 0;
    for (int i = 1; i < n; ++i) {
        along[i] = along[i - 1] + std::hypot(samples[i].x - samples[i - 1].x, samples[i].y - samples[i - 1].y);
    }
    int j = 0;
    for (int level = 1; level <= MAP_LEVEL_COUNT; ++level) {
        double want = along[n - 1] * (level - 1) / (MAP_LEVEL_COUNT - 1);
        while (j + 1 < n - 1 && along[j + 1] < want) ++j;
        double span = along[j + 1] - along[j];
        double t = span > 0 ? (want - along[j]) / span : 0;
        if (t > 1) t = 1;
        centres[level] = {samples[j].x + (samples[j + 1].x - samples[j].x) * t,
                          samples[j].y + (samples[j + 1].y - samples[j].y) * t};
    }
    centres[0] = {62, 872};
}

// Top-left corner, as the map table stores it, of the frame of point i
// (0..65): stage frames are 50 pixels, level frames 32, both centred on the route.
inline void MapPointCorner(const MapCentre centres[MAP_LEVEL_COUNT + 1], int i, int* x, int* y) {
    double half = (i == 0 || MapIsStagePoint(i)) ? MAP_STAGE_FRAME / 2.0 : MAP_SMALL_FRAME / 2.0;
    *x = int(std::lround(centres[i].x - half));
    *y = int(std::lround(centres[i].y - half));
}
