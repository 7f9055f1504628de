#include "toolkit/ScreenPlacement.h"

#include <algorithm>

TBounds PlaceOnScreen(TBounds b, int screenWidth, int screenHeight) {
    b.width = std::min(b.width, screenWidth);
    b.height = std::min(b.height, screenHeight);
    b.left = std::max(0, std::min(b.left, screenWidth - b.width));
    b.top = std::max(0, std::min(b.top, screenHeight - b.height));
    return b;
}

int ScreenWidth() {
    return GetSystemMetrics(SM_CXSCREEN);
}

int ScreenHeight() {
    return GetSystemMetrics(SM_CYSCREEN);
}
