// The canvas picture itself: construction, pixel access, whole-picture and
// rectangle fills, and which text engine the canvas uses.
#include "render/bitmap.h"

#include "render/raster_span.h"

#include <algorithm>

namespace tsu {

Bitmap::Bitmap(int width, int height, Colour fill) { resize(width, height, fill); }

void Bitmap::resize(int width, int height, Colour fill) {
    if (width <= 0 || height <= 0) width = height = 0;
    width_ = width;
    height_ = height;
    pixels_.assign(std::size_t(width) * std::size_t(height), fill);
}

Colour Bitmap::pixel(int x, int y) const {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return kBlack;
    return pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)];
}

void Bitmap::set_pixel(int x, int y, Colour c) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[std::size_t(y) * std::size_t(width_) + std::size_t(x)] = c;
}

void Bitmap::fill(Colour c) { std::fill(pixels_.begin(), pixels_.end(), c); }

void Bitmap::fill_rect(const Rect& r) {
    // Like the system's FillRect: an inverted rectangle fills nothing, and the
    // brush style does not matter.
    const int x0 = std::max(r.left, 0), x1 = std::min(r.right, width_);
    const int y0 = std::max(r.top, 0), y1 = std::min(r.bottom, height_);
    if (x0 >= x1 || y0 >= y1) return;
    if (x0 == 0 && x1 == width_) { // whole rows: one contiguous block
        std::fill(pixels_.begin() + std::ptrdiff_t(y0) * width_,
                  pixels_.begin() + std::ptrdiff_t(y1) * width_, brush_colour);
        return;
    }
    for (int y = y0; y < y1; ++y) {
        Colour* row = pixels_.data() + std::size_t(y) * std::size_t(width_);
        std::fill(row + x0, row + x1, brush_colour);
    }
}

const TextEngine* Bitmap::engine() const {
    return text_engine != nullptr ? text_engine : default_text_engine();
}

} // namespace tsu
