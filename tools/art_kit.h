// Small drawing pieces the level scenes share: sky, hills, trees, houses, boats, animals.
#pragma once

#include "tools/canvas.h"

namespace kit {

void sky(canvas& c, float y0, float y1, color top, color bottom);
void glow(canvas& c, float cx, float cy, float r, color col, float strength);
void cloud(canvas& c, float x, float y, float s, color col = hex(0xffffff), float alpha = 0.95f);
// A silhouette whose top edge wanders around base by amp, filled down to y = bottom.
void hills(canvas& c, float base, float amp, float wavelength, std::uint32_t seed, color top,
           color bottom, float bottom_y = 225);
void pine(canvas& c, float x, float base, float h, color col, color snow = color{-1, 0, 0});
void round_tree(canvas& c, float x, float base, float h, color leaves, color trunk);
void house(canvas& c, float x, float base, float w, float h, color wall, color roof,
           bool lit = false);
void star(canvas& c, float cx, float cy, float r, float inner, int points, color col,
          float turn = 0, float alpha = 1);
void bird(canvas& c, float x, float y, float s, color col);
void sailboat(canvas& c, float x, float y, float s, color hull, color sail);
void flower(canvas& c, float x, float y, float r, color petal, color centre, int petals = 6);
void fish(canvas& c, float x, float y, float s, color body, color fin, bool left);
void butterfly(canvas& c, float x, float y, float s, color wing, color spots);
void grain(canvas& c, float amount, std::uint32_t seed);
void stars(canvas& c, float y1, int count, std::uint32_t seed);

} // namespace kit
