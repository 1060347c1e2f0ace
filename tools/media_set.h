// The whole media folder of one Scale: what goes in each pack and the loose files beside them.
#pragma once

#include <string>
#include <vector>

#include "tools/sound_gen.h"
#include "tools/text_render.h"

struct media_set {
    int scale = 1;
    std::vector<named_bytes> gfx;   // pictures, in the pack's order
    std::vector<named_bytes> msx;   // sounds and the module
    std::vector<named_bytes> loose; // config.tll and the two metrics files
    glyph_sheet small_font, big_font;
};

media_set build_media(int scale);

// Writes the set into folder (created when missing). Only the set's own files are written, each
// only when its bytes changed; nothing else in the folder (a player's cont.tll above all) is
// touched.
bool write_media(const media_set& set, const std::string& folder, std::string* error);

// The contact sheet: every picture, both fonts with sample text, the sprites, and two screens
// put together as the game draws them.
rgb_image build_preview();
