// What the text effects share: the clear brush they draw on, the font they
// set, their length in characters and the table entries of a text kind.
#pragma once
#include "render/bitmap.h"
#include "render/effect_kind.h"
#include "render/utf8.h"

#include <string_view>

namespace tsu::effect_text {

// Texts are drawn without a box behind the letters; the brush is solid again
// once the text kind is done.
class ClearBrush {
  public:
    explicit ClearBrush(Bitmap& b) : b_(b) { b_.brush_style = BrushStyle::clear; }
    ~ClearBrush() { b_.brush_style = BrushStyle::solid; }
    ClearBrush(const ClearBrush&) = delete;
    ClearBrush& operator=(const ClearBrush&) = delete;

  private:
    Bitmap& b_;
};

// The effect texts use the canvas's one face; bold unless a kind says otherwise.
inline void set_font(Bitmap& b, int size, bool bold = true, bool italic = false) {
    b.font.style = FontStyle{size, bold, italic};
}

inline void put(Bitmap& b, int x, int y, std::string_view text, Colour colour) {
    b.font.colour = colour;
    b.text_out(x, y, text);
}

// Length of a text in characters (not bytes): the font-size and speed rules
// count what the player reads.
inline int char_count(std::string_view utf8) {
    int n = 0;
    for (std::size_t i = 0; i < utf8.size(); ++n) utf8::next(utf8, i);
    return n;
}

// Entries of the text families.
constexpr EffectKind ends_after(int32_t kind, EffectDrawer draw, int32_t age, int32_t end_value) {
    EffectKind k;
    k.kind = kind;
    k.draw = draw;
    k.end = EffectEnd::after_age;
    k.limit = age;
    k.end_value = end_value;
    return k;
}

constexpr EffectKind with_style(EffectKind k, int32_t style) {
    k.style = style;
    return k;
}

} // namespace tsu::effect_text
