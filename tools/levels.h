// The twenty level scenes, each drawn on a 225 x 225 layout canvas.
#pragma once

#include "tools/canvas.h"

void level_lighthouse(canvas& c);
void level_lake(canvas& c);
void level_city(canvas& c);
void level_balloons(canvas& c);
void level_reef(canvas& c);
void level_fruit(canvas& c);
void level_space(canvas& c);
void level_farm(canvas& c);
void level_tulips(canvas& c);
void level_desert(canvas& c);
void level_quilt(canvas& c);
void level_autumn(canvas& c);
void level_winter(canvas& c);
void level_island(canvas& c);
void level_rose_window(canvas& c);
void level_sweets(canvas& c);
void level_garden(canvas& c);
void level_train(canvas& c);
void level_castle(canvas& c);
void level_aurora(canvas& c);
