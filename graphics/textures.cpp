#include "graphics/textures.h"

#include <cmath>

#include "diagnostics/binio.h"
#include "diagnostics/log.h"
#include "diagnostics/paths.h"
#include "graphics/buttons.h"
#include "graphics/device.h"
#include "graphics/draw.h"
#include "graphics/glyph_layout.h"
#include "graphics/text.h"
#include "graphics/window.h"
#include "shell/config.h"
#include "shell/shell.h"

int GemTextures[GEM_TEXTURE_COUNT];
int BubbleTextures[3];
int GoldCellTextures[3];
int AnimFrames[ANIM_FRAME_COUNT][2];
int ButtonImages[BUTTON_SET_COUNT][3];
int TipFormTextures[5];
int NumberTexture;
int SwapTextures[5];
int SandTexture;
int PlainTexture;
int GlyphsLarge[GLYPH_SLOT_COUNT];
int GlyphsSmall[GLYPH_SLOT_COUNT];
int GlyphsNewA[GLYPH_SLOT_COUNT];
int GlyphsNewB[GLYPH_SLOT_COUNT];
int MenuBackgrounds[4];
int ShopBackgrounds[3];
int ShopItemTextures[21];
int BackgroundTextures[BACKGROUND_SLOT_COUNT];
int MenuPopupTexture;
int TipButtonTexture;
int MapPointTextures[1];
int TipImages[11];
int TipPictures[11];
int PointerTexture;
int LogoLayers[4];
int GameLogos[2];

int32_t TextureSize = 256;
int32_t TextureBase = 256;
ProgressRecord Progress;
std::string LastTextureError;

namespace {

void (*progressRedraw)(int32_t) = nullptr;
const char* const TEXTURE_FOLDER = "256\\";
const char* const buttonSetNames[BUTTON_SET_COUNT - 1] = {"bYes",  "bNo",  "bOk",    "bMenu",
                                                          "cross", "line", "crossh", "lineh"};

// One catalogue load: the picture, the progress step, and the quit check.
// False stops LoadTextures: the picture is missing, or the player quit.
struct Loader {
    bool failed = false;

    bool Load(int* slot, const std::string& relative, int size, int filter = FILTER_LINEAR) {
        if (failed || QuitApp) return false;
        *slot = LoadTextureFile(relative, size, size, filter);
        if (*slot == 0) {
            failed = true;
            return false;
        }
        ProgressStep();
        return !QuitApp;
    }
    bool Folder(int* slot, const std::string& name, int size, int filter = FILTER_LINEAR) {
        return Load(slot, TEXTURE_FOLDER + name, size, filter);
    }
};

std::string TwoDigits(int n) { return (n < 10 ? "0" : "") + std::to_string(n); }

void CheckPoint(int n) {
    WritePointLog("assignTextures( RE = False )", "CheckPoint " + std::to_string(n));
}

bool LoadButtonImages(Loader& l) {
    for (int i = 0; i <= 2; ++i) {
        for (int set = 0; set < BUTTON_SET_COUNT - 1; ++set)
            if (!l.Folder(&ButtonImages[set][i],
                          std::string("buttons\\") + buttonSetNames[set] + std::to_string(i) + ".png",
                          TextureBase))
                return false;
        if (!l.Folder(&ButtonImages[BSET_CFIN][i], "buttons\\cfin.png", TextureBase)) return false;
    }
    return true;
}

bool LoadBoardPictures(Loader& l) {
    CheckPoint(3);
    static const char* const bubbles[3] = {"drop-bottom.png", "drop-bottom1.png", "drop-top.png"};
    for (int i = 0; i < 3; ++i)
        if (!l.Folder(&BubbleTextures[i], bubbles[i], TextureSize)) return false;
    if (!l.Folder(&GemTextures[0], "parus-front.png", TextureSize)) return false;
    if (!l.Folder(&GemTextures[1], "parus-back5.png", TextureSize)) return false;
    CheckPoint(4);
    for (int i = 1; i <= 18; ++i)
        if (!l.Folder(&AnimFrames[i][1], "anime\\pb" + std::to_string(i) + ".png", TextureSize)) return false;
    static const char* const gold[3] = {"backcells\\gold-normal.png", "backcells\\gold-bright.png",
                                        "backcells\\gold-yellow.png"};
    for (int i = 0; i < 3; ++i)
        if (!l.Folder(&GoldCellTextures[i], gold[i], TextureSize)) return false;
    CheckPoint(5);
    for (int i = 0; i <= 7; ++i)
        if (!l.Folder(&AnimFrames[i][0], "anime\\pf" + std::to_string(i) + ".png", TextureSize)) return false;
    return true;
}

bool LoadItemPictures(Loader& l) {
    CheckPoint(6);
    static const char* const tipForms[5] = {"tipform0.png", "tipform1.png", "tipform2.png", "tipform3.png",
                                            "tipformA.png"};
    for (int i = 0; i < 5; ++i)
        if (!l.Load(&TipFormTextures[i], std::string("red\\") + tipForms[i], 512)) return false;
    if (!l.Folder(&NumberTexture, "num.png", 256)) return false;
    if (!l.Folder(&AnimFrames[20][0], "anime\\border.png", TextureSize)) return false;
    static const char* const jewels[16] = {
        "blue1-new.png",    "GREEN2.png", "amber5.png",     "rub3.png",       "diam2.png",      "crystal-yellow2d.png",
        "onea2.png",        "star2.png",  "cirk3.png",      "gems.png",       "bluegem2.png",   "red5.png",
        "amberstone.png",   "blue-gem2.png", "tan-gem.png", "white-gem2.png"};
    for (int i = 0; i < 16; ++i)
        if (!l.Folder(&GemTextures[2 + i], jewels[i], TextureSize)) return false;
    static const char* const items[15] = {"chest4.png",   "life2.png",  "clock2.png",    "bomb2.png",
                                          "rainbow.png",  "shuffle.png", "parrot2.png",  "rum.png",
                                          "core.png",     "gun.png",    "hook.png",      "sun.png",
                                          "rainbow2.png", "star-blue.png", "star-gold.png"};
    for (int i = 0; i < 15; ++i)
        if (!l.Folder(&GemTextures[42 + i], items[i], TextureSize)) return false;
    static const char* const effects[6] = {"disap.png", "circ.png", "eff.png", "emp.png", "arrow.png", "fire.png"};
    for (int i = 0; i < 6; ++i)
        if (!l.Folder(&GemTextures[62 + i], effects[i], TextureSize)) return false;
    static const char* const swaps[5] = {"sw4.png", "swupper.png", "swlower.png", "swupperface.png",
                                         "swlowerface.png"};
    for (int i = 0; i < 5; ++i)
        if (!l.Folder(&SwapTextures[i], swaps[i], TextureBase)) return false;
    if (!l.Folder(&SandTexture, "sand.png", TextureBase / 64)) return false;
    return l.Folder(&PlainTexture, "4x4.png", 4);
}

bool LoadGlyphSets(Loader& l) {
    CheckPoint(7);
    for (int k = 1; k < GLYPH_PICTURE_COUNT; ++k) {
        if (!l.Load(&GlyphsLarge[k], GlyphPictureFile(GLYPHS_LARGE, k), 256)) return false;
        if (!l.Load(&GlyphsSmall[k], GlyphPictureFile(GLYPHS_SMALL, k), 256)) return false;
    }
    return true;
}

bool LoadScreenPictures(Loader& l) {
    CheckPoint(8);
    if (!l.Load(&GlyphsLarge[0], GlyphPictureFile(GLYPHS_LARGE, 0), 256)) return false;
    if (!l.Load(&GlyphsSmall[0], GlyphPictureFile(GLYPHS_SMALL, 0), 256)) return false;
    static const char* const menus[3] = {"main0-new2.jpg", "main1-new2.jpg", "options-new.jpg"};
    for (int i = 0; i < 3; ++i)
        if (!l.Load(&MenuBackgrounds[i], std::string("red\\menu\\") + menus[i], 1024)) return false;
    for (int i = 0; i < 3; ++i)
        if (!l.Load(&ShopBackgrounds[i], "red\\shop\\shop" + std::to_string(i) + ".jpg", 1024)) return false;
    for (int i = 1; i <= 10; ++i) {
        if (!l.Load(&ShopItemTextures[i], "red\\shop\\lock" + TwoDigits(i) + ".png", 256)) return false;
        if (!l.Load(&ShopItemTextures[10 + i], "red\\shop\\key" + TwoDigits(i) + ".png", 256)) return false;
        if (!l.Load(&GemTextures[71 + i], "red\\shop\\key" + TwoDigits(i) + ".png", TextureSize)) return false;
    }
    if (!l.Load(&BackgroundTextures[BACKGROUND_FRAME], "red\\bg\\fg.png", 1024)) return false;
    if (!l.Load(&MenuPopupTexture, "red\\bg\\menupop.png", 512)) return false;
    if (!l.Load(&TipButtonTexture, "red\\bg\\tipbtn.png", 256)) return false;
    if (!l.Load(&MapPointTextures[0], "red\\shop\\map-points2.png", 128)) return false;
    if (!l.Load(&TipImages[0], "red\\tipimages\\check.png", 128)) return false;
    for (int i = 1; i <= 3; ++i)
        if (!l.Load(&TipImages[i], "red\\tipimages\\tip" + std::to_string(i) + ".png", 256)) return false;
    for (int i = 1; i <= 8; ++i)
        if (!l.Load(&TipPictures[i], "red\\tipimages\\" + std::to_string(i) + ".jpg", 256)) return false;
    return l.Folder(&PointerTexture, "cursor.png", 256);
}

void FreeSlots(int* slots, int count) {
    for (int i = 0; i < count; ++i) {
        if (slots[i] != 0 && Platform.FreeTexture) Platform.FreeTexture(slots[i]);
        slots[i] = 0;
    }
}

}  // namespace

int LoadTextureFile(const std::string& relative, int width, int height, int filter) {
    int handle = Platform.LoadTexture ? Platform.LoadTexture(GamePath(relative).c_str(), width, height, filter) : 0;
    if (handle == 0) {
        LastTextureError = relative;
        WriteRunLog("LoadTexture", "Can't load picture " + relative);
    }
    return handle;
}

bool LoadTextures() {
    TraceEnter("assignTextures(False)");
    CheckPoint(1);
    TextureSize = TextureSizeForResolution(Config.ResolutionIndex);
    TextureBase = 256;
    PrepareAlphabet();
    Loader l;
    CheckPoint(2);
    bool done = LoadButtonImages(l) && LoadBoardPictures(l) && LoadItemPictures(l) && LoadGlyphSets(l) &&
                LoadScreenPictures(l);
    if (l.failed) return false;
    if (!done) {   // the quit flag stopped the loading
        TraceExit("OK");
        return true;
    }
    PrepareButtons();
    SavePBar();
    CheckPoint(9);
    TraceExit("OK");
    return true;
}

bool LoadLogo() {
    TraceEnter("LoadLogo()");
    struct Entry {
        int* slot;
        std::string file;
    } entries[] = {{&MenuBackgrounds[3], "red\\menu\\pause.jpg"},
                   {&LogoLayers[0], "red\\logo\\layer0.jpg"},
                   {&LogoLayers[1], "red\\logo\\layer1.jpg"},
                   {&LogoLayers[2], "red\\logo\\layer2.jpg"},
                   {&GameLogos[0], "red\\logo\\gamelogo0.jpg"},
                   {&GameLogos[1], "red\\logo\\gamelogo1.jpg"}};
    for (Entry& e : entries) {
        *e.slot = LoadTextureFile(e.file, 1024, 1024, FILTER_LINEAR);
        if (*e.slot == 0) return false;
    }
    TraceExit("OK");
    return true;
}

void FreeLogoLayers() {
    FreeSlots(LogoLayers, 4);
    DoEvents();
    SleepFor(100);
}

void FreeGameLogos() {
    FreeSlots(GameLogos, 2);
    DoEvents();
    SleepFor(100);
}

void ProgressStep() {
    Progress.Step++;
    if (Progress.Step > Progress.Total) Progress.Total = Progress.Step;
    if (progressRedraw) progressRedraw(ProgressPercent());
}

int32_t ProgressPercent() {
    if (Progress.Total <= 0) return 0;
    return RoundHalfEven(Progress.Step * 100.0 / Progress.Total);
}

void SetProgressRedraw(void (*redraw)(int32_t)) { progressRedraw = redraw; }

bool SavePBar() {
    TraceEnter("SavePBar()");
    ByteWriter w;
    w.I32(Progress.Total);
    bool ok = WriteWholeFile(GamePath("\\pbar.val"), w.bytes);
    TraceExit("OK");
    return ok;
}

bool LoadPBar() {
    TraceEnter("LoadPBar()");
    std::vector<uint8_t> bytes;
    bool ok = ReadWholeFile(GamePath("\\pbar.val"), &bytes) && bytes.size() >= 4;
    if (ok) {
        ByteReader r(bytes);
        int32_t total = r.I32();
        Progress.Total = total > 0 ? total : 0;
    }
    TraceExit("OK");
    return ok;
}

void ResetTextureState() {
    auto clear = [](int* p, int n) {
        for (int i = 0; i < n; ++i) p[i] = 0;
    };
    clear(GemTextures, GEM_TEXTURE_COUNT);
    clear(BubbleTextures, 3);
    clear(GoldCellTextures, 3);
    clear(&AnimFrames[0][0], ANIM_FRAME_COUNT * 2);
    clear(&ButtonImages[0][0], BUTTON_SET_COUNT * 3);
    clear(TipFormTextures, 5);
    NumberTexture = SandTexture = PlainTexture = 0;
    clear(SwapTextures, 5);
    clear(GlyphsLarge, GLYPH_SLOT_COUNT);
    clear(GlyphsSmall, GLYPH_SLOT_COUNT);
    clear(GlyphsNewA, GLYPH_SLOT_COUNT);
    clear(GlyphsNewB, GLYPH_SLOT_COUNT);
    clear(MenuBackgrounds, 4);
    clear(ShopBackgrounds, 3);
    clear(ShopItemTextures, 21);
    clear(BackgroundTextures, BACKGROUND_SLOT_COUNT);
    MenuPopupTexture = TipButtonTexture = PointerTexture = 0;
    clear(MapPointTextures, 1);
    clear(TipImages, 11);
    clear(TipPictures, 11);
    clear(LogoLayers, 4);
    clear(GameLogos, 2);
    TextureSize = TextureBase = 256;
    Progress = ProgressRecord();
    LastTextureError.clear();
    progressRedraw = nullptr;
}
