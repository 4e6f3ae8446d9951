// Edit fields: typing, the caret keys and drawing with the composition.
#include "widgets/edit_field.h"

#include "render/utf8.h"
#include "widgets/look.h"

#include <algorithm>

namespace tsu {

namespace {
constexpr int kBackspace = 8, kEnd = 35, kHome = 36, kLeft = 37, kRight = 39, kDelete = 46;
constexpr int kPad = 3; // pixels between the frame and the text

int chars(std::string_view s) { return int(utf8::length(s)); }
} // namespace

EditField::EditField(std::string name, Rect box, int max_length, TextStyle style)
    : EditField(ControlKind::edit, std::move(name), box, max_length, style) {}

EditField::EditField(ControlKind kind, std::string name, Rect box, int max_length, TextStyle style)
    : Control(kind, std::move(name), box), max_length_(max_length) {
    style.colour = look::field_ink;
    text = style;
}

void EditField::set_value(std::string_view utf8) {
    text_.assign(utf8.substr(0, utf8::offset(utf8, std::size_t(std::max(0, max_length_)))));
    caret_ = chars(text_);
}

bool EditField::accepts(char32_t c) const { return c >= 0x20 && c != 0x7F; }

void EditField::text_input(std::string_view utf8) {
    composition_.clear();
    std::string add;
    int room = max_length_ - chars(text_);
    for (std::size_t i = 0; i < utf8.size() && room > 0;) {
        const std::size_t start = i;
        const char32_t c = utf8::next(utf8, i);
        if (c == utf8::kReplacement || !accepts(c)) continue;
        add.append(utf8.substr(start, i - start));
        --room;
    }
    if (add.empty()) return;
    text_.insert(utf8::offset(text_, std::size_t(caret_)), add);
    caret_ += chars(add);
    if (on_change) on_change();
}

void EditField::composition(std::string_view utf8, int) { composition_.assign(utf8); }

bool EditField::key_down(int key, bool) {
    const int n = chars(text_);
    switch (key) {
    case kBackspace:
    case kDelete: {
        const int at = key == kBackspace ? caret_ - 1 : caret_;
        if (at < 0 || at >= n) return true;
        const std::size_t b0 = utf8::offset(text_, std::size_t(at));
        const std::size_t b1 = utf8::offset(text_, std::size_t(at + 1));
        text_.erase(b0, b1 - b0);
        caret_ = at;
        if (on_change) on_change();
        return true;
    }
    case kLeft: caret_ = std::max(0, caret_ - 1); return true;
    case kRight: caret_ = std::min(n, caret_ + 1); return true;
    case kHome: caret_ = 0; return true;
    case kEnd: caret_ = n; return true;
    default: return false;
    }
}

void EditField::pointer_down(PointerButton button, int x, int y) {
    // A click puts the caret at the end (the fields are short).
    caret_ = chars(text_);
    Control::pointer_down(button, x, y);
}

void EditField::draw(Bitmap& canvas, int x, int y, const DrawState& state) const {
    const Rect r{x, y, x + rect.width(), y + rect.height()};
    const bool focused = state.focus == this && enabled;
    look::fill(canvas, r, enabled ? look::field_paper : look::field_paper_disabled);
    look::frame(canvas, r, focused ? look::focus_ring : look::field_edge,
                focused ? look::focus_ring : look::field_edge);
    look::use_font(canvas, text, enabled ? look::field_ink : rgb(0x3C3C44));
    const int line_h = canvas.text_height("あ");
    const int ty = y + (rect.height() - line_h) / 2;
    const int room = rect.width() - 2 * kPad - reserve_right;

    // The text before the caret, the composition, the text after it. When it
    // is too long for the field, the start scrolls so the caret stays in view.
    const std::size_t at = utf8::offset(text_, std::size_t(caret_));
    const std::string before = text_.substr(0, at), after = text_.substr(at);
    std::size_t skip = 0;
    while (skip < before.size() &&
           canvas.text_width(std::string_view(before).substr(skip)) + canvas.text_width(composition_) > room)
        utf8::next(before, skip);
    int pen = x + kPad;
    const int right = r.right - kPad - reserve_right;
    auto put = [&](std::string_view s, Colour ink, bool underline) {
        look::use_font(canvas, text, ink);
        for (std::size_t i = 0; i < s.size();) {
            const std::size_t start = i;
            utf8::next(s, i);
            const std::string_view ch = s.substr(start, i - start);
            const int w = canvas.text_width(ch);
            if (pen + w > right) return;
            canvas.text_out(pen, ty, ch);
            if (underline) look::fill(canvas, {pen, ty + line_h - 1, pen + w, ty + line_h}, ink);
            pen += w;
        }
    };
    const Colour ink = enabled ? look::field_ink : rgb(0x3C3C44);
    put(std::string_view(before).substr(skip), ink, false);
    put(composition_, look::composition_ink, true);
    if (focused) look::fill(canvas, {pen, ty, pen + 1, ty + line_h}, look::caret);
    put(after, ink, false);
}

} // namespace tsu
