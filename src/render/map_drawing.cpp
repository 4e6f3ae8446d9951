// Drawing the visible part of the stage grid onto the view: lower chips as
// opaque tiles, upper chips as transparent overlays, and in the editor the
// hidden item chips, the bag and the placed enemies as markers. The vents
// fire from here, each on its own phase.
#include "render/map_drawing.h"

#include "game/enemies.h"
#include "game/game.h"

#include <cstddef>

namespace tsu {

namespace {

constexpr int kViewColumns = 26; // the last one cut at 512
constexpr int kViewRows = 20;    // the last one cut at 384
constexpr int kBagChip = 9;      // upper chip: a bag placed at stage load
constexpr int kVentChip = 14;    // upper chip: fires upward
constexpr int kBagSprite = 40;   // cg_img index of the bag
constexpr int kVentShotImage = 12;
constexpr int kVentPeriod = 20;  // ticks between two shots of one vent

// A chip picture by number, or null when the number is outside the table
// (the editor or a damaged stage must not read past it).
const Bitmap* chip_at(const std::array<Bitmap, 50>& chips, int code) {
    if (code < 0 || code >= int(chips.size())) return nullptr;
    return &chips[std::size_t(code)];
}

// Upper chips 1..5 and 10..13 are items and 9 the bag: in play they became
// objects when the stage loaded and their tiles stay hidden.
bool upper_tile_shown(int code, bool editor) {
    if (code == kBagChip) return false;
    if (code > 5 && !(code >= 10 && code <= 13)) return true;
    return editor && code > 0;
}

// The editor's marker of a placed enemy: its type's sprite, stretched to the
// template's size around the cell centre.
void draw_enemy_marker(Game& g, int type, int left, int top) {
    const int row = type + 1; // template row of the type
    if (row < 1 || row >= int(g.teki_type.size())) return;
    const tman& t = g.teki_type[std::size_t(row)];
    if (t.image < 0 || t.image >= int(g.cg_img.size())) return;
    const int cx = left + kCell / 2, cy = top + kCell / 2;
    g.cg.stretch_draw(Rect{cx - t.size, cy - t.size, cx + t.size, cy + t.size},
                      g.cg_img[std::size_t(t.image)]);
}

} // namespace

bool vent_fires(int column, int row, int frame_count) {
    return (column + frame_count + row) % kVentPeriod == 0;
}

void map_drawing(Game& g) {
    if (g.mode == 0) return;
    Bitmap& cg = g.cg;
    for (int c = 0; c < kViewColumns; ++c) {
        for (int r = 0; r < kViewRows; ++r) {
            const cell& here = g.view_cell(c, r);
            const int left = c * kCell, top = r * kCell;
            if (here.lower > 0)
                if (const Bitmap* tile = chip_at(g.chip_img, here.lower)) {
                    // Opaque: the lower chips carry no key colour.
                    cg.copy_rect(Rect{left, top, left + kCell, top + kCell}, *tile,
                                 Rect{0, 0, tile->width(), tile->height()});
                }
            if (upper_tile_shown(here.upper, g.editor))
                if (const Bitmap* tile = chip_at(g.chip2_img, here.upper)) cg.draw(left, top, *tile);
            if (g.editor && here.upper == kBagChip) cg.draw(left, top, g.cg_img[kBagSprite]);
            if (here.upper == kVentChip && vent_fires(c, r, g.frame_count))
                spawn_teki_shot(g, c + g.scroll, r, kVentShotImage, -1, 0);
            if (g.editor && here.teki > 0) draw_enemy_marker(g, here.teki, left, top);
        }
    }
}

} // namespace tsu
