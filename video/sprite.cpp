// PLACEHOLDER until sprites land.
#include "video/sprite.h"
#include <SDL.h>
#include "video/video.h"
sprite::~sprite() { if (surface) SDL_FreeSurface(surface); }
void sprite::Blit() {}
void sprite::ChooseBlit(int) {}
void sprite::BlitPart(int, int, int, int) {}
void sprite::Alpha(int) {}
int sprite::Load(const char*, const char*, int) { return -1; }
