// The screen pictures: backgrounds, menus, shop views, dialog, tips, logos.
#include "artgen.h"
#include "screens_parts.h"

void DrawScreenArt(const std::string& gameDir) {
  DrawStageBackgrounds(gameDir);
  DrawBoardFrame(gameDir);
  DrawMenuPictures(gameDir);
  DrawShopPictures(gameDir);
  DrawDialogPictures(gameDir);
  DrawTipPictures(gameDir);
  DrawHelpPictures(gameDir);
  DrawLogoPictures(gameDir);
}

// Groups still being written draw nothing yet.
__attribute__((weak)) void DrawStageBackgrounds(const std::string&) {}
__attribute__((weak)) void DrawBoardFrame(const std::string&) {}
__attribute__((weak)) void DrawMenuPictures(const std::string&) {}
__attribute__((weak)) void DrawShopPictures(const std::string&) {}
__attribute__((weak)) void DrawDialogPictures(const std::string&) {}
__attribute__((weak)) void DrawTipPictures(const std::string&) {}
__attribute__((weak)) void DrawHelpPictures(const std::string&) {}
__attribute__((weak)) void DrawLogoPictures(const std::string&) {}
