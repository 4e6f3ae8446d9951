// The pointer, typed text and keys on their way to the panels' controls and,
// when no panel takes them, to the game view's handlers.
#include "game/events.h"
#include "game/game.h"

#include <algorithm>

namespace tsu {

namespace {

PointerButton pointer(MouseButton b) { return b == MouseButton::left ? PointerButton::left : PointerButton::right; }

} // namespace

void mouse_down(Game& g, MouseButton button, int x, int y) {
    if (g.controls.pointer_down(pointer(button), x, y)) return;
    if (x < 0 || y < 0 || x >= kViewWidth || y >= kViewHeight) return; // the editor's margin
    cgMouseDown(g, button, x, y);
}

void mouse_up(Game& g, MouseButton button, int x, int y) {
    g.controls.pointer_up(pointer(button), x, y);
    cgMouseUp(g, button, std::clamp(x, 0, kViewWidth), std::clamp(y, 0, kViewHeight));
}

void mouse_move(Game& g, int x, int y) {
    g.controls.pointer_move(x, y);
    cgMouseMove(g, x, y);
}

void text_input(Game& g, const std::string& utf8) { g.controls.text_input(utf8); }

void text_composition(Game& g, const std::string& utf8, int cursor) {
    g.controls.composition(utf8, cursor);
}

bool wants_text_input(const Game& g, int* rect) {
    if (!g.controls.wants_text()) return false;
    if (rect != nullptr) {
        const Rect r = g.controls.focus()->client_rect();
        rect[0] = r.left;
        rect[1] = r.top;
        rect[2] = r.width();
        rect[3] = r.height();
    }
    return true;
}

bool click_control(Game& g, const std::string& name) { return g.controls.click(name); }

bool panel_open(const Game& g) {
    for (const auto& r : g.controls.roots())
        if (r->visible()) return true;
    return false;
}

void focus_move(Game& g, int step) { g.controls.focus_step(step); }

void press_focused(Game& g) { g.controls.press_focus(); }

} // namespace tsu
