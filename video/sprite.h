// The drawable picture: a surface in the screen's format, a frame grid, drawn at a float position.
#pragma once

#include <cstdint>
#include <functional>

struct SDL_Surface;

// A picture's pixels as they lie in memory: 1 to 4 bytes a pixel (little-endian), each channel
// picked out by its mask; for code that reads pictures without SDL.
struct picture_pixels {
    const std::uint8_t* data = nullptr;
    int w = 0, h = 0, pitch = 0, bytes_per_pixel = 0;
    std::uint32_t masks[3] = {0, 0, 0}; // red, green, blue
};

// Float to int truncating toward zero, pinned to the int range so wild positions stay defined.
int trunc_to_int(float value);

class sprite {
  public:
    float frame_w = 0.0f;
    float frame_h = 0.0f;
    int w = 0;
    int h = 0;
    SDL_Surface* surface = nullptr;

    sprite() = default;
    ~sprite();
    sprite(const sprite&) = delete;
    sprite& operator=(const sprite&) = delete;

    // Each drawing call puts the picture's top-left corner at (at_x, at_y), cut toward zero.
    void Blit(float at_x, float at_y); // the whole picture
    // Frame number of the grid of frame_w x frame_h frames, counted row by row.
    void ChooseBlit(int number, float at_x, float at_y);
    // The part of the picture from (x, y), x1 wide and y1 high.
    void BlitPart(int x, int y, int x1, int y1, float at_x, float at_y);
    void Alpha(int value);
    // Picture from the graphics pack (or the loose file folder + name); key 1 keys a palette
    // picture on its top-left pixel. 0 on success, -1 on failure.
    int Load(const char* folder, const char* name, int key);
    // A picture file outside the media set (a player's picture made ready), never keyed.
    int LoadFile(const char* path);

  private:
    int Take(SDL_Surface* loaded, bool converting, const char* name);
};

// Hands the sprite's pixels to read while its surface is locked; false (read not called) without
// a picture or for a palette picture, which has no channel masks.
bool read_sprite_pixels(const sprite& s, const std::function<void(const picture_pixels&)>& read);

// The game's pictures, loaded once by the loading screen (the level picture again at every
// level). Defined in app/globals.cpp with the other global objects, in their one construction
// order; declared here so that every layer that draws them needs nothing above it.
extern sprite GameBackground;
extern sprite IntroPicture;
extern sprite TimeBarPicture;
extern sprite LevelPicture;
extern sprite ParticleSprite;
extern sprite ParticleSprite2;
extern sprite RocketSprite1;
extern sprite RocketSprite2;
extern sprite GoodWorkPicture;
