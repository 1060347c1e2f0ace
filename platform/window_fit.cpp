// Window sizes that fit the screen: the one rule every window the game opens or gives back keeps.
#include "platform/window.h"

window_size fit_window(int w, int h, int game_w, int game_h, int area_w, int area_h) {
    if (w <= area_w && h <= area_h)
        return {w, h};
    if (game_w <= 0 || game_h <= 0 || area_w <= 0 || area_h <= 0)
        return {w, h};
    // The largest size of the game's own shape inside the area.
    long long fit_h = area_h;
    if (static_cast<long long>(area_w) * game_h < static_cast<long long>(area_h) * game_w)
        fit_h = static_cast<long long>(area_w) * game_h / game_w;
    long long fit_w = fit_h * game_w / game_h;
    if (fit_w < 1 || fit_h < 1)
        return {w, h};
    return {static_cast<int>(fit_w), static_cast<int>(fit_h)};
}
