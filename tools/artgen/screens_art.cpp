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

