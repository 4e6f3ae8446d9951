// The interim asset generator: INTERIM art and sounds for the data root
// (cg/ pictures, dat/ sound effects), drawn with the game's own canvas and
// synthesized here, so the game runs and can be tested before the finished
// art from content/ replaces them. Output is deterministic: the same bytes
// on every run.
#pragma once
#include "render/bitmap.h"

#include <string>
#include <vector>

namespace tsu::assetgen {

// A picture file of the data root with its picture (before saving).
struct Picture {
    std::string file; // name inside cg/, e.g. "sora.bmp"
    Bitmap pic;
};

// cg/ sprites of the sprite table, one picture per file (sprites.cpp).
std::vector<Picture> make_sprites();
// cg/chip.bmp and cg/chip2.bmp (chips.cpp).
Picture make_lower_chips();
Picture make_upper_chips();
// cg/ JPEG pictures: titles, stage ends, help, profile (pictures.cpp).
std::vector<Picture> make_pictures();

// Writes every file into root/cg and root/dat; false with the reason on the
// first failure.
bool write_sprites_and_chips(const std::string& root, std::string* error);
bool write_pictures(const std::string& root, std::string* error);
bool write_sounds(const std::string& root, std::string* error); // sounds.cpp

// A contact sheet of every sprite and both chip sheets (contact_sheet.cpp).
Bitmap make_contact_sheet();

} // namespace tsu::assetgen
