#include "graphics/screen.h"

#include <cmath>

double ScaleX = 1.0;
double ScaleY = 1.0;
double PercentX = 12.8;
double PercentY = 10.24;
double ScreenDiagonal = std::sqrt(1280.0 * 1280.0 + 1024.0 * 1024.0);

void SetScreenFactors(int width, int height) {
    ScaleX = width / 1280.0;
    ScaleY = height / 1024.0;
    PercentX = width / 100.0;
    PercentY = height / 100.0;
    ScreenDiagonal = std::sqrt(double(width) * width + double(height) * height);
}
