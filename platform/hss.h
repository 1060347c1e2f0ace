// Our own small sound library: speaker, sounds and a music module over SDL_mixer.
#pragma once

#include <cstddef>

class hssSound;
class hssMusic;

// The one output device. Only one speaker can be open at a time (the mixer is process-wide);
// closing it frees every sound and music still loaded, so nothing touches the mixer afterwards.
class hssSpeaker {
  public:
    hssSpeaker();
    virtual ~hssSpeaker();
    hssSpeaker(const hssSpeaker&) = delete;
    hssSpeaker& operator=(const hssSpeaker&) = delete;

    // 0 when the device is open; -1 (and silence from then on) when it can't be opened.
    int open(unsigned int rate, unsigned int bits, bool stereo, unsigned int musics,
             unsigned int sounds);
    void close();
    void volumeMusics(unsigned int volume); // 0..64
    void volumeSounds(unsigned int volume); // 0..64
    int playMusic(hssMusic* music, unsigned int flags);
    int playSound(hssSound* sound, unsigned int channel);

    bool opened() const { return opened_; }
    unsigned int musicVolume() const { return music_volume_; }
    unsigned int soundVolume() const { return sound_volume_; }

  private:
    bool opened_ = false;
    bool started_audio_ = false;
    unsigned int channels_ = 0;
    unsigned int music_volume_ = 64;
    unsigned int sound_volume_ = 64;
};

// Loads only while a speaker is open; a failed load keeps what the object held before.
class hssSound {
  public:
    hssSound();
    virtual ~hssSound();
    hssSound(const hssSound&) = delete;
    hssSound& operator=(const hssSound&) = delete;

    // A wide path of UTF-16 units; lone units 0xDC80..0xDCFF stand for raw bytes 0x80..0xFF.
    int load(const unsigned short* path);
    // Takes a RIFF WAVE of at most `length` bytes. Copies what it keeps; refuses data shorter
    // than the length it declares.
    int load(void* data, bool copy, std::size_t length);
    bool loaded() const { return chunk_ != nullptr; }
    void* chunk() const { return chunk_; }
    void release();

  private:
    friend class hssSpeaker;
    void link();
    void unlink();

    void* chunk_ = nullptr;
    hssSound* prev_ = nullptr;
    hssSound* next_ = nullptr;
};

class hssMusic {
  public:
    hssMusic();
    virtual ~hssMusic();
    hssMusic(const hssMusic&) = delete;
    hssMusic& operator=(const hssMusic&) = delete;

    int load(const unsigned short* path);
    // Takes a 31-sample module (M.K. and the like). With copy the bytes are copied before it
    // returns; without, the caller keeps them alive as long as the music is loaded.
    int load(void* data, bool copy, std::size_t length);
    void loop(bool on);
    bool looping() const { return loop_; }
    bool loaded() const { return music_ != nullptr; }
    void* music() const { return music_; }
    void release();

  private:
    friend class hssSpeaker;
    int take(unsigned char* bytes, bool owned, std::size_t length);
    void link();
    void unlink();

    void* music_ = nullptr;
    unsigned char* bytes_ = nullptr;
    bool own_bytes_ = false;
    void* rw_ = nullptr;
    bool loop_ = false;
    hssMusic* prev_ = nullptr;
    hssMusic* next_ = nullptr;
};

// The byte counts a sound or module declares for itself; 0 when the data is not one we take
// or is too short to hold its own headers.
std::size_t wav_declared_length(const unsigned char* data, std::size_t length);
std::size_t mod_declared_length(const unsigned char* data, std::size_t length);
