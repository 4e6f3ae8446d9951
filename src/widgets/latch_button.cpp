// Latching buttons and their groups.
#include "widgets/latch_button.h"

#include "widgets/look.h"
#include "widgets/panel.h"

namespace tsu {

LatchButton::LatchButton(std::string name, Rect box, std::string words, int group, TextStyle style)
    : Label(ControlKind::latch_button, std::move(name), box, std::move(words), style),
      group_(group) {
    middle = true;
    if (style.align == TextAlign::left) text.align = TextAlign::centre;
}

void LatchButton::press() {
    if (number_ != nullptr) {
        *number_ = number_value_;
        return;
    }
    if (flag_ != nullptr) {
        *flag_ = value_;
        return;
    }
    if (Panel* p = parent())
        for (Control* c : p->children_of(ControlKind::latch_button)) {
            auto* other = static_cast<LatchButton*>(c);
            if (other != this && other->group_ == group_ && other->flag_ == nullptr &&
                other->number_ == nullptr)
                other->down_ = false;
        }
    down_ = true;
}

void LatchButton::activate() {
    press();
    Control::activate();
}

bool LatchButton::key_down(int key, bool) {
    if (key != 32) return false; // Space
    activate();
    return true;
}

void LatchButton::draw(Bitmap& canvas, int x, int y, const DrawState& state) const {
    const Rect r{x, y, x + rect.width(), y + rect.height()};
    const bool hover = enabled && state.hover == this;
    const bool is_down = down();
    Colour f = is_down ? (hover ? look::face_down_hover : look::face_down)
                       : (hover ? look::face_hover : look::face);
    look::fill(canvas, r, f);
    if (is_down) {
        // Sunk in: dark edge above and left, a light rim below.
        look::frame(canvas, r, look::face_pressed, look::edge_down);
        look::frame(canvas, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, look::face_pressed, f);
    } else {
        look::frame(canvas, r, hover ? look::edge_hover : look::edge, look::face_pressed);
    }
    if (state.focus == this) look::frame(canvas, {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1},
                                         look::focus_ring, look::focus_ring);
    TextStyle s = text;
    if (!enabled) s.colour = look::disabled_text;
    const int sink = is_down ? 1 : 0;
    look::caption(canvas, {r.left + 2 + sink, r.top + sink, r.right - 2 + sink, r.bottom + sink},
                  caption, s, true);
}

} // namespace tsu
