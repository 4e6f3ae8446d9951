// Contact sheets of effect frames.
#include "sheet.h"

#include <algorithm>

namespace tsu::gallery {

namespace {
constexpr int kGap = 6;
constexpr int kCaption = 16;
constexpr Colour kGround = rgb(0x303030);
constexpr Colour kCaptionColour = rgb(0xE0E0E0);

Colour channel_max(Colour a, Colour b) {
    Colour out = 0xFF000000u;
    for (int shift : {0, 8, 16}) out |= std::max((a >> shift) & 0xFFu, (b >> shift) & 0xFFu) << shift;
    return out;
}

void caption(Bitmap& b, int x, int y, const std::string& text, int size) {
    b.font.style = FontStyle{size, true, false};
    b.font.colour = kCaptionColour;
    b.brush_style = BrushStyle::clear;
    b.text_out(x, y, text);
    b.brush_style = BrushStyle::solid;
}
} // namespace

Bitmap shrink_by_max(const Bitmap& full) {
    Bitmap half(full.width() / 2, full.height() / 2, kBlack);
    for (int y = 0; y < half.height(); ++y)
        for (int x = 0; x < half.width(); ++x) {
            Colour c = full.pixel(2 * x, 2 * y);
            c = channel_max(c, full.pixel(2 * x + 1, 2 * y));
            c = channel_max(c, full.pixel(2 * x, 2 * y + 1));
            c = channel_max(c, full.pixel(2 * x + 1, 2 * y + 1));
            half.set_pixel(x, y, c);
        }
    return half;
}

Bitmap sheet(const std::vector<Tile>& tiles, int columns, const std::string& title) {
    int tw = 0, th = 0;
    for (const Tile& t : tiles) {
        tw = std::max(tw, t.picture.width());
        th = std::max(th, t.picture.height());
    }
    const int rows = (int(tiles.size()) + columns - 1) / columns;
    const int top = kCaption + kGap;
    Bitmap out(kGap + columns * (tw + kGap), top + kGap + rows * (th + kCaption + kGap), kGround);
    caption(out, kGap, 2, title, 10);
    for (std::size_t i = 0; i < tiles.size(); ++i) {
        const int col = int(i) % columns, row = int(i) / columns;
        const int x = kGap + col * (tw + kGap);
        const int y = top + kGap + row * (th + kCaption + kGap);
        caption(out, x, y, tiles[i].label, 9);
        out.draw(x, y + kCaption, tiles[i].picture);
    }
    return out;
}

} // namespace tsu::gallery
