// Tiles that look the same: one measure of how different two tiles of a level picture look, and
// the twins it finds at level start. No SDL: it reads the pixels as the video layer hands them.
#pragma once

#include <cstdint>

#include "game/game_state.h" // Cells
#include "video/sprite.h"

// Each tile is seen as 9 x 9 blocks of 5 x 5 base pixels, each block its mean colour in 0..1:
// what is left of a tile at a glance, free of JPEG noise and film grain, the same at every Scale.
constexpr int kTileBlocks = 9;
constexpr int kTileValues = kTileBlocks * kTileBlocks * 3;

struct tile_prints {
    float v[Cells][kTileValues];
};

// How different two tiles look: the root mean square of the block colours' differences, 0..1.
// Two tiles are twins below kTwinThreshold. 0.05 is about 13 of 255 steps on every block and
// channel: two plain sky or wall tiles that close cannot be told apart from memory, while any
// drawn detail (a cloud's edge, a brick row, a branch) lifts a pair well above it.
constexpr float kTwinThreshold = 0.05f;

// The prints of the 25 tiles of a 5 x 5 picture whose tiles are tile_px pixels square; false when
// the picture is smaller than that or its layout cannot be read.
bool tile_prints_of(const picture_pixels& picture, int tile_px, tile_prints* out);
float tile_difference(const tile_prints& prints, int a, int b);

// How the tiles look to players who see colour differently: in grey (luma), and through the
// Machado et al. (2009) simulations of full deuteranopia and protanopia. A picture is fair to
// every player when no pair of tiles comes under kTwinThreshold in any of these views either.
enum class tile_view { colour, grey, deuteranopia, protanopia };
constexpr tile_view kTileViews[] = {tile_view::colour, tile_view::grey, tile_view::deuteranopia,
                                    tile_view::protanopia};
const char* tile_view_name(tile_view view);
// The prints as seen in the view, each block's colour mapped and clamped to 0..1.
void view_tile_prints(const tile_prints& in, tile_view view, tile_prints* out);

// twins[t] gets bit u set for every other tile u that looks the same as tile t.
void find_twins(const tile_prints& prints, std::uint32_t twins[Cells]);
