// Contact sheets: frames shrunk into labelled tiles, laid out in rows.
#pragma once
#include "render/bitmap.h"

#include <string>
#include <vector>

namespace tsu::gallery {

// A frame with its caption.
struct Tile {
    Bitmap picture;
    std::string label;
};

// Halves a picture keeping the brightest pixel of each 2 x 2 block per
// channel, so one-pixel sparks and lines on black stay visible.
Bitmap shrink_by_max(const Bitmap& full);

// Lays the tiles out `columns` to a row with a caption above each, on a dark
// grey ground that shows where each frame ends.
Bitmap sheet(const std::vector<Tile>& tiles, int columns, const std::string& title);

} // namespace tsu::gallery
