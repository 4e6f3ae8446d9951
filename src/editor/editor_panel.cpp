// The editor's controls: a column right of the view (the three palettes,
// the info text, the stage kind and number, the file buttons, the weather,
// clear and test play) and a row below it (the scroll buttons and the
// notice). Both are solid panels beside the view, never over it, shown
// while the editor is open. Places are client pixels of the 660 x 480 area.
#include "editor/editor.h"

#include "game/game.h"
#include "ui/panels.h"
#include "widgets/look.h"

#include <array>

namespace tsu {

namespace {

constexpr Colour kFace = rgb(0x161B30);
constexpr int kColumnLeft = 512; // the column panel's left edge
constexpr int kRowTop = 384;     // the row panel's top edge

// A rectangle of the column given in client pixels (left, top, width, height).
Rect in_column(int x, int y, int w, int h) { return Rect{x - kColumnLeft, y, x - kColumnLeft + w, y + h}; }
Rect in_row(int x, int y, int w, int h) { return Rect{x, y - kRowTop, x + w, y - kRowTop + h}; }

TextStyle button_style() { return caption_style(9); }

constexpr int kPaletteRows = 40;
constexpr Colour kPaletteGround = rgb(0x06080F);

void add_palette(Game& g, Panel& column, const char* name, int x, void (*choose)(Game&, int)) {
    auto& p = column.add<PictureBox>(name, in_column(x, 0, 10, 10 * kPaletteRows));
    p.canvas.resize(10, 10 * kPaletteRows, kPaletteGround);
    p.on_mouse_down = [&g, choose](PointerButton, int, int y) { choose(g, y); };
}

// One palette: the pictures of its 40 rows, and a frame on the chosen one.
void paint_palette(Game& g, const char* name, int chosen, void (*row)(Game&, Bitmap&, int)) {
    Bitmap& canvas = static_cast<PictureBox&>(control(g, name)).canvas;
    canvas.fill(kPaletteGround);
    for (int k = 0; k < kPaletteRows; ++k) row(g, canvas, k);
    if (chosen < 0 || chosen >= kPaletteRows) return;
    const int top = 10 * chosen;
    look::frame(canvas, Rect{0, top, 10, top + 10}, look::focus_ring, look::focus_ring);
}

void build_column(Game& g) {
    auto root = std::make_unique<Panel>("editor_column", Rect{kColumnLeft, 0, 660, 480});
    Panel& col = g.controls.add_root(std::move(root));
    col.face = kFace;
    col.edge = false;
    col.follow_visible(&g.editor);

    add_palette(g, col, "cg_chip", 516, choose_lower);
    add_palette(g, col, "cg_chip2", 532, choose_upper);
    add_palette(g, col, "teki_cg", 548, choose_teki);

    auto& info = col.add<Label>("chip_l", in_column(560, 0, 97, 129), "", caption_style(8));
    info.background = kBlack;
    info.text.colour = kWhite;
    info.wrap = true;

    auto& official = col.add<LatchButton>("user_b1", in_column(560, 132, 46, 24), "公式", 1, button_style());
    official.follow(&g.edit.user_kind, false);
    auto& user = col.add<LatchButton>("user_b2", in_column(608, 132, 49, 24), "ﾕｰｻﾞｰ", 1, button_style());
    user.follow(&g.edit.user_kind, true);

    col.add<Label>("map_v_l", in_column(560, 172, 40, 22), "STAGE", caption_style(9)).middle = true;
    auto& number = col.add<SpinEdit>("map_v", in_column(602, 172, 55, 22), 0, 7, caption_style(9));
    number.set_number(0);

    auto& save = col.add<LabelButton>("Button1", in_column(560, 200, 97, 22), "MAP SAVE", button_style());
    save.on_click = [&g] { map_save(g); };
    auto& load = col.add<LabelButton>("Button2", in_column(560, 224, 97, 22), "MAP LOAD", button_style());
    load.on_click = [&g] { map_load(g); };

    static constexpr std::array<const char*, 5> kWeather = {"晴れ", "小雨", "嵐", "雪", "秋風"};
    for (int k = 0; k < 5; ++k) {
        const std::string name = "tenki_b" + std::to_string(k + 1);
        auto& b = col.add<LatchButton>(name, in_column(560, 256 + 20 * k, 97, 19), kWeather[std::size_t(k)], 2,
                                       button_style());
        b.follow(&g.tenki_down, k);
        b.on_click = [&g, k] { editor_weather(g, k); };
    }

    // The passability switches of the selected chip stay hidden; chip_l2
    // shows the passability in their place.
    auto& pass = col.add<LatchButton>("chip_b1", in_column(560, 360, 97, 20), "通れる", 3, button_style());
    pass.press();
    pass.set_visible(false);
    pass.on_click = [&g] { editor_passability(g, 0); };
    auto& solid = col.add<LatchButton>("chip_b2", in_column(560, 380, 97, 20), "通れない", 3, button_style());
    solid.set_visible(false);
    solid.on_click = [&g] { editor_passability(g, 1); };
    auto& pass_l = col.add<Label>("chip_l2", in_column(560, 360, 97, 21), "", caption_style(9));
    pass_l.background = rgb(0x000080);
    pass_l.text.colour = kWhite;
    pass_l.middle = true;

    auto& clear = col.add<LabelButton>("Button10", in_column(560, 404, 97, 22), "●オールクリア", button_style());
    clear.on_click = [&g] { clear_stage(g); };
    auto& play = col.add<LabelButton>("Button7", in_column(560, 428, 97, 22), "テストプレイ", button_style());
    play.on_click = [&g] { start_test_play(g); };
}

void build_row(Game& g) {
    auto root = std::make_unique<Panel>("editor_row", Rect{0, kRowTop, kColumnLeft, 480});
    Panel& row = g.controls.add_root(std::move(root));
    row.face = kFace;
    row.edge = false;
    row.follow_visible(&g.editor);

    struct Scroll {
        const char* name;
        const char* caption;
        int x;
        int by;
    };
    static constexpr std::array<Scroll, 4> kScrolls = {
        Scroll{"Button5", "←←", 0, -15}, Scroll{"Button3", "←", 92, -1}, Scroll{"Button4", "→", 328, 1},
        Scroll{"Button6", "→→", 420, 15}};
    for (const Scroll& s : kScrolls) {
        auto& b = row.add<LabelButton>(s.name, in_row(s.x, 388, 90, 24), s.caption, button_style());
        const int by = s.by;
        b.on_click = [&g, by] { editor_scroll(g, by); };
    }

    // The notice reaches a little under the column, as far as the palettes.
    auto& notice = row.add<Label>("Label2", in_row(0, 416, 557, 41),
                                  "ユーザーステージは dat フォルダに map100.dat ～ map107.dat "
                                  "として保存されます。そのファイルを渡せば、ほかの人もあなたの"
                                  "ステージで遊べます。",
                                  caption_style(9));
    notice.wrap = true;
    notice.text.colour = look::caption_colour;
}

} // namespace

void paint_palettes(Game& g) {
    // Lower chips as the sheet has them; upper chips on dark ground with
    // their key colour clear, as the map shows them; the enemy palette.
    paint_palette(g, "cg_chip", g.sel_lower, [](Game& gm, Bitmap& c, int k) {
        c.copy_rect(Rect{0, 10 * k, 10, 10 * k + 10}, gm.cg_chip, Rect{0, 10 * k, 10, 10 * k + 10});
    });
    paint_palette(g, "cg_chip2", g.sel_upper, [](Game& gm, Bitmap& c, int k) {
        c.stretch_draw(Rect{0, 10 * k, 10, 10 * k + 10}, gm.chip2_img[std::size_t(k)]);
    });
    paint_palette(g, "teki_cg", g.sel_teki, [](Game& gm, Bitmap& c, int k) {
        c.copy_rect(Rect{0, 10 * k, 10, 10 * k + 10}, gm.teki_cg, Rect{0, 10 * k, 10, 10 * k + 10});
    });
}

void build_editor_panel(Game& g) {
    build_column(g);
    // The row comes second so its notice lies over the column's face.
    build_row(g);
}

} // namespace tsu
