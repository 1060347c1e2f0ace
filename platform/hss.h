// Our own sound library in place of the handheld one: speaker, sounds and a music module over SDL_mixer.
#pragma once

#include <cstddef>

class hssSound;
class hssMusic;

class hssSpeaker {
  public:
    hssSpeaker();
    virtual ~hssSpeaker();
    int open(unsigned int rate, unsigned int bits, bool stereo, unsigned int musics, unsigned int sounds);
    void volumeMusics(unsigned int volume);   // 0..64
    void volumeSounds(unsigned int volume);   // 0..64
    int playMusic(hssMusic* music, unsigned int flags);
    int playSound(hssSound* sound, unsigned int channel);

    bool opened() const { return opened_; }
    unsigned int musicVolume() const { return music_volume_; }
    unsigned int soundVolume() const { return sound_volume_; }

  private:
    bool opened_ = false;
    unsigned int music_volume_ = 64;
    unsigned int sound_volume_ = 64;
};

class hssSound {
  public:
    hssSound();
    virtual ~hssSound();
    int load(const unsigned short* path);
    // Copies what it keeps; refuses data shorter than the length it declares.
    int load(void* data, bool copy, std::size_t length);
    bool loaded() const { return chunk_ != nullptr; }
    void* chunk() const { return chunk_; }
    void release();

  private:
    void* chunk_ = nullptr;
};

class hssMusic {
  public:
    hssMusic();
    virtual ~hssMusic();
    int load(const unsigned short* path);
    int load(void* data, bool copy, std::size_t length);
    void loop(bool on);
    bool looping() const { return loop_; }
    bool loaded() const { return music_ != nullptr; }
    void* music() const { return music_; }
    void release();

  private:
    void* music_ = nullptr;
    unsigned char* bytes_ = nullptr;
    void* rw_ = nullptr;
    bool loop_ = false;
};
