// The ranking panel's controls: the set title, the picture the ranking lines
// are drawn on, the detail line of the rank under the mouse, the page note
// and the page, set and back buttons.
#include "game/events.h"
#include "game/game.h"
#include "ui/panels.h"
#include "ui/ranking_screen.h"

namespace tsu {

void build_ranking_panel(Game& g) {
    Panel& p = g.controls.add_root(std::make_unique<Panel>("ir_rank_box", Rect{0, 0, 513, 385}));
    p.follow_visible(&g.panels.ir_rank_box);
    p.face = rgb(0x121a34); // solid: the title picture behind must not show through the table
    p.add<Label>("ir_name_l", Rect{10, 5, 400, 27}, "IR MODE", title_style());
    // The failure of the last exchange, until the player's next action here.
    p.add<Label>("ir_err_l", Rect{250, 10, 505, 26}, "", TextStyle{9, true, rgb(0xFF9090), TextAlign::right});
    auto& lines = p.add<PictureBox>("ir_rank_cg", Rect{8, 32, 8 + 497, 32 + 265});
    lines.canvas.resize(497, 265, kBlack);
    lines.on_mouse_move = [&g](int, int y) { ir_rank_cgMouseMove(g, y); };
    auto& detail = p.add<Label>("ir_rank_l", Rect{8, 300, 505, 350}, "", caption_style(9));
    detail.wrap = true;
    p.add<Label>("ir_mes_l2", Rect{8, 358, 190, 374}, "", caption_style(9));
    auto& page = p.add<LabelButton>("Label17", Rect{196, 354, 296, 378}, "順位切替(↓)", caption_style(9));
    page.on_click = [&g] { ranking_page_switch(g); };
    auto& set = p.add<LabelButton>("Label23", Rect{300, 354, 430, 378}, "RANK切り替え(←→)", caption_style(9));
    set.on_mouse_down = [&g](PointerButton b, int, int) { ranking_set_switch(g, b == PointerButton::left); };
    auto& back = p.add<LabelButton>("Label13", Rect{434, 354, 506, 378}, "BAK(ESC)", caption_style(9));
    back.on_click = [&g] { Label13Click(g); };
}

} // namespace tsu
