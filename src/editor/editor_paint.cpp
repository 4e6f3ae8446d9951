// Palette choice, painting by drag, undo and redo, and the info text.
#include "editor/editor.h"

#include "editor/editor_recovery.h"
#include "editor/editor_verdict.h"
#include "game/events.h"
#include "game/game.h"
#include "ui/panels.h"
#include "widgets/look.h"

#include <algorithm>
#include <cstdlib>

namespace tsu {

namespace {

constexpr int kPaletteRows = 40; // a palette is 400 pixels high, 10 a row

int palette_row(int y) { return std::clamp(y / 10, 0, kPaletteRows - 1); }

void set_pass_switches(Game& g, bool enabled) {
    control(g, "chip_b1").enabled = enabled;
    control(g, "chip_b2").enabled = enabled;
}

// The passability of a chip picked from a chip palette, on chip_l2 and the
// hidden switches.
void show_passability(Game& g, int32_t pass) {
    set_pass_switches(g, true);
    if (pass != 0) {
        static_cast<LatchButton&>(control(g, "chip_b2")).press();
        label(g, "chip_l2").caption = "通れにゃい";
    } else {
        label(g, "chip_l2").caption = "通れる";
        static_cast<LatchButton&>(control(g, "chip_b1")).press();
    }
}

// Paints the selection into the cell under the view pixel (x, y).
void paint_at(Game& g, int x, int y) {
    const int c = x / kCell + g.scroll + 1;
    const int r = y / kCell + 1;
    if (c < 1 || c >= kMapColumns || r < 1 || r >= kMapRows) return;
    cell now = g.map[std::size_t(c)][std::size_t(r)];
    if (g.sel_lower != -1) now.lower = g.sel_lower;
    if (g.sel_upper != -1) now.upper = g.sel_upper;
    if (g.sel_teki != -1) now.teki = g.sel_teki;
    cell& here = g.map[std::size_t(c)][std::size_t(r)];
    if (now.lower == here.lower && now.upper == here.upper && now.teki == here.teki) return;
    EditorState& e = g.edit;
    if (e.stroking) e.stroke.change(g, c, r, now);
    here = now;
    e.revision += 1;
}

std::string number(int n) { return std::to_string(n); }

// The verdict broken between words to the info label's width (the label
// itself breaks between characters, which suits Japanese but not this).
std::string word_wrapped(const std::string& text, const Label& l) {
    static Bitmap measure(1, 1);
    look::use_font(measure, l.text, l.text.colour);
    std::string out, line;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string::npos) end = text.size();
        const std::string word = text.substr(at, end - at);
        at = end + 1;
        const std::string longer = line.empty() ? word : line + " " + word;
        if (!line.empty() && measure.text_width(longer) > l.rect.width()) {
            out += line + "\r";
            line = word;
        } else {
            line = longer;
        }
    }
    return out + line;
}

} // namespace

void choose_lower(Game& g, int y) {
    g.sel_lower = palette_row(y);
    g.sel_upper = g.sel_teki = -1;
    show_passability(g, g.pass_lower[std::size_t(g.sel_lower)]);
}

void choose_upper(Game& g, int y) {
    g.sel_upper = palette_row(y);
    g.sel_lower = g.sel_teki = -1;
    show_passability(g, g.pass_upper[std::size_t(g.sel_upper)]);
}

void choose_teki(Game& g, int y) {
    g.sel_teki = palette_row(y);
    g.sel_lower = g.sel_upper = -1;
    set_pass_switches(g, false);
}

void editor_passability(Game& g, int solid) {
    if (g.sel_lower >= 0 && g.sel_lower < int(g.pass_lower.size()))
        g.pass_lower[std::size_t(g.sel_lower)] = solid;
    else if (g.sel_upper >= 0 && g.sel_upper < int(g.pass_upper.size()))
        g.pass_upper[std::size_t(g.sel_upper)] = solid;
}

void editor_paint(Game& g, int x, int y) {
    EditorState& e = g.edit;
    if (!e.stroking) {
        e.stroking = true;
        e.stroke = EditStep{};
    }
    if (g.mouse_held == 1) paint_at(g, x, y);
}

void editor_drag(Game& g, int from_x, int from_y, int to_x, int to_y) {
    if (g.mouse_held != 1) return;
    // Every pixel step of the way, so a fast drag leaves no gaps; a cell
    // already painted by this stroke costs nothing more.
    const int steps = std::max(std::abs(to_x - from_x), std::abs(to_y - from_y));
    for (int i = 1; i <= steps; ++i)
        paint_at(g, from_x + (to_x - from_x) * i / steps, from_y + (to_y - from_y) * i / steps);
    paint_at(g, to_x, to_y);
}

void editor_release(Game& g) {
    EditorState& e = g.edit;
    if (!e.stroking) return;
    e.stroking = false;
    // Cells painted over and back to what they were are no change.
    auto& cells = e.stroke.cells;
    cells.erase(std::remove_if(cells.begin(), cells.end(),
                               [](const CellChange& c) {
                                   return c.before.lower == c.after.lower && c.before.upper == c.after.upper &&
                                          c.before.teki == c.after.teki;
                               }),
                cells.end());
    e.history.push(std::move(e.stroke));
    e.stroke = EditStep{};
}

bool editor_undo(Game& g) {
    editor_release(g);
    if (!g.edit.history.undo(g)) return false;
    g.edit.revision += 1;
    return true;
}

bool editor_redo(Game& g) {
    editor_release(g);
    if (!g.edit.history.redo(g)) return false;
    g.edit.revision += 1;
    return true;
}

bool editor_key(Game& g, int key) {
    if (!g.editor || !g.ctrl_held || g.paused) return false;
    if (key == 'Z') {
        if (g.shift_held)
            editor_redo(g);
        else
            editor_undo(g);
        return true;
    }
    if (key == 'Y') {
        editor_redo(g);
        return true;
    }
    return false;
}

void editor_info(Game& g) {
    paint_palettes(g);
    collect_verdict(g);
    keep_recovery(g);
    std::string s;
    if (g.sel_lower != -1) s = "下チップ " + number(g.sel_lower) + "番";
    if (g.sel_upper != -1) s = "上チップ " + number(g.sel_upper) + "番";
    if (g.sel_teki != -1) s = "敵 " + number(g.sel_teki) + "番";
    const int c = g.mouse_x / kCell + g.scroll;
    const int r = g.mouse_y / kCell;
    const cell& here = g.map[std::size_t(std::clamp(c + 1, 0, kMapColumns - 1))]
                            [std::size_t(std::clamp(r + 1, 0, kMapRows - 1))];
    std::string t;
    if (here.lower >= 0) t += " >下チップ " + number(here.lower) + "番\r";
    if (here.upper >= 0) t += " >上チップ " + number(here.upper) + "番\r";
    if (here.teki >= 1) t += " >敵 " + number(here.teki) + "番\r";
    std::string text = "x " + number(c) + " / y " + number(r) + "選択中のチップ\r > " + s + "\r\rMAP上のチップ\r" + t;
    Label& info = label(g, "chip_l");
    if (!g.edit.verdict.empty()) text += word_wrapped(g.edit.verdict, info);
    info.caption = text;
}

} // namespace tsu
