// PLACEHOLDER until the sound side lands.
#include "res/audio.h"
int music_off, sounds_off, music_volume, sound_volume;
void (*play_sound_observer)(hssSound*, int) = nullptr;
void set_audio(int a, int b, int c, int d) { music_off = a; sounds_off = b; music_volume = c; sound_volume = d; }
void load_music(hssMusic&, const char*, const char*) {}
void load_sound(hssSound&, const char*, const char*) {}
void play_music(hssMusic&) {}
void play_sound(hssSound& s, int channel) { if (play_sound_observer) play_sound_observer(&s, channel); }
void shutdown_audio() {}
