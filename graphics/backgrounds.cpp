#include "graphics/backgrounds.h"

#include "graphics/textures.h"
#include "graphics/window.h"

namespace {
int currentBackground = 0;
}

// At most one stage background is held at a time: the one asked for is
// loaded, the other stage slots are released.
void LoadBackground(int n) {
    if (n < 0 || n >= BACKGROUND_SLOT_COUNT) return;
    if (n >= 1 && n <= 8) currentBackground = n;
    if (BackgroundTextures[n] != 0) return;
    for (int i = 1; i <= 8; ++i) {
        if (i == n) {
            BackgroundTextures[i] =
                LoadTextureFile("red\\bg\\back" + std::to_string(i) + ".jpg", 1024, 1024, FILTER_LINEAR);
        } else if (BackgroundTextures[i] != 0) {
            Platform.FreeTexture(BackgroundTextures[i]);
            BackgroundTextures[i] = 0;
        }
    }
}

int CurrentBackground() { return currentBackground; }
