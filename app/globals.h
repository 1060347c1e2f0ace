// The game's global pictures, fonts, sounds and music (defined together in globals.cpp).
#pragma once

#include "platform/hss.h"
#include "text/font.h"
#include "video/sprite.h"

extern sprite GameBackground;
extern sprite IntroPicture;
extern sprite TimeBarPicture;
extern sprite LevelPicture;
extern sprite ParticleSprite;
extern sprite ParticleSprite2;
extern sprite RocketSprite1;
extern sprite RocketSprite2;
extern sprite GoodWorkPicture;
extern font SmallFont;
extern font BigFont;

extern hssSound Sounds[7];
extern hssSound& ButtonSound;
extern hssSound& ExplosionSound;
extern hssSound& GoodSound;
extern hssSound& HintSound;
extern hssSound& RocketSound;
extern hssSound& Button2Sound;
extern hssSound& GoodPSound;

extern hssMusic Music;
