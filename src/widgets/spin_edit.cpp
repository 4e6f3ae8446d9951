// Spin edits.
#include "widgets/spin_edit.h"

#include "widgets/look.h"

#include <algorithm>
#include <charconv>

namespace tsu {

namespace {
constexpr int kUp = 38, kDown = 40;

int digits_of(int max) {
    int n = 1;
    for (int v = std::max(0, max); v >= 10; v /= 10) ++n;
    return n;
}
} // namespace

SpinEdit::SpinEdit(std::string name, Rect box, int min, int max, TextStyle style)
    : EditField(ControlKind::spin_edit, std::move(name), box, digits_of(max), style), min_(min),
      max_(max) {
    reserve_right = kArrowWidth;
    set_number(min);
}

int SpinEdit::number() const {
    const std::string& s = value();
    int n = min_;
    if (!s.empty()) std::from_chars(s.data(), s.data() + s.size(), n);
    return std::clamp(n, min_, max_);
}

void SpinEdit::set_number(int n) { set_value(std::to_string(std::clamp(n, min_, max_))); }

void SpinEdit::text_input(std::string_view utf8) {
    if (replace_) set_value("");
    replace_ = false;
    EditField::text_input(utf8);
}

void SpinEdit::step(int by) {
    replace_ = false;
    set_number(number() + by);
    if (on_change) on_change();
}

bool SpinEdit::key_down(int key, bool shift) {
    if (key == kUp) {
        step(1);
        return true;
    }
    if (key == kDown) {
        step(-1);
        return true;
    }
    replace_ = false;
    return EditField::key_down(key, shift);
}

void SpinEdit::pointer_down(PointerButton button, int x, int y) {
    if (x >= rect.width() - kArrowWidth && button == PointerButton::left) {
        step(y < rect.height() / 2 ? 1 : -1);
        Control::pointer_down(button, x, y);
        return;
    }
    EditField::pointer_down(button, x, y);
    replace_ = true;
}

void SpinEdit::focus_lost() {
    EditField::focus_lost();
    replace_ = false;
    set_number(number()); // typed digits out of range come back inside it
}

void SpinEdit::draw(Bitmap& canvas, int x, int y, const DrawState& state) const {
    EditField::draw(canvas, x, y, state);
    const int w = rect.width(), h = rect.height();
    if (replace_ && state.focus == this) {
        // The number stands marked: the next digit typed replaces it.
        const Rect mark{x + 2, y + 2, x + w - kArrowWidth - 1, y + h - 2};
        look::shade(canvas, mark, look::caret, 90);
    }
    const Rect arrows{x + w - kArrowWidth, y, x + w, y + h};
    const bool hover = enabled && state.hover == this;
    look::fill(canvas, arrows, hover ? look::face_hover : look::face);
    look::frame(canvas, arrows, look::edge, look::face_pressed);
    look::fill(canvas, {arrows.left, y + h / 2, arrows.right, y + h / 2 + 1}, look::edge);
    // Two small triangles, up and down.
    const int cx = arrows.left + kArrowWidth / 2;
    const Colour ink = enabled ? look::caption_colour : look::disabled_text;
    for (int i = 0; i < 4; ++i) {
        const int up_y = y + h / 4 - 2 + i, down_y = y + 3 * h / 4 + 1 - i;
        look::fill(canvas, {cx - i, up_y, cx + i + 1, up_y + 1}, ink);
        look::fill(canvas, {cx - i, down_y, cx + i + 1, down_y + 1}, ink);
    }
}

} // namespace tsu
