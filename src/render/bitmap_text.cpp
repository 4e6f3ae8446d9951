// Text on the canvas: drawn through the text engine's 1-bit masks in the
// font colour, over a box of the brush colour unless the brush is clear.
#include "render/bitmap.h"

#include <algorithm>
#include <cstddef>

namespace tsu {

void Bitmap::text_out(int x, int y, std::string_view utf8) {
    const TextEngine* e = engine();
    if (e == nullptr || empty()) return;
    thread_local TextMask mask; // reused: no allocation per tick once grown
    e->render_into(utf8, font.spec, mask);
    if (brush_style == BrushStyle::solid) fill_rect({x, y, x + mask.width, y + mask.height});
    const int x0 = std::max(0, -x), x1 = std::min(mask.width, width_ - x);
    const int y0 = std::max(0, -y), y1 = std::min(mask.height, height_ - y);
    const Colour ink = font.colour;
    for (int my = y0; my < y1; ++my) {
        const std::uint8_t* bits = mask.bits.data() + std::size_t(my) * std::size_t(mask.width);
        Colour* row = pixels_.data() + std::size_t(y + my) * std::size_t(width_) + x;
        for (int mx = x0; mx < x1; ++mx)
            if (bits[mx] != 0) row[mx] = ink;
    }
}

int Bitmap::text_width(std::string_view utf8) const {
    const TextEngine* e = engine();
    return e != nullptr ? e->text_width(utf8, font.spec) : 0;
}

int Bitmap::text_height(std::string_view utf8) const {
    const TextEngine* e = engine();
    return e != nullptr ? e->text_height(utf8, font.spec) : 0;
}

} // namespace tsu
