// The generated screen pictures, glyph sheets and map table, read back as
// the game reads them.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <vector>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

#include "diagnostics/binio.h"
#include "graphics/glyph_layout.h"
#include "tools/artgen/map_points.h"

namespace {

const std::string kGameDir = GEM_GAME_DIR;

struct Picture {
  int width = 0, height = 0;
  std::vector<unsigned char> rgba;
};

// Decodes a generated picture into RGBA; width 0 when it is missing or broken.
Picture LoadPicture(const std::string& relative, int* channelsInFile = nullptr) {
  Picture p;
  int n = 0;
  unsigned char* data = stbi_load((kGameDir + "/" + relative).c_str(), &p.width, &p.height, &n, 4);
  if (!data) return Picture{};
  p.rgba.assign(data, data + size_t(p.width) * p.height * 4);
  stbi_image_free(data);
  if (channelsInFile) *channelsInFile = n;
  return p;
}

unsigned char AlphaAt(const Picture& p, int x, int y) { return p.rgba[(size_t(y) * p.width + x) * 4 + 3]; }

}  // namespace

TEST(GlyphLayout, TellingRowsSitExactlyWhereTheTextRoutinesExpectThem) {
  struct Row { char c; int picture, left, top, right, bottom; };
  const Row rows[] = {
      {'<', 0, 0, 0, 127, 127},     {'>', 0, 127, 0, 255, 127},   {'_', 0, 0, 127, 127, 255},
      {'^', 0, 127, 127, 255, 255}, {'A', 1, 27, 0, 103, 127},    {'B', 1, 153, 0, 233, 127},
      {'C', 1, 26, 127, 106, 255},  {'D', 1, 155, 127, 227, 255}, {'I', 3, 47, 0, 82, 127},
      {'M', 4, 22, 0, 109, 125},    {'W', 6, 16, 127, 116, 255},  {'1', 7, 30, 127, 102, 255},
      {'0', 9, 157, 127, 229, 255},
  };
  for (const Row& r : rows) {
    const GlyphLayoutRow* g = FindGlyphLayout((unsigned char)r.c);
    ASSERT_NE(g, nullptr) << r.c;
    EXPECT_EQ(g->picture, r.picture) << r.c;
    EXPECT_EQ(g->source.left, r.left) << r.c;
    EXPECT_EQ(g->source.top, r.top) << r.c;
    EXPECT_EQ(g->source.right, r.right) << r.c;
    EXPECT_EQ(g->source.bottom, r.bottom) << r.c;
  }
}

TEST(GlyphLayout, LettersDigitsAndPunctuationFollowTheCellOrder) {
  // Upper case four to a picture from picture 1, the digits 1..9, 0 after them.
  const std::string upperThenDigits = "ABCDEFGHIJKLMNOPQRSTUVWXYZ1234567890";
  for (size_t i = 0; i < upperThenDigits.size(); ++i) {
    const GlyphLayoutRow* g = FindGlyphLayout((unsigned char)upperThenDigits[i]);
    ASSERT_NE(g, nullptr);
    int cell = int(i) % 4;
    EXPECT_EQ(g->picture, 1 + int(i) / 4) << upperThenDigits[i];
    EXPECT_EQ(g->source.top, cell < 2 ? 0 : 127) << upperThenDigits[i];
    EXPECT_EQ(g->source.left >= 128, cell % 2 == 1) << upperThenDigits[i];
  }
  const std::string rest = "abcdefghijklmnopqrstuvwxyz!#%&'()+,-./:;?@[\\]";
  int lastPicture = 9;
  for (char c : rest) {
    const GlyphLayoutRow* g = FindGlyphLayout((unsigned char)c);
    ASSERT_NE(g, nullptr) << c;
    EXPECT_GE(g->picture, 10) << c;
    EXPECT_LE(g->picture, 19) << c;
    if (c >= 'a' && c <= 'z') {
      EXPECT_GE(g->picture, lastPicture) << c;  // lower case in alphabetical order
      lastPicture = g->picture;
    }
  }
  EXPECT_EQ(FindGlyphLayout(' '), nullptr);
  EXPECT_EQ(FindGlyphLayout('|'), nullptr);
  EXPECT_EQ(FindGlyphLayout(200), nullptr);
}

TEST(GlyphLayout, EveryRectangleStaysInItsCellAndNoTwoShareTexels) {
  std::set<unsigned char> seen;
  for (const GlyphLayoutRow& g : GlyphLayout) {
    EXPECT_TRUE(seen.insert(g.character).second) << "twice: " << g.character;
    const GlyphSourceRect& r = g.source;
    EXPECT_GE(g.picture, 0);
    EXPECT_LT(g.picture, GLYPH_PICTURE_COUNT);
    EXPECT_TRUE((r.top == 0 && (r.bottom == 127 || r.bottom == 125)) || (r.top == 127 && r.bottom == 255)) << g.character;
    bool rightColumn = r.left >= 127;
    EXPECT_LE(r.right, rightColumn ? 255 : 128) << g.character;
    EXPECT_GT(r.right - r.left, 16) << g.character;  // the advance is the width less 16
    // The ornaments' full cells of picture 0 meet at the shared column 127; no
    // other two glyphs of a row may share texels.
    if (g.picture == 0) continue;
    for (const GlyphLayoutRow& h : GlyphLayout) {
      if (&h == &g || h.picture != g.picture || h.source.top != r.top) continue;
      bool apart = h.source.right <= r.left || h.source.left >= r.right;
      EXPECT_TRUE(apart) << g.character << " overlaps " << h.character;
    }
  }
}

TEST(GlyphLayout, PictureFilesNameTheFoldersOfBothSets) {
  EXPECT_EQ(GlyphPictureFile(GLYPHS_LARGE, 0), "fonts/new/c0m.png");
  EXPECT_EQ(GlyphPictureFile(GLYPHS_SMALL, 0), "fonts/new/c0mp.png");
  EXPECT_EQ(GlyphPictureFile(GLYPHS_LARGE, 1), "fonts/large/c1n.png");
  EXPECT_EQ(GlyphPictureFile(GLYPHS_SMALL, 19), "fonts/small/c19n.png");
  EXPECT_EQ(GlyphPictureFile(GLYPHS_LARGE, 20), "");
  EXPECT_EQ(GlyphPictureFile(GLYPHS_LARGE, -1), "");
}

TEST(GlyphSheets, EveryGlyphHasInkInsideItsRectangleAndNoneOutside) {
  for (int set = 0; set < GLYPH_SET_COUNT; ++set) {
    for (int picture = 0; picture < GLYPH_PICTURE_COUNT; ++picture) {
      std::string file = GlyphPictureFile(GlyphSet(set), picture);
      int channels = 0;
      Picture p = LoadPicture(file, &channels);
      ASSERT_EQ(p.width, GLYPH_PICTURE_SIZE) << file;
      ASSERT_EQ(p.height, GLYPH_PICTURE_SIZE) << file;
      EXPECT_EQ(channels, 4) << file;
      std::vector<bool> covered(size_t(p.width) * p.height, false);
      for (const GlyphLayoutRow& g : GlyphLayout) {
        if (g.picture != picture) continue;
        int ink = 0;
        for (int y = g.source.top; y < g.source.bottom; ++y) {
          for (int x = g.source.left; x < g.source.right; ++x) {
            covered[size_t(y) * p.width + x] = true;
            if (AlphaAt(p, x, y) > 128) ++ink;
          }
        }
        EXPECT_GT(ink, 60) << file << " glyph " << g.character;
      }
      int stray = 0;
      for (int y = 0; y < p.height; ++y)
        for (int x = 0; x < p.width; ++x)
          if (!covered[size_t(y) * p.width + x] && AlphaAt(p, x, y) > 8) ++stray;
      EXPECT_EQ(stray, 0) << file << ": ink outside every glyph rectangle";
    }
  }
}

TEST(MapTable, ApoDatHoldsTheRoutePointsThenTheSpareBlock) {
  std::vector<uint8_t> bytes;
  ASSERT_TRUE(ReadWholeFile(kGameDir + "/apo.dat", &bytes));
  ASSERT_EQ(bytes.size(), 1616u);
  MapCentre centres[MAP_LEVEL_COUNT + 1];
  MapLevelCentres(centres);
  ByteReader in(bytes);
  int x[MAP_TABLE_POINTS], y[MAP_TABLE_POINTS];
  for (int i = 0; i < MAP_TABLE_POINTS; ++i) {
    x[i] = in.I32();
    y[i] = in.I32();
  }
  for (int i = 0; i <= MAP_LEVEL_COUNT; ++i) {
    int ex, ey;
    MapPointCorner(centres, i, &ex, &ey);
    EXPECT_EQ(x[i], ex) << "point " << i;
    EXPECT_EQ(y[i], ey) << "point " << i;
  }
  EXPECT_EQ(x[66], x[0]);  // the marker starts on the ship
  EXPECT_EQ(y[66], y[0]);
  for (int i = 67; i < MAP_TABLE_POINTS; ++i) {
    EXPECT_EQ(x[i], 0) << i;
    EXPECT_EQ(y[i], 0) << i;
  }
  for (int k = 0; k < 808; ++k) ASSERT_EQ(in.U8(), 0) << "spare byte " << k;
  EXPECT_TRUE(in.ok);
  EXPECT_EQ(in.Remaining(), 0u);
}

TEST(MapTable, LevelPointsFitTheMapViewWithoutTouching) {
  MapCentre c[MAP_LEVEL_COUNT + 1];
  MapLevelCentres(c);
  for (int level = 1; level <= MAP_LEVEL_COUNT; ++level) {
    int x, y;
    MapPointCorner(c, level, &x, &y);
    int size = MapIsStagePoint(level) ? MAP_STAGE_FRAME : MAP_SMALL_FRAME;
    // The map view is (1, 1, 1093, 915) of the 1280 x 1024 screen.
    EXPECT_GE(x, 1) << level;
    EXPECT_GE(y, 1) << level;
    EXPECT_LE(x + size, 1093) << level;
    EXPECT_LE(y + size, 915) << level;
    for (int other = 1; other < level; ++other) {
      double d = std::hypot(c[level].x - c[other].x, c[level].y - c[other].y);
      EXPECT_GT(d, 44) << "levels " << other << " and " << level << " touch";
    }
  }
  // Stage points are level 1, 65 and the first level of every stage.
  for (int level : {1, 9, 18, 27, 36, 45, 54, 65}) EXPECT_TRUE(MapIsStagePoint(level)) << level;
  for (int level : {2, 8, 17, 53, 64}) EXPECT_FALSE(MapIsStagePoint(level)) << level;
}

TEST(ScreenPictures, EveryFileExistsAtItsCatalogueSizeAndDecodes) {
  struct File { std::string path; int size; };
  std::vector<File> files = {
      {"red/tipform0.png", 512}, {"red/tipform1.png", 512}, {"red/tipform2.png", 512},
      {"red/tipform3.png", 512}, {"red/tipformA.png", 512},
      {"red/menu/main0-new2.jpg", 1024}, {"red/menu/main1-new2.jpg", 1024},
      {"red/menu/options-new.jpg", 1024}, {"red/menu/pause.jpg", 1024},
      {"red/shop/shop0.jpg", 1024}, {"red/shop/shop1.jpg", 1024}, {"red/shop/shop2.jpg", 1024},
      {"red/bg/fg.png", 1024}, {"red/bg/menupop.png", 512}, {"red/bg/tipbtn.png", 256},
      {"red/shop/map-points2.png", 128}, {"red/tipimages/check.png", 128},
      {"red/tipimages/tip1.png", 256}, {"red/tipimages/tip2.png", 256}, {"red/tipimages/tip3.png", 256},
      {"red/logo/layer0.jpg", 1024}, {"red/logo/layer1.jpg", 1024}, {"red/logo/layer2.jpg", 1024},
      {"red/logo/gamelogo0.jpg", 1024}, {"red/logo/gamelogo1.jpg", 1024},
  };
  for (int i = 1; i <= 8; ++i) {
    files.push_back({"red/bg/back" + std::to_string(i) + ".jpg", 1024});
    files.push_back({"red/tipimages/" + std::to_string(i) + ".jpg", 256});
  }
  for (const File& f : files) {
    int channels = 0;
    Picture p = LoadPicture(f.path, &channels);
    EXPECT_EQ(p.width, f.size) << f.path;
    EXPECT_EQ(p.height, f.size) << f.path;
    bool png = f.path.compare(f.path.size() - 4, 4, ".png") == 0;
    if (p.width > 0) EXPECT_EQ(channels, png ? 4 : 3) << f.path;
  }
}

TEST(ScreenPictures, FrameAndBalloonsLeaveTheirWindowsClear) {
  // The board shows through the frame: its middle is fully transparent.
  Picture fg = LoadPicture("red/bg/fg.png");
  ASSERT_EQ(fg.width, 1024);
  int opaque = 0;
  for (int y = 200; y < 880; y += 4)
    for (int x = 240; x < 720; x += 4)  // design x 300..900 on the 1024-wide picture
      if (AlphaAt(fg, x, y) > 0) ++opaque;
  EXPECT_EQ(opaque, 0);
  // Each balloon is opaque in its body and clear in its far corner away from the tail.
  const int bodyTop[4] = {102, 102, 52, 52};
  for (int q = 0; q < 4; ++q) {
    Picture b = LoadPicture("red/tipform" + std::to_string(q) + ".png");
    ASSERT_EQ(b.width, 512);
    EXPECT_GT(AlphaAt(b, 256, bodyTop[q] + 110), 200) << q;
    EXPECT_EQ(AlphaAt(b, 2, q < 2 ? 508 : 2), 0) << q;
  }
}

TEST(ScreenPictures, MainMenuTwinIsBrighterInEveryHotSpot) {
  Picture normal = LoadPicture("red/menu/main0-new2.jpg");
  Picture lit = LoadPicture("red/menu/main1-new2.jpg");
  ASSERT_EQ(normal.width, 1024);
  ASSERT_EQ(lit.width, 1024);
  // Hot-spots in percent of the screen: Play, Options, Exit Game, High Scores, How To Play.
  struct Spot { const char* name; double l, t, r, b; };
  const Spot spots[] = {{"Play", 0, 10, 30, 75},      {"Options", 35, 30, 50, 60}, {"Exit Game", 84, 62, 100, 80},
                        {"High Scores", 60, 25, 97, 57}, {"How To Play", 80, 0, 100, 15}};
  auto brightness = [](const Picture& p, const Spot& s) {
    double sum = 0;
    int n = 0;
    for (int y = int(s.t * 10.24); y < int(s.b * 10.24); y += 2)
      for (int x = int(s.l * 10.24); x < int(s.r * 10.24); x += 2, ++n) {
        const unsigned char* px = &p.rgba[(size_t(y) * p.width + x) * 4];
        sum += px[0] + px[1] + px[2];
      }
    return sum / n;
  };
  for (const Spot& s : spots) EXPECT_GT(brightness(lit, s), brightness(normal, s) + 3) << s.name;
}
