// Shared test helpers: a headless screen, temporary folders, reading pixels and files.
#pragma once

#include <SDL.h>
#include <cstdint>
#include <string>
#include <vector>

// Opens SDL's dummy display in a window of w x h (once per process; later calls resize it) and
// turns drawing on. Returns the screen.
SDL_Surface* open_test_screen(int w = 240, int h = 320);

// A fresh empty folder under the system temp folder, removed when the object goes.
class temp_dir {
  public:
    temp_dir();
    ~temp_dir();
    const std::string& path() const { return path_; } // ends with '/'
    std::string file(const std::string& name) const { return path_ + name; }

  private:
    std::string path_;
};

void write_file(const std::string& path, const std::string& bytes);
std::string read_file(const std::string& path);
// Gives the JPEG file an Exif block right after its start saying it is stored on its side: turn
// it a quarter clockwise to see it upright (orientation 6), as a phone held upright writes.
void mark_turned_on_its_side(const std::string& jpeg_path);
bool file_exists(const std::string& path);

// The pixel of a surface as r, g, b.
struct rgb {
    int r, g, b;
};
rgb pixel_at(SDL_Surface* surface, int x, int y);
void fill_rect(SDL_Surface* surface, int x, int y, int w, int h, int r, int g, int b);
// Gives the sprite one size x size frame per colour, side by side, in the screen's format (the
// screen open first).
class sprite;
void give_frames(sprite& s, int size, const std::vector<rgb>& colours);
// How far a drawn channel may be from its value: 16-bit screens lose each channel's low bits.
int channel_tolerance();

// Where the build keeps things: the environment's folders, else the build this program came from.
std::string build_dir();
std::string source_dir();
// The folder holding the built media sets: media/ (Scale 2) and media-s1/ (Scale 1).
std::string media_root();
