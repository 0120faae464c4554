#include "graphics/backgrounds.h"

// Remembers the current background; the texture catalogue loads its picture.
namespace {
int currentBackground = 0;
}

void LoadBackground(int n) {
    if (n >= 1 && n <= 8) currentBackground = n;
}

int CurrentBackground() { return currentBackground; }
