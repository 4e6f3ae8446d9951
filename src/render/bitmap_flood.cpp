// Flood fill of the canvas with the brush colour, scanline by scanline with
// an explicit stack (no recursion, so a whole 512 x 384 area is safe).
//
// surface: recolours the 4-connected area of pixels equal to `colour` that
//          holds the start point;
// border:  fills the 4-connected area of pixels different from `colour` (the
//          border colour) that holds the start point.
#include "render/bitmap.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace tsu {

void Bitmap::flood_fill(int x, int y, Colour colour, FillStyle style) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    const bool surface = style == FillStyle::surface;
    auto inside = [&](Colour c) { return surface ? c == colour : c != colour; };
    if (!inside(pixel(x, y))) return;

    const auto w = std::size_t(width_);
    std::vector<std::uint8_t> done(pixels_.size(), 0); // pixels already filled
    std::vector<std::pair<int, int>> seeds{{x, y}};
    while (!seeds.empty()) {
        const auto [sx, sy] = seeds.back();
        seeds.pop_back();
        Colour* row = pixels_.data() + std::size_t(sy) * w;
        std::uint8_t* mark = done.data() + std::size_t(sy) * w;
        if (mark[sx] != 0 || !inside(row[sx])) continue;
        int l = sx, r = sx + 1; // the run [l, r) through the seed
        while (l > 0 && mark[l - 1] == 0 && inside(row[l - 1])) --l;
        while (r < width_ && mark[r] == 0 && inside(row[r])) ++r;
        for (int i = l; i < r; ++i) {
            row[i] = brush_colour;
            mark[i] = 1;
        }
        // One seed for each run of fillable pixels above and below.
        for (const int ny : {sy - 1, sy + 1}) {
            if (ny < 0 || ny >= height_) continue;
            const Colour* nrow = pixels_.data() + std::size_t(ny) * w;
            const std::uint8_t* nmark = done.data() + std::size_t(ny) * w;
            bool in_run = false;
            for (int i = l; i < r; ++i) {
                const bool open = nmark[i] == 0 && inside(nrow[i]);
                if (open && !in_run) seeds.emplace_back(i, ny);
                in_run = open;
            }
        }
    }
}

} // namespace tsu
