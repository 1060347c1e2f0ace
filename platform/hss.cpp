// PLACEHOLDER until the sound library layer lands.
#include "platform/hss.h"
hssSpeaker::hssSpeaker() {}
hssSpeaker::~hssSpeaker() {}
int hssSpeaker::open(unsigned int, unsigned int, bool, unsigned int, unsigned int) { return -1; }
void hssSpeaker::volumeMusics(unsigned int v) { music_volume_ = v; }
void hssSpeaker::volumeSounds(unsigned int v) { sound_volume_ = v; }
int hssSpeaker::playMusic(hssMusic*, unsigned int) { return -1; }
int hssSpeaker::playSound(hssSound*, unsigned int) { return -1; }
hssSound::hssSound() {}
hssSound::~hssSound() {}
int hssSound::load(const unsigned short*) { return -1; }
int hssSound::load(void*, bool, std::size_t) { return -1; }
void hssSound::release() {}
hssMusic::hssMusic() {}
hssMusic::~hssMusic() {}
int hssMusic::load(const unsigned short*) { return -1; }
int hssMusic::load(void*, bool, std::size_t) { return -1; }
void hssMusic::loop(bool on) { loop_ = on; }
void hssMusic::release() {}
