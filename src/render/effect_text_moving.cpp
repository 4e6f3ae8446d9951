// Texts that travel across the view and keep their motion in the slot: the
// side message (6) that eases in from the right and slides out, the scrolling
// comment (106) that crosses the view right to left, and the rising rainbow
// text (107) whose climb speeds up near the top.
#include "game/game.h"
#include "render/effect_families.h"
#include "render/effect_text.h"
#include "render/effect_text_colours.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tsu {

namespace {

using namespace effect_text;
namespace col = effect_colours;

// Kind 6: the text's right end eases in to x = 509 during the first 30 ages,
// then from age 110 slides out past the right edge (x = 517).
constexpr int kSideRight = 509;
constexpr int kSideOut = 517;

bool draw_side_message(EffectSlot& s) {
    Bitmap& b = s.canvas;
    ClearBrush brush(b);
    set_font(b, 8);
    const std::string& t = s.text();
    const int rest = kSideRight - b.text_width(t);
    int32_t& x = s.x();
    const int age = s.age();
    if (age < 31 && x > rest) x -= std::abs(rest - x) / 3 + 1;
    if (age >= 110 && age <= 140 && x < kSideOut) x += std::abs(kSideOut - x) / 8 + 1;
    put(b, x, s.y(), t, col::kSideMessage[std::size_t(age) % col::kSideMessage.size()]);
    return false;
}

// Kind 106: a comment crossing the view, placed on its first drawn tick in the
// half of the view away from the heroine; a = colour index, b = font size.
constexpr int kCommentLastAge = 100;

void place_comment(EffectSlot& s) {
    Game& g = s.g;
    const int ahead = g.rnd(500); // the draws are made in this order
    const int back = g.rnd(150);
    s.x() = kViewWidth + ahead - back;
    s.y() = g.my.y * kCell <= 192 ? 364 - g.rnd(100) : g.rnd(100);
    s.a() = g.rnd(int32_t(col::kCommentColours.size()));
    s.b() = 10 + g.rnd(13);
}

// Bigger and longer comments run faster, within 15..25 px per tick.
int comment_speed(int font_size, const std::string& text) {
    return std::clamp(font_size / 2 + (char_count(text) / 3) * 2, 15, 25);
}

bool draw_comment(EffectSlot& s) {
    if (s.age() == 2) place_comment(s);
    Bitmap& b = s.canvas;
    ClearBrush brush(b);
    set_font(b, s.b());
    const std::string& t = s.text();
    s.x() -= comment_speed(s.b(), t);
    const auto colour = std::size_t(std::clamp(s.a(), 0, int(col::kCommentColours.size()) - 1));
    put(b, s.x(), s.y(), t, col::kCommentColours[colour]);
    if (s.x() < -b.text_width(t) || s.age() > kCommentLastAge) {
        s.x() = 0;
        return true;
    }
    return false;
}

// Kind 107: b is the climb in px per tick, 9 at first; it grows every 20th
// frame near the top and shrinks every 3rd frame low in the view.
bool draw_rainbow_climb(EffectSlot& s) {
    const int fc = s.g.frame_count;
    int32_t& speed = s.b();
    if (s.age() == 2) speed = 9;
    s.y() -= speed;
    if (fc % 20 == 0 && s.y() < 100) speed += 1;
    if (fc % 3 == 0 && s.y() > 200) speed -= 1;
    speed = std::max(speed, 1);
    Bitmap& b = s.canvas;
    ClearBrush brush(b);
    set_font(b, 9, false);
    const std::string& t = s.text();
    put(b, s.x() - b.text_width(t) / 2, s.y() - b.text_height(t) / 2, t,
        col::kRainbow[std::size_t(s.age()) % col::kRainbow.size()]);
    return false;
}

constexpr EffectKind clearing_text(EffectKind k) {
    k.clears_text = true;
    return k;
}

constexpr EffectKind comment_kind() {
    EffectKind k = clearing_text(ends_after(106, draw_comment, 0, 0));
    k.end = EffectEnd::by_drawer; // off the left edge, or past its last age
    return k;
}

constexpr EffectKind climb_kind() {
    EffectKind k = clearing_text(ends_after(107, draw_rainbow_climb, 0, 0));
    k.end = EffectEnd::y_at_most; // above y = -10
    k.limit = -11;
    return k;
}

constexpr std::array kKinds = {
    clearing_text(ends_after(6, draw_side_message, 140, 0)),
    comment_kind(),
    climb_kind(),
};

} // namespace

std::span<const EffectKind> moving_text_kinds() { return kKinds; }

} // namespace tsu
