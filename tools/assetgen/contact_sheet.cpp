// A contact sheet of the sprite table for looking the art over: every
// entry cg_img[0..93] at the size the game draws it, on the black of the
// play view, labelled with its index; the enemies also as the editor's
// palette shows them (10 pixels a row), and the big picture at full size.
#include "assetgen.h"
#include "figures.h"
#include "picture_set.h"

#include "data/teki_table.h"
#include "game/assets.h"
#include "game/game.h"

#include <algorithm>
#include <memory>
#include <set>

namespace tsu::assetgen {
namespace {

constexpr int kSheetW = 1000, kPad = 6, kLabelH = 12;
constexpr Colour kLabel = rgb(0xB8C0D0), kFrame = rgb(0x283040);

// Flows cells left to right, row by row.
struct Flow {
    int x = kPad, y = 24, row_h = 0;
    Rect next(int w, int h) {
        if (x + w + kPad > kSheetW) {
            x = kPad;
            y += row_h + kLabelH + kPad;
            row_h = 0;
        }
        const Rect r{x, y, x + w, y + h};
        x += std::max(w, 40) + kPad;
        row_h = std::max(row_h, h);
        return r;
    }
    int bottom() const { return y + row_h + kLabelH + kPad; }
};

void cell(Bitmap& sheet, const Rect& r, const Bitmap& pic, const std::string& label) {
    box(sheet, r.left - 1, r.top - 1, r.right + 1, r.bottom + 1, kBlack, kFrame);
    sheet.stretch_draw(r, pic);
    text(sheet, r.left, r.bottom + 1, label, 7, false, kLabel);
}

} // namespace

Bitmap make_contact_sheet(PictureSet& set) {
    auto game = std::make_unique<Game>();
    fill_teki_type(*game);
    std::set<int> enemy_images;
    for (int t = 1; t < kTekiTypes; ++t) // the blast (type 8) is never drawn
        if (t != 8 && !game->teki_type[std::size_t(t + 1)].name.empty())
            enemy_images.insert(game->teki_type[std::size_t(t + 1)].image);

    // Two passes: the first finds the height.
    Bitmap sheet(kSheetW, 4000, rgb(0x101418));
    Flow flow;
    text(sheet, kPad, 4, "cg_img 0..93 at the size the game draws them on the black play view; then the JPEG pictures", 9,
         true, kWhite);
    for (int i = 0; i < int(kSpriteFiles.size()); ++i) {
        const std::string file = kSpriteFiles[std::size_t(i)];
        const PictureSize* size = find_size(set.sizes(), file);
        if (!size) continue;
        const Bitmap& pic = set.get(file);
        int w = size->drawn_width, h = size->drawn_height;
        if (enemy_images.count(i)) w = h = 20; // an enemy: half size 10
        cell(sheet, flow.next(w, h), pic, std::to_string(i));
    }
    // The editor's enemy palette: each enemy at its own size, 10 pixels a row.
    Bitmap palette(10, 260, kBlack);
    for (int t = 1; t < kTekiTypes; ++t) {
        const tman& type = game->teki_type[std::size_t(t + 1)];
        if (!type.name.empty()) palette.draw(0, 10 * t, set.get(kSpriteFiles[std::size_t(type.image)]));
    }
    const Rect pal = flow.next(20, 520);
    cell(sheet, pal, palette, "palette");
    const Rect big = flow.next(300, 150);
    cell(sheet, big, set.get("teki3.bmp"), "6 (big picture)");
    // The full-screen pictures at half size, and the two small ones whole.
    flow.next(kSheetW, 0);
    for (const PictureSize& s : set.sizes()) {
        if (!s.file.ends_with(".jpg")) continue;
        const bool small = s.width < 512;
        cell(sheet, flow.next(small ? s.width : s.width / 2, small ? s.height : s.height / 2), set.get(s.file), s.file);
    }
    Bitmap out(kSheetW, flow.bottom(), rgb(0x101418));
    out.copy_rect({0, 0, kSheetW, out.height()}, sheet, {0, 0, kSheetW, out.height()});
    return out;
}

} // namespace tsu::assetgen

namespace tsu::assetgen {

Bitmap make_preview(PictureSet& set, const std::vector<std::string>& names) {
    std::vector<const Bitmap*> pics;
    std::vector<Bitmap> resized; // NAME@WxH: the picture stretched as the game would
    resized.reserve(names.size());
    for (const std::string& n : names) {
        const std::size_t at = n.find('@');
        const std::string name = n.substr(0, at);
        const Bitmap& pic = name.starts_with("lower.") || name.starts_with("upper.")
                                ? set.chip(name.starts_with("upper."), std::stoi(name.substr(6)))
                                : set.get(name);
        if (at == std::string::npos) {
            pics.push_back(&pic);
            continue;
        }
        const std::string wh = n.substr(at + 1);
        const int w = std::stoi(wh), h = std::stoi(wh.substr(wh.find('x') + 1));
        Bitmap r(w, h, pic.key_colour());
        r.stretch_draw({0, 0, w, h}, pic);
        r.transparent = pic.transparent;
        resized.push_back(std::move(r));
        pics.push_back(&resized.back());
    }
    int w = 8, h = 0;
    std::vector<int> scales;
    for (const Bitmap* p : pics) {
        const int scale = std::max(1, std::min(8, 400 / std::max(p->width(), p->height())));
        scales.push_back(scale);
        w += p->width() * scale + 8 + p->width() + 8;
        h = std::max(h, p->height() * scale);
    }
    Bitmap out(w, h + 16, rgb(0x303438));
    int x = 8;
    for (std::size_t i = 0; i < pics.size(); ++i) {
        const Bitmap& p = *pics[i];
        const int s = scales[i];
        for (int y = 8; y < 8 + p.height() * s; ++y)
            for (int xx = x; xx < x + p.width() * s; ++xx)
                out.set_pixel(xx, y, ((xx - x) / s + (y - 8) / s) % 2 ? rgb(0x606870) : rgb(0x505860));
        out.stretch_draw({x, 8, x + p.width() * s, 8 + p.height() * s}, p);
        x += p.width() * s + 8;
        box(out, x, 8, x + p.width(), 8 + p.height(), kBlack);
        out.draw(x, 8, p); // at its own size on the play view's black
        x += p.width() + 8;
    }
    return out;
}

} // namespace tsu::assetgen
