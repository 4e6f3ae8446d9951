// The asset generator: turns the sources under content/ into the data root
// (cg/ pictures, dat/ sound effects, mp3/ music). Output is deterministic:
// the same sources give the same bytes on every run.
#pragma once
#include "render/bitmap.h"

#include <string>
#include <vector>

namespace tsu::assetgen {

class PictureSet;

// dat/: the sound effects of content/sounds (sounds.cpp).
bool write_sounds(const std::string& content_dir, const std::string& root, std::string* error);
// mp3/: the music tracks of content/music (music.cpp).
bool write_music(const std::string& content_dir, const std::string& root, std::string* error);

// Sheets for looking the art over (contact_sheet.cpp, chip_sheet.cpp):
// every sprite of the sprite table at the size the game draws it, labelled
// with its index; the chip sheets and a small stage built from the chips.
Bitmap make_contact_sheet(PictureSet& set);
Bitmap make_chip_sheet(PictureSet& set, const std::string& content_dir);
// The named pictures side by side, enlarged (chips as lower.N / upper.N).
Bitmap make_preview(PictureSet& set, const std::vector<std::string>& names);

} // namespace tsu::assetgen
