// Labels and label buttons.
#include "widgets/label.h"

#include "widgets/look.h"

namespace tsu {

namespace {
constexpr int kSpace = 32; // the key that presses a focused button
}

Label::Label(std::string name, Rect box, std::string words, TextStyle style)
    : Label(ControlKind::label, std::move(name), box, std::move(words), style) {}

Label::Label(ControlKind kind, std::string name, Rect box, std::string words, TextStyle style)
    : Control(kind, std::move(name), box) {
    caption = std::move(words);
    text = style;
}

void Label::draw(Bitmap& canvas, int x, int y, const DrawState&) const {
    const Rect r{x, y, x + rect.width(), y + rect.height()};
    if (background) look::fill(canvas, r, *background);
    TextStyle s = text;
    if (!enabled) s.colour = look::disabled_text;
    look::caption(canvas, r, caption, s, middle, wrap);
}

LabelButton::LabelButton(std::string name, Rect box, std::string words, TextStyle style)
    : Label(ControlKind::label_button, std::move(name), box, std::move(words), style) {
    middle = true;
    if (style.align == TextAlign::left) text.align = TextAlign::centre;
}

bool LabelButton::key_down(int key, bool) {
    if (key != kSpace) return false;
    pointer_down(PointerButton::left, rect.width() / 2, rect.height() / 2);
    activate();
    return true;
}

void LabelButton::draw(Bitmap& canvas, int x, int y, const DrawState& state) const {
    const Rect r{x, y, x + rect.width(), y + rect.height()};
    const bool hover = enabled && state.hover == this;
    const bool pressed = enabled && state.pressed == this;
    look::fill(canvas, r, pressed ? look::face_pressed : hover ? look::face_hover : look::face);
    if (pressed)
        look::frame(canvas, r, look::face_pressed, look::edge);
    else
        look::frame(canvas, r, hover ? look::edge_hover : look::edge, look::face_pressed);
    if (state.focus == this) look::frame(canvas, {r.left - 1, r.top - 1, r.right + 1, r.bottom + 1},
                                         look::focus_ring, look::focus_ring);
    TextStyle s = text;
    if (!enabled) s.colour = look::disabled_text;
    const Rect inner{r.left + 3, r.top + (pressed ? 1 : 0), r.right - 3, r.bottom + (pressed ? 1 : 0)};
    look::caption(canvas, inner, caption, s, true);
}

} // namespace tsu
