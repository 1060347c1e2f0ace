// PLACEHOLDER until fades land.
#include "fx/fade.h"
fade::fade() { Reset(); }
void fade::Reset() { steps = 1; type = 1; direction = 1; distance_1 = 1; distance_2 = 1; done = 0; }
void fade::Start(int, int s) { Reset(); steps = s; done = 1; }
void fade::SetColor(int rr, int gg, int bb) { r = rr; g = gg; b = bb; }
void fade::Prepare() {}
void fade::maluj() { done = 1; }
