// The texture catalogue: every picture of the game in a named slot, loaded
// once from the installation directory and kept until the program ends,
// with the loading progress of the start-up bar.
#pragma once

#include <cstdint>
#include <string>

#include "graphics/backgrounds.h"   // LoadBackground

constexpr int GEM_TEXTURE_COUNT = 101;
constexpr int ANIM_FRAME_COUNT = 21;
constexpr int BUTTON_SET_COUNT = 9;
constexpr int GLYPH_SLOT_COUNT = 21;
constexpr int BACKGROUND_SLOT_COUNT = 11;
constexpr int BACKGROUND_FRAME = 10;   // the frame drawn over the board

enum ButtonSet { BSET_YES, BSET_NO, BSET_OK, BSET_MENU, BSET_CROSS, BSET_LINE, BSET_CROSSH, BSET_LINEH, BSET_CFIN };

// Texture handles of the installed platform; 0 is an empty slot.
extern int GemTextures[GEM_TEXTURE_COUNT];
extern int BubbleTextures[3];
extern int GoldCellTextures[3];
extern int AnimFrames[ANIM_FRAME_COUNT][2];   // [entry][0 front, 1 back]
extern int ButtonImages[BUTTON_SET_COUNT][3];
extern int TipFormTextures[5];
extern int NumberTexture;
extern int SwapTextures[5];
extern int SandTexture;
extern int PlainTexture;
extern int GlyphsLarge[GLYPH_SLOT_COUNT];
extern int GlyphsSmall[GLYPH_SLOT_COUNT];
extern int GlyphsNewA[GLYPH_SLOT_COUNT];
extern int GlyphsNewB[GLYPH_SLOT_COUNT];
extern int MenuBackgrounds[4];
extern int ShopBackgrounds[3];
extern int ShopItemTextures[21];
extern int BackgroundTextures[BACKGROUND_SLOT_COUNT];
extern int MenuPopupTexture;
extern int TipButtonTexture;
extern int MapPointTextures[1];
extern int TipImages[11];
extern int TipPictures[11];
extern int PointerTexture;
extern int LogoLayers[4];
extern int GameLogos[2];

extern int32_t TextureSize;   // board pictures: 128, 256 or 512
extern int32_t TextureBase;   // 256

// Loading progress: loads done this run and the expected total.
struct ProgressRecord {
    int32_t Step = 0;
    int32_t Total = 0;
};
extern ProgressRecord Progress;

// Loads one picture of the installation directory into a texture of
// width x height; 0 (and LastTextureError names the file) on failure.
int LoadTextureFile(const std::string& relative, int width, int height, int filter);
// The relative path of the last picture that could not be loaded.
extern std::string LastTextureError;

// Every picture but the logo, the pause picture and the stage backgrounds.
// False when a picture could not be loaded (LastTextureError names it);
// true also when loading stopped early because the quit flag was set.
bool LoadTextures();
// The pause picture, the logo layers and the game logos.
bool LoadLogo();
void FreeLogoLayers();
void FreeGameLogos();
// Advances the loading progress and redraws the bar.
void ProgressStep();
// The bar's percentage: round(step x 100 / total).
int32_t ProgressPercent();
// The redraw of the loading screen, called by ProgressStep.
void SetProgressRedraw(void (*redraw)(int32_t percent));
bool SavePBar();
bool LoadPBar();

// Back to empty slots (without releasing textures) and zero progress.
void ResetTextureState();
