// Texts that jump up, drop, settle and sink: the bouncing numbers (13..19,
// 199, 299) and the bouncing labels (97..100). The walk moves their y by the
// bounce offset and gives them one more age after the end test, so they age
// two per tick.
#include "game/game.h"
#include "render/effect_families.h"
#include "render/effect_text.h"
#include "render/effect_text_colours.h"

#include <algorithm>
#include <array>

namespace tsu {

namespace {

using namespace effect_text;
namespace col = effect_colours;

// A bouncing number: font `long_size` when the text has more than
// `long_over` characters, else `short_size`; drawn `drop` pixels below y.
struct NumberLook {
    int long_size, short_size, long_over, drop;
    const col::BounceColours* colours;
};

constexpr std::array<NumberLook, 9> kNumberLooks = {{
    {30, 30, 0, 0, &col::kBounceRed},     // 13
    {20, 20, 0, 0, &col::kBounceRed},     // 14
    {15, 15, 0, 0, &col::kBounceRed},     // 15
    {10, 10, 0, 0, &col::kBounceRed},     // 16
    {12, 12, 0, 0, &col::kBounceBlue},    // 17
    {8, 10, 3, 10, &col::kBouncePink},    // 18
    {8, 9, 10, 10, &col::kBounceGrey},    // 19
    {9, 10, 10, 10, &col::kBounceSilver}, // 199
    {10, 11, 10, 10, &col::kBounceWhite}, // 299
}};

Colour number_colour(const col::BounceColours& c, int age) {
    if (age < 30) return c.main;
    return c.fade[std::size_t(std::min((age - 30) / 2, int(c.fade.size()) - 1))];
}

// Centred horizontally at x, top at y (+ drop), a black shadow one pixel
// down-right.
bool draw_number(EffectSlot& s) {
    const NumberLook& look = kNumberLooks[std::size_t(s.info.style)];
    Bitmap& b = s.canvas;
    ClearBrush brush(b);
    const std::string& t = s.text();
    set_font(b, char_count(t) > look.long_over ? look.long_size : look.short_size);
    const int left = s.x() - b.text_width(t) / 2, top = s.y() + look.drop;
    put(b, left + 1, top + 1, t, kBlack);
    put(b, left, top, t, number_colour(*look.colours, s.age()));
    return false;
}

constexpr std::array<Colour, 4> kLabelColours = {rgb(0x6BFEE0), rgb(0x11DD11), rgb(0xBB44FF),
                                                 rgb(0xFFFFFF)}; // 97..100

// Font 8 for more than 3 characters, else 13; centred horizontally; the text
// stands 10 px above y with a black shadow 2 px right and down.
bool draw_label(EffectSlot& s) {
    Bitmap& b = s.canvas;
    ClearBrush brush(b);
    const std::string& t = s.text();
    set_font(b, char_count(t) > 3 ? 8 : 13);
    const int left = s.x() - b.text_width(t) / 2;
    put(b, left + 2, s.y() - 8, t, kBlack);
    put(b, left, s.y() - 10, t, kLabelColours[std::size_t(s.info.style)]);
    return false;
}

constexpr EffectKind bouncing(EffectKind k) {
    k.bounces = true;
    return k;
}

constexpr EffectKind number(int32_t kind, int32_t style) {
    return bouncing(with_style(ends_after(kind, draw_number, 42, -1), style));
}

constexpr EffectKind label(int32_t kind, int32_t style, int32_t last_age) {
    return bouncing(with_style(ends_after(kind, draw_label, last_age, -1), style));
}

constexpr std::array kKinds = {
    number(13, 0), number(14, 1), number(15, 2),  number(16, 3),      number(17, 4),
    number(18, 5), number(19, 6), number(199, 7), number(299, 8),     label(97, 0, 30),
    label(98, 1, 30), label(99, 2, 30), label(100, 3, 35),
};

} // namespace

std::span<const EffectKind> bouncing_text_kinds() { return kKinds; }

} // namespace tsu
