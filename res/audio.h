// The game's sound side: the sound settings and loading and playing the music and the effects.
#pragma once

class hssSpeaker;
class hssSound;
class hssMusic;

extern hssSpeaker speaker;

// The game's seven sounds and its music, loaded once by the loading screen. Like every global
// object with a constructor they are defined in app/globals.cpp, so that all of them are built in
// one order (the speaker first); the sound side declares them because it plays and frees them.
extern hssSound Sounds[7];
extern hssSound& ButtonSound;
extern hssSound& ExplosionSound;
extern hssSound& GoodSound;
extern hssSound& HintSound;
extern hssSound& RocketSound;
extern hssSound& Button2Sound;
extern hssSound& GoodPSound;
extern hssMusic Music;

extern int music_off;
extern int sounds_off;
extern int music_volume;
extern int sound_volume;

void set_audio(int music_off_value, int sounds_off_value, int music_volume_value,
               int sound_volume_value);
void load_music(hssMusic& music, const char* folder, const char* name);
void load_sound(hssSound& sound, const char* folder, const char* name);
void play_music(hssMusic& music);
void play_sound(hssSound& sound, int channel);
// The S key: music and effects off when either is heard, else back on at the volumes they had
// (full volume after "No" on "Enable Sound?"). Takes effect at once, the tune included.
void toggle_sound();

// Frees the sounds and the music, then closes the device; main calls it before SDL_Quit.
void shutdown_audio();

// Watches every play_sound call (sound, channel), whatever the settings; for recordings and tests.
extern void (*play_sound_observer)(hssSound* sound, int channel);
