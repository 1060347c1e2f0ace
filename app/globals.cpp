// Every global object with a constructor, defined here in the one order the game relies on:
// the speaker first (and so destroyed last), then the fade and the effects' emitters, the strings,
// the pictures and fonts, the sounds, the music and the run's table of levels. Each object is
// declared by the layer that uses it (the speaker, sounds and music in res/audio.h, the fade in
// fx/fade.h, the emitters in fx/effects.h, the media folder strings in res/media_folder.h, the
// program's folder in app/startup.h, the pictures in video/sprite.h, the fonts in text/font.h,
// the table of levels in game/level_stats.h, the player's picture folders in
// res/player_pictures.h and a game's pictures in game/pictures.h).
#include <string>

#include "app/globals.h"
#include "app/startup.h"
#include "fx/effects.h"
#include "fx/fade.h"
#include "game/level_stats.h"
#include "game/pictures.h"
#include "game/states.h"
#include "platform/hss.h"
#include "res/audio.h"

hssSpeaker speaker;

fade Fade;

emitter explosions[5];
emitter trails[2];
emitter hint_marker;

std::string ProgramPath;
std::string MediaPath;
std::string DataFilePath;
std::string SaveFolder;

sprite GameBackground;
sprite IntroPicture;
sprite TimeBarPicture;
sprite LevelPicture;
sprite ParticleSprite;
sprite ParticleSprite2;
sprite RocketSprite1;
sprite RocketSprite2;
sprite GoodWorkPicture;
font SmallFont;
font BigFont;

hssSound Sounds[7];
hssSound& ButtonSound = Sounds[0];
hssSound& ExplosionSound = Sounds[1];
hssSound& GoodSound = Sounds[2];
hssSound& HintSound = Sounds[3];
hssSound& RocketSound = Sounds[4];
hssSound& Button2Sound = Sounds[5];
hssSound& GoodPSound = Sounds[6];

hssMusic Music;

std::vector<level_row> LevelTable;

std::string PlayerPicturesFolder;
std::string PlayerPicturesCache;
game_picture GamePictures[Levels];
