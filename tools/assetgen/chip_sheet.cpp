// A sheet of the chips for looking them over: both chip columns doubled
// as the game cuts them, with their numbers and what content/chips.txt says
// of their passability, then a small stage (content/sprites/showcase.stage)
// drawn as play draws it: the lower chips, the upper chips that play shows,
// the items the marker chips place, the enemies and the first heroine.
#include "assetgen.h"
#include "figures.h"
#include "picture_set.h"
#include "source_text.h"

#include "data/chip_source.h"
#include "data/stage_source.h"
#include "data/teki_table.h"
#include "game/assets.h"
#include "game/game.h"

#include <fstream>
#include <memory>
#include <sstream>

namespace tsu::assetgen {
namespace {

constexpr int kViewW = 512, kViewH = 384, kCell = 20;

// The sprite of the item that an upper marker chip places at stage load.
const char* item_sprite(int upper) {
    switch (upper) {
    case 1: return "gold2.bmp";
    case 2: return "togarasi.bmp";
    case 3: return "maki2.bmp";
    case 4: return "maki3.bmp";
    case 5: return "heart2.bmp";
    case 9: return "gold.bmp";
    case 10: return "naruto.bmp";
    case 11: return "negi.bmp";
    case 12: return "kunai.bmp";
    case 13: return "note.bmp";
    default: return nullptr;
    }
}

std::string read_text(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw SourceError(path + ": cannot read the file");
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

// One view of the stage from map column `first`, as play draws it.
Bitmap stage_view(PictureSet& set, const Game& game, const StageGrid& grid, int first) {
    Bitmap view(kViewW, kViewH, kBlack);
    for (int c = 0; c < 26; ++c)
        for (int r = 0; r < 20; ++r) {
            const cell& k = grid.at(first + c, r);
            const Rect box{kCell * c, kCell * r, kCell * (c + 1), kCell * (r + 1)};
            if (k.lower > 0 && k.lower < kChipCount) view.stretch_draw(box, set.chip(false, k.lower));
            const bool shown = k.upper > 5 && k.upper != 9 && (k.upper < 10 || k.upper > 13);
            if (shown && k.upper < kChipCount) view.stretch_draw(box, set.chip(true, k.upper));
        }
    for (int c = 0; c < 26; ++c)
        for (int r = 0; r < 20; ++r) {
            const cell& k = grid.at(first + c, r);
            const Rect box{kCell * c, kCell * r, kCell * (c + 1), kCell * (r + 1)};
            if (const char* item = item_sprite(k.upper)) view.stretch_draw(box, set.get(item));
            if (k.teki > 0 && k.teki < kTekiTypes && k.teki != 8) {
                const tman& type = game.teki_type[std::size_t(k.teki + 1)];
                view.stretch_draw(box, set.get(kSpriteFiles[std::size_t(type.image)]));
            }
        }
    if (first == 0) view.stretch_draw({3 * kCell + 10 - 25, 17 * kCell + 10 - 25, 3 * kCell + 35, 17 * kCell + 35}, set.get("sora.bmp"));
    return view;
}

} // namespace

Bitmap make_chip_sheet(PictureSet& set, const std::string& content_dir) {
    PassTable lower{}, upper{};
    std::string error;
    if (!parse_chip_source(read_text(content_dir + "/chips.txt"), lower, upper, error))
        throw SourceError(content_dir + "/chips.txt: " + error);
    StageGrid grid;
    const std::string stage = content_dir + "/sprites/showcase.stage";
    if (!parse_stage_source(read_text(stage), grid, error)) throw SourceError(stage + ": " + error);
    auto game = std::make_unique<Game>();
    fill_teki_type(*game);

    const int chips_h = 2 * 70 + 30;
    Bitmap sheet(2 * kViewW + 24, chips_h + kViewH * 2 + 40, rgb(0x101418));
    for (int s = 0; s < 2; ++s) {
        const bool up = s == 1;
        const int top = 8 + s * 80;
        text(sheet, 8, top, up ? "chip2.bmp (upper)" : "chip.bmp (lower)", 8, true, kWhite);
        for (int j = 0; j < kChipCount; ++j) {
            const int x = 8 + j * 20, y = top + 16;
            const Rect r{x, y, x + 18, y + 18};
            for (int py = r.top; py < r.bottom; ++py)
                for (int px = r.left; px < r.right; ++px)
                    sheet.set_pixel(px, py, ((px - x) / 3 + (py - y) / 3) % 2 ? rgb(0x505860) : rgb(0x384048));
            const Bitmap& c = set.chip(up, j);
            Bitmap big(20, 20);
            big.stretch_draw({0, 0, 20, 20}, c);
            big.transparent = up;
            sheet.copy_rect(r, big, {0, 0, 18, 18}); // the last doubled pixel of each side is left off, as a gap
            if (up) sheet.stretch_draw(r, c);
            const int pass = up ? upper[std::size_t(j)] : lower[std::size_t(j)];
            text(sheet, x, y + 20, std::to_string(j), 7, false, pass ? rgb(0xFF8080) : rgb(0xB0C0D0));
            if (pass) box(sheet, x, y + 36, x + 18, y + 38, pass == 1 ? rgb(0xE04040) : rgb(0xE0A040));
        }
    }
    text(sheet, 8, chips_h - 6, "showcase.stage in play: columns 0..25 and 26..51 (red number: solid)", 8, true,
         kWhite);
    sheet.draw(8, chips_h + 10, stage_view(set, *game, grid, 0));
    sheet.draw(16 + kViewW, chips_h + 10, stage_view(set, *game, grid, 26));
    sheet.draw(8, chips_h + 20 + kViewH, stage_view(set, *game, grid, 52));
    sheet.draw(16 + kViewW, chips_h + 20 + kViewH, stage_view(set, *game, grid, 74));
    return sheet;
}

} // namespace tsu::assetgen
