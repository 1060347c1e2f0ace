// The fade: one transition at a time from screen2[0] to screen2[1], painted into the screen frame
// by frame.
#include "fx/fade.h"

#include <SDL.h>
#include <cstdio>

#include "video/video.h"

namespace {

// Settings of the slide kinds 2..13: direction and whether each distance is a half width or height.
struct slide_kind {
    int direction;
    char distance_1; // 'W' half width, 'H' half height
    char distance_2; // 'W' half width, '0' none
};

const slide_kind slide_kinds[12] = {
    {5, 'W', 'W'}, {6, 'W', 'W'}, {7, 'W', 'W'}, {8, 'W', 'W'}, {1, 'W', '0'}, {2, 'W', '0'},
    {3, 'W', '0'}, {4, 'W', '0'}, {5, 'H', 'W'}, {6, 'H', 'W'}, {7, 'H', 'W'}, {8, 'H', 'W'},
};

// Where the arriving picture stands while it slides in, by direction 1..8: how much of what is
// left of the first and of the second distance it is still off its place along x and along y.
struct slide_offset {
    int x1, x2, y1, y2;
};

const slide_offset slide_offsets[8] = {
    {0, 0, 1, 0}, {0, 0, -1, 0}, {1, 0, 0, 0},  {-1, 0, 0, 0},  // straight
    {0, 1, 1, 0}, {0, 1, -1, 0}, {1, 0, 0, -1}, {-1, 0, 0, -1}, // diagonal
};

const int colour_kinds[11][3] = {
    {0, 0, 0},       {255, 0, 0},   {0, 255, 0},  {0, 0, 255},     {255, 255, 0},   {255, 0, 255},
    {255, 255, 255}, {0, 255, 255}, {64, 64, 64}, {128, 128, 128}, {192, 192, 192},
};

int half_of(char which) {
    switch (which) {
    case 'W':
        return screen_w / 2;
    case 'H':
        return screen_h / 2;
    default:
        return 0;
    }
}

// How far a transition has come at this frame: trunc(c * step), never past the end.
int reached(float c, float step, int end) {
    float v = c * step;
    if (!(v < static_cast<float>(end)))
        return end;
    return static_cast<int>(v);
}

bool set_arriving_alpha(int alpha) {
    if (!screen2[1])
        return true;
    return set_surface_alpha(screen2[1], alpha) >= 0;
}

} // namespace

fade::fade() {
    Reset();
}

void fade::Reset() {
    steps = 1;
    type = 1;
    direction = 1;
    distance_1 = 1;
    distance_2 = 1;
    done = 0;
}

void fade::Start(int kind, int steps_value) {
    Reset();
    steps = steps_value;
    if (kind < 1 || kind > 24) {
        prepared = 0;
        return;
    }
    if (kind == 1) {
        type = 1;
    } else if (kind <= 13) {
        const slide_kind& s = slide_kinds[kind - 2];
        type = 2;
        direction = s.direction;
        distance_1 = half_of(s.distance_1);
        distance_2 = half_of(s.distance_2);
    } else {
        const int* c = colour_kinds[kind - 14];
        type = 3;
        SetColor(c[0], c[1], c[2]);
    }
    Prepare();
}

void fade::SetColor(int red, int green, int blue) {
    r = red;
    g = green;
    b = blue;
}

void fade::Prepare() {
    done = 0;
    counter = 1;
    prepared = 1;
    alpha_step = 255.0f / static_cast<float>(steps);
    if (type == 2) {
        step_1 = static_cast<float>(distance_1) / static_cast<float>(steps);
        step_2 = static_cast<float>(distance_2) / static_cast<float>(steps);
    }
    if (type == 3 && screen && screen2[1]) {
        // The arriving picture becomes the solid colour; the caller's copy there is overwritten.
        SDL_Surface* target = screen2[1];
        lock_surface(target);
        uint32_t p = map_rgb(r, g, b);
        for (int x = 0; x < screen_w; x++)
            for (int y = 0; y < screen_h; y++)
                put_pixel(x, y, p, target);
        unlock_surface(target);
    }
}

void fade::maluj() {
    if (done != 1 && prepared) {
        float c = static_cast<float>(counter);
        // A transition of fewer than one step shows its end at once.
        bool instant = steps < 1;
        int alpha = instant ? 255 : reached(c, alpha_step, 255);
        if (type == 2) {
            int d1 = instant ? distance_1 : reached(c, step_1, distance_1);
            int d2 = instant ? distance_2 : reached(c, step_2, distance_2);
            int left_1 = distance_1 - d1;
            int left_2 = distance_2 - d2;
            int pos_x = 0;
            int pos_y = 0;
            if (direction >= 1 && direction <= 8) {
                const slide_offset& o = slide_offsets[direction - 1];
                pos_x = o.x1 * left_1 + o.x2 * left_2;
                pos_y = o.y1 * left_1 + o.y2 * left_2;
            }
            screen2_screen(0, 0, 0);
            if (!set_arriving_alpha(alpha))
                std::fputs("Alpha error: fade::maluj() type2 or type4", stderr);
            screen2_screen(1, pos_x, pos_y);
        } else {
            screen2_screen(0, 0, 0);
            if (!set_arriving_alpha(alpha))
                std::fputs("Alpha error: fade::maluj() type1", stderr);
            screen2_screen(1, 0, 0);
        }
    }
    if (!prepared)
        return;
    if (counter > steps)
        done = 1;
    else
        counter += 1;
}
