// A contact sheet of the INTERIM art for looking it over: every sprite
// enlarged on a checkerboard (the checks show where the key colour makes it
// see-through), then both chip sheets as the game doubles them.
#include "assetgen.h"
#include "figures.h"

#include <algorithm>

namespace tsu::assetgen {
namespace {

constexpr int kCellW = 112, kCellH = 96, kPerRow = 8;

void checker(Bitmap& b, const Rect& r) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x)
            b.set_pixel(x, y, ((x - r.left) / 4 + (y - r.top) / 4) % 2 == 0 ? rgb(0x9098A0) : rgb(0x687078));
}

} // namespace

Bitmap make_contact_sheet() {
    const std::vector<Picture> sprites = make_sprites();
    const int sprite_rows = (int(sprites.size()) + kPerRow - 1) / kPerRow;
    const int chips_top = sprite_rows * kCellH + 8;
    Bitmap sheet(kPerRow * kCellW, chips_top + 2 * 130, rgb(0x202428));
    for (std::size_t i = 0; i < sprites.size(); ++i) {
        const int cx = int(i % kPerRow) * kCellW, cy = int(i / kPerRow) * kCellH;
        const Bitmap& pic = sprites[i].pic;
        // The largest whole-number enlargement that fits 100 x 72 (at least 1/3 for the big ones).
        const int scale = std::max(1, std::min(100 / pic.width(), 72 / pic.height()));
        int w = pic.width() * scale, h = pic.height() * scale;
        if (w > 100 || h > 72) {
            w = pic.width() / 3;
            h = pic.height() / 3;
        }
        const Rect r{cx + (kCellW - w) / 2, cy + 4 + (72 - h) / 2, cx + (kCellW - w) / 2 + w, cy + 4 + (72 - h) / 2 + h};
        checker(sheet, r);
        sheet.stretch_draw(r, pic);
        text(sheet, cx + 4, cy + 79, sprites[i].file, 7, false, rgb(0xE0E0E0));
    }
    const Picture chips[] = {make_lower_chips(), make_upper_chips()};
    for (int s = 0; s < 2; ++s) {
        Bitmap pic = chips[s].pic;
        const int top = chips_top + s * 130;
        text(sheet, 4, top, chips[s].file, 8, true, rgb(0xFFFFFF));
        for (int j = 0; j < 50; ++j) {
            Bitmap chip(10, 10);
            chip.copy_rect({0, 0, 10, 10}, pic, {0, 10 * j, 10, 10 * j + 10});
            chip.transparent = s == 1;
            const int x = 4 + (j % 25) * 34, y = top + 16 + (j / 25) * 56;
            checker(sheet, {x, y, x + 20, y + 20});
            sheet.stretch_draw({x, y, x + 20, y + 20}, chip);
            text(sheet, x, y + 22, std::to_string(j), 7, false, rgb(0xC0C0C0));
        }
    }
    return sheet;
}

} // namespace tsu::assetgen
