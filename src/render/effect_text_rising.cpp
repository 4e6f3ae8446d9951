// Texts that float up and fade or cycle their colour: the red and pink rising
// texts (1, 5), the rainbow and blinking grey texts (2, 4), the flashing text
// (8) and the rising coloured texts (301..312).
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

// 1 and 5: font 8, centred, raised by age div 2, fading by age div 2.
template <const std::array<Colour, 9>& Ramp>
bool draw_fading(EffectSlot& s) {
    Bitmap& b = s.canvas;
    ClearBrush brush(b);
    set_font(b, 8);
    const std::string& t = s.text();
    const int w = b.text_width(t), h = b.text_height(t);
    const int step = std::clamp(s.age() / 2 - 2, 0, int(Ramp.size()) - 1);
    put(b, s.x() - w / 2, s.y() - h / 2 - s.age() / 2, t, Ramp[std::size_t(step)]);
    return false;
}

// 2 and 4: font 10, centred, a grey shadow one pixel down-right, the colour
// by age mod the ramp's length.
template <std::size_t N, const std::array<Colour, N>& Ramp>
bool draw_cycling(EffectSlot& s) {
    Bitmap& b = s.canvas;
    ClearBrush brush(b);
    set_font(b, 10);
    const std::string& t = s.text();
    const int left = s.x() - b.text_width(t) / 2, top = s.y() - b.text_height(t) / 2;
    put(b, left + 1, top + 1, t, col::kShadowGrey);
    put(b, left, top, t, Ramp[std::size_t(s.age()) % N]);
    return false;
}

// 8: font 13 bold italic, top-left at (x, y - age).
bool draw_flashing(EffectSlot& s) {
    Bitmap& b = s.canvas;
    ClearBrush brush(b);
    set_font(b, 13, true, true);
    put(b, s.x(), s.y() - s.age(), s.text(), col::kFlash[std::size_t(s.age()) % col::kFlash.size()]);
    return false;
}

// 301..312: the looks by style index.
constexpr std::array<const col::RiseColours*, 8> kRiseLooks = {
    &col::kRiseGreen, &col::kRiseGold,  &col::kRiseAqua, &col::kRisePink,
    &col::kRiseKhaki, &col::kRiseRose, &col::kRiseLime, &col::kRiseViolet};

// Font 10 at (x, y - age); the age runs at half speed, so the text rises one
// pixel every other tick.
bool draw_rising(EffectSlot& s) {
    const col::RiseColours& look = *kRiseLooks[std::size_t(s.info.style)];
    Bitmap& b = s.canvas;
    ClearBrush brush(b);
    set_font(b, 10);
    const int m = s.age() % 10;
    const int top = s.y() - s.age();
    if (look.shadowed) put(b, s.x() + 1, top + 1, s.text(), look.shadow);
    put(b, s.x(), top, s.text(), look.ramp[std::size_t(m <= 5 ? m : 10 - m)]);
    return false;
}

constexpr EffectKind half_speed(EffectKind k) {
    k.half_speed = true;
    return k;
}

constexpr EffectKind clearing_text(EffectKind k) {
    k.clears_text = true;
    return k;
}

// The rising coloured texts end only when their stored y is -10 or less.
constexpr EffectKind rising(int32_t kind, int32_t style) {
    EffectKind k = with_style(ends_after(kind, draw_rising, 0, 0), style);
    k.end = EffectEnd::y_at_most;
    k.limit = -10;
    return half_speed(k);
}

// 305..307 and 309 share the half-speed age but have no look of their own:
// they draw nothing and keep their slot.
constexpr EffectKind rising_blank(int32_t kind) {
    EffectKind k;
    k.kind = kind;
    return half_speed(k);
}

constexpr std::array kKinds = {
    ends_after(1, draw_fading<col::kRedFade>, 20, 0),
    ends_after(5, draw_fading<col::kPinkFade>, 20, 0),
    half_speed(clearing_text(ends_after(2, draw_cycling<12, col::kRainbow>, 34, 0))),
    half_speed(clearing_text(ends_after(4, draw_cycling<8, col::kGreyBlink>, 34, 0))),
    ends_after(8, draw_flashing, 50, 0),
    rising(301, 0),
    rising(302, 1),
    rising(303, 2),
    rising(304, 3),
    rising_blank(305),
    rising_blank(306),
    rising_blank(307),
    rising(308, 4),
    rising_blank(309),
    rising(310, 5),
    rising(311, 6),
    rising(312, 7),
};

} // namespace

std::span<const EffectKind> rising_text_kinds() { return kKinds; }

} // namespace tsu
