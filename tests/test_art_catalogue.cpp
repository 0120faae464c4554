// The board and item pictures the generator writes: every file the texture
// catalogue loads exists at its size, decodes, has its subject where the board
// drawing places it, and comes out byte-identical from a second run.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#define STB_IMAGE_STATIC
#define STB_IMAGE_IMPLEMENTATION
#include <stb/stb_image.h>

namespace {

const std::string kGameDir = GEM_GAME_DIR;

// Where a picture's subject must sit: the texture point the board puts on the
// cell point (centred sprites, plates, anchored gold tiles, rim, overlay,
// buttons), or none for sheets and effects without a single subject.
enum Anchor { ANY, ITEM, PLATE, GOLD, RIM, OVERLAY, BUTTON };

struct Expected { std::string file; int size; Anchor anchor; };

std::vector<Expected> BoardAndItemPictures() {
  std::vector<Expected> list;
  auto add = [&](const std::string& f, Anchor a, int size = 256) { list.push_back({"256/" + f, size, a}); };
  const char* jewels[] = {"blue1-new", "GREEN2", "amber5", "rub3", "diam2", "crystal-yellow2d", "onea2", "star2",
                          "cirk3", "gems", "bluegem2", "red5", "amberstone", "blue-gem2", "tan-gem", "white-gem2"};
  for (const char* j : jewels) add(std::string(j) + ".png", ITEM);
  const char* items[] = {"chest4", "life2", "clock2", "bomb2", "rainbow", "shuffle", "parrot2", "rum", "core",
                         "gun", "hook", "sun", "rainbow2", "star-blue", "star-gold", "disap", "circ", "eff",
                         "emp", "arrow", "fire", "drop-bottom", "drop-bottom1", "drop-top",
                         "parus-front", "parus-back5"};
  for (const char* i : items) add(std::string(i) + ".png", ITEM);
  for (int s = 1; s <= 7; ++s) add("anime/pf" + std::to_string(s) + ".png", PLATE);
  for (int f = 1; f <= 18; ++f) add("anime/pb" + std::to_string(f) + ".png", PLATE);
  add("anime/pf0.png", OVERLAY);
  add("anime/border.png", RIM);
  for (const char* g : {"gold-normal", "gold-bright", "gold-yellow"}) add(std::string("backcells/") + g + ".png", GOLD);
  for (const char* s : {"sw4", "swupper", "swlower", "swupperface", "swlowerface", "cursor", "num"})
    add(std::string(s) + ".png", ANY);
  add("sand.png", ANY, 4);
  add("4x4.png", ANY, 4);
  for (const char* m : {"mainmenu3", "mainmenu3s", "mainmenu3p"}) add(std::string(m) + ".png", BUTTON);
  for (int s = 0; s < 3; ++s) add("buttons/hint" + std::to_string(s) + ".png", BUTTON);
  for (const char* b : {"parrot", "shuffle", "hook", "sun"})
    for (int s = 0; s < 4; ++s) add(std::string("buttons/") + b + std::to_string(s) + ".png", BUTTON);
  for (const char* b : {"bYes", "bNo", "bOk", "bMenu", "cross", "line", "crossh", "lineh"})
    for (int s = 0; s < 3; ++s) add(std::string("buttons/") + b + std::to_string(s) + ".png", BUTTON);
  add("buttons/cfin.png", ANY);
  for (int k = 1; k <= 10; ++k) {
    char key[32], lock[32];
    std::snprintf(key, sizeof key, "red/shop/key%02d.png", k);
    std::snprintf(lock, sizeof lock, "red/shop/lock%02d.png", k);
    list.push_back({key, 256, ITEM});
    list.push_back({lock, 256, ITEM});
  }
  return list;
}

struct Picture { int width = 0, height = 0; std::vector<unsigned char> rgba; };

bool Load(const std::string& path, Picture& p) {
  int n = 0;
  unsigned char* data = stbi_load(path.c_str(), &p.width, &p.height, &n, 4);
  if (!data) return false;
  p.rgba.assign(data, data + size_t(p.width) * p.height * 4);
  stbi_image_free(data);
  return true;
}

// Alpha-weighted centre of the picture, ignoring the faint fringe of soft shadows.
void SolidCentre(const Picture& p, double& x, double& y) {
  double sx = 0, sy = 0, count = 0;
  for (int j = 0; j < p.height; ++j)
    for (int i = 0; i < p.width; ++i) {
      double a = p.rgba[(size_t(j) * p.width + i) * 4 + 3];
      if (a < 40) continue;
      sx += (i + 0.5) * a; sy += (j + 0.5) * a; count += a;
    }
  x = count ? sx / count : -1;
  y = count ? sy / count : -1;
}

bool AnchorPoint(Anchor a, double& x, double& y) {
  switch (a) {
    case ITEM: x = 0.44 * 256; y = 0.37 * 256; return true;
    case PLATE: x = 110; y = 92; return true;
    case GOLD: x = 0.4775 * 256; y = 0.475 * 256; return true;
    case RIM: x = 0.433 * 256; y = 0.375 * 256; return true;
    case OVERLAY: x = 0.4375 * 256; y = 0.375 * 256; return true;
    case BUTTON: x = 128; y = 128; return true;
    default: return false;
  }
}

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

TEST(ArtCatalogue, EveryBoardAndItemPictureDecodesAtItsSize) {
  for (const Expected& e : BoardAndItemPictures()) {
    SCOPED_TRACE(e.file);
    Picture p;
    ASSERT_TRUE(Load(kGameDir + "/" + e.file, p)) << "missing or undecodable";
    EXPECT_EQ(p.width, e.size);
    EXPECT_EQ(p.height, e.size);
    size_t opaque = 0, clear = 0;
    for (size_t i = 3; i < p.rgba.size(); i += 4) {
      opaque += p.rgba[i] > 200;
      clear += p.rgba[i] == 0;
    }
    EXPECT_GT(opaque + (p.rgba.size() / 4 - clear), 0u) << "picture is empty";
    if (e.size == 256 && e.anchor != ANY) EXPECT_GT(clear, 0u) << "sprite has no transparent surround";
  }
}

TEST(ArtCatalogue, SubjectsSitWhereTheBoardPlacesThem) {
  // Tolerances in texels: tiles and buttons are symmetric; items may lean
  // (a key on the diagonal, a bomb's fuse), so they get more room.
  for (const Expected& e : BoardAndItemPictures()) {
    double ax, ay;
    if (!AnchorPoint(e.anchor, ax, ay)) continue;
    Picture p;
    if (!Load(kGameDir + "/" + e.file, p)) continue;  // reported by the test above
    double cx, cy;
    SolidCentre(p, cx, cy);
    if (cx < 0) continue;  // faint effects have no solid part; their placement is the glow's centre
    double tolerance = e.anchor == ITEM ? 16 : 4;
    EXPECT_NEAR(cx, ax, tolerance) << e.file;
    EXPECT_NEAR(cy, ay, tolerance) << e.file;
  }
}

TEST(ArtCatalogue, TurnedSpritesStayInsideTheirTexture) {
  // The board turns these about the item point; anything drawn farther from it
  // than the nearest texture edge (the top, 0.37 of the height) would be cut
  // off and show a straight edge sweeping round.
  const double ax = 0.44 * 256, ay = 0.37 * 256, reach = ay + 1;
  for (const char* f : {"eff", "circ", "disap", "emp", "fire", "arrow"}) {
    Picture p;
    ASSERT_TRUE(Load(kGameDir + "/256/" + f + ".png", p)) << f;
    double farthest = 0;
    for (int j = 0; j < p.height; ++j)
      for (int i = 0; i < p.width; ++i)
        if (p.rgba[(size_t(j) * p.width + i) * 4 + 3] > 24)
          farthest = std::max(farthest, std::hypot(i + 0.5 - ax, j + 0.5 - ay));
    EXPECT_LE(farthest, reach) << f;
  }
}

TEST(ArtCatalogue, JewelSilhouettesDifferPairwise) {
  // A colour-blind player tells the sixteen kinds apart by outline: no two
  // jewels may share nearly the same opaque shape (intersection over union).
  const char* jewels[16] = {"blue1-new", "GREEN2", "amber5", "rub3", "diam2", "crystal-yellow2d", "onea2", "star2",
                            "cirk3", "gems", "bluegem2", "red5", "amberstone", "blue-gem2", "tan-gem", "white-gem2"};
  std::vector<std::vector<bool>> masks;
  for (const char* j : jewels) {
    Picture p;
    ASSERT_TRUE(Load(kGameDir + "/256/" + j + ".png", p)) << j;
    std::vector<bool> m(size_t(p.width) * p.height);
    for (size_t i = 0; i < m.size(); ++i) m[i] = p.rgba[i * 4 + 3] > 160;
    masks.push_back(m);
  }
  double worst = 0;
  std::string worstPair;
  for (int a = 0; a < 16; ++a)
    for (int b = a + 1; b < 16; ++b) {
      size_t both = 0, either = 0;
      for (size_t i = 0; i < masks[a].size(); ++i) {
        both += masks[a][i] && masks[b][i];
        either += masks[a][i] || masks[b][i];
      }
      double iou = either ? double(both) / either : 1;
      if (iou > worst) { worst = iou; worstPair = std::string(jewels[a]) + " / " + jewels[b]; }
    }
  EXPECT_LT(worst, 0.85) << "closest silhouettes: " << worstPair;
}

TEST(ArtCatalogue, GenerationIsDeterministic) {
  std::string generator = kGameDir + "/../tools/artgen/artgen";
  if (!std::ifstream(generator).good()) GTEST_SKIP() << "artgen not built in this build tree";
  char pattern[] = "/tmp/gemart-XXXXXX";
  ASSERT_NE(mkdtemp(pattern), nullptr);
  std::string again = pattern;
  ASSERT_EQ(std::system((generator + " " + again + " > /dev/null").c_str()), 0);
  for (const Expected& e : BoardAndItemPictures()) {
    std::string first = ReadBytes(kGameDir + "/" + e.file);
    EXPECT_FALSE(first.empty()) << e.file;
    EXPECT_TRUE(first == ReadBytes(again + "/" + e.file)) << e.file << " differs between two runs";
  }
  std::system(("rm -rf " + again).c_str());
}
