// Text on the canvas: drawn through the text engine's 1-bit masks in the
// font colour, over a box of the brush colour unless the brush is clear.
#include "render/bitmap.h"

#include <algorithm>
#include <cstddef>

namespace tsu {

void Bitmap::text_out(int x, int y, std::string_view utf8) {
    const TextEngine* e = engine();
    if (e == nullptr || empty()) return;
    thread_local TextRuns line; // reused: no allocation per tick once grown
    e->runs_into(utf8, font.style, line);
    if (brush_style == BrushStyle::solid) fill_rect({x, y, x + line.width, y + line.height});
    const Colour ink = font.colour;
    for (const InkRun& r : line.runs) {
        const int py = y + r.y;
        if (py < 0 || py >= height_) continue;
        const int x0 = std::max(0, x + r.x0), x1 = std::min(width_, x + r.x1);
        if (x0 >= x1) continue;
        Colour* row = pixels_.data() + std::size_t(py) * std::size_t(width_);
        std::fill(row + x0, row + x1, ink);
    }
}

int Bitmap::text_width(std::string_view utf8) const {
    const TextEngine* e = engine();
    return e != nullptr ? e->text_width(utf8, font.style) : 0;
}

int Bitmap::text_height(std::string_view utf8) const {
    const TextEngine* e = engine();
    return e != nullptr ? e->text_height(utf8, font.style) : 0;
}

} // namespace tsu
