// The groups of screen pictures, one file each.
#pragma once
#include <string>

void DrawStageBackgrounds(const std::string& gameDir);  // bg/back1..8.jpg
void DrawBoardFrame(const std::string& gameDir);        // bg/fg.png
void DrawMenuPictures(const std::string& gameDir);      // menu/*.jpg
void DrawShopPictures(const std::string& gameDir);      // shop/shop0..2.jpg, shop/map-points2.png
void DrawDialogPictures(const std::string& gameDir);    // bg/menupop.png, bg/tipbtn.png
void DrawTipPictures(const std::string& gameDir);       // tipform*.png, tipimages/check.png, tip1..3.png
void DrawHelpPictures(const std::string& gameDir);      // tipimages/1..8.jpg
void DrawLogoPictures(const std::string& gameDir);      // logo/*.jpg
