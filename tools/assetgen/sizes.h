// The size table content/sprites/sizes.txt: every picture file the tools
// write into cg/, its width and height, and its key colour:
//
//   # file      width height key      drawn  why
//   sora.bmp    50    50     magenta  50x50  stretched around her cell
//
// key: magenta (sprites, keyed by their bottom-left pixel), black (pictures
// OR-merged onto the view) or none (opaque pictures). drawn: the size the
// game draws the picture at: "own" when unscaled, WxH when stretched, "-"
// for pictures that are not sprites. The rest of the line says why.
#pragma once
#include "render/colour.h"

#include <string>
#include <vector>

namespace tsu::assetgen {

struct PictureSize {
    std::string file;
    int width = 0, height = 0;
    bool keyed = false;
    Colour key = 0; // the key colour when keyed
    int drawn_width = 0, drawn_height = 0; // 0: not a sprite
    std::string why;
};

// Throws SourceError on a malformed line or a file listed twice.
std::vector<PictureSize> read_sizes(const std::string& path);
const PictureSize* find_size(const std::vector<PictureSize>& sizes, const std::string& file);

} // namespace tsu::assetgen
