// The status display over the view in play: technique stocks, bobbing
// lives, the gauge frame and its bars, the rolling gold counter and the
// fading combo counter.
#include "game/status.h"

#include "game/game.h"
#include "game/score.h"

#include <algorithm>
#include <array>
#include <string>

namespace tsu {

namespace {

// Colours of a bar by the room left in it (60 − length): the full bar
// blinks between two colours (odd / even ticks), then four bands.
struct BarColours {
    Colour blink_odd, blink_even;
    Colour room_1_19, room_20_39, room_40_49, room_50_up;
};

constexpr BarColours kSpecialBar{rgb(0x33FFFF), rgb(0x00FFDD), rgb(0x00FFAA),
                                 rgb(0x00DD77), rgb(0x00BB33), rgb(0x008800)};
constexpr BarColours kRingBar{rgb(0xFF33FF), rgb(0xDD00FF), rgb(0xAA00FF),
                              rgb(0x7700DD), rgb(0x3300BB), rgb(0x000088)};
constexpr BarColours kLoveBar{rgb(0xFF33FF), rgb(0xDD00DD), rgb(0xFF00FF),
                              rgb(0xBB00BB), rgb(0x880088), rgb(0x550055)};
constexpr BarColours kFlightBar{rgb(0x33FFFF), rgb(0x00DDDD), rgb(0x00FFFF),
                                rgb(0x00BBBB), rgb(0x008888), rgb(0x005555)};
constexpr BarColours kWeaponBar{rgb(0xFF3333), rgb(0xDD00FF), rgb(0xFF0000),
                                rgb(0xBB0000), rgb(0x880000), rgb(0x550000)};

Colour blink(const Game& g, Colour odd, Colour even) { return g.frame_count % 2 != 0 ? odd : even; }

Colour band(const Game& g, const BarColours& c, int room) {
    if (room <= 0) return blink(g, c.blink_odd, c.blink_even);
    if (room <= 19) return c.room_1_19;
    if (room <= 39) return c.room_20_39;
    if (room <= 49) return c.room_40_49;
    return c.room_50_up;
}

// A filled bar on rows top..bottom (both drawn) from x0 over `length` pixels.
void bar(Bitmap& cg, int x0, int top, int bottom, int length, Colour c) {
    if (length <= 0) return;
    cg.brush_colour = c;
    cg.pen_colour = c;
    cg.brush_style = BrushStyle::solid;
    cg.fill_rect(Rect{x0, top, x0 + length, bottom + 1});
}

void special_bar(Game& g) {
    const tmy& my = g.my;
    Colour c;
    int length;
    if (g.chara == 1) {
        length = my.fuel;
        const int room = 70 - my.fuel;
        if (room <= 0)
            c = blink(g, rgb(0xFFFF33), rgb(0xFFDD00));
        else if (room <= 19)
            c = rgb(0xFFAA00);
        else if (room <= 39)
            c = rgb(0xDD7700);
        else if (room <= 49)
            c = rgb(0xBB5500);
        else if (room <= 59)
            c = rgb(0x883300);
        else
            c = rgb(0x660000);
    } else {
        length = 60 - my.sp_timer;
        if (g.chara == 2) {
            // The third heroine's bands follow the heat itself.
            const int t = my.sp_timer;
            if (t <= 0)
                c = blink(g, kSpecialBar.blink_odd, kSpecialBar.blink_even);
            else if (t <= 10)
                c = rgb(0x00FFAA);
            else if (t <= 19)
                c = rgb(0x00DD77);
            else if (t <= 24)
                c = rgb(0x00BB33);
            else
                c = rgb(0x440044);
        } else {
            c = band(g, kSpecialBar, 60 - length);
        }
    }
    bar(g.cg, 22, 375, 382, length, c);
}

// The running weapon power-up, the first of blade, piercing shuriken,
// kunai, blue fire and red fire, as a bar of 60 at full.
void weapon_bar(Game& g) {
    const tmy& my = g.my;
    const std::array<std::pair<int32_t, int>, 5> weapons = {{
        {my.blade, 200}, {my.kantsu, 200}, {my.kunai, 240}, {my.blue_fire, 200}, {my.red_fire, 200},
    }};
    for (const auto& [timer, full] : weapons) {
        if (timer <= 0) continue;
        const int length = timer * 60 / full;
        bar(g.cg, 22, 365, 372, length, band(g, kWeaponBar, 60 - length));
        return;
    }
}

void draw_text(Bitmap& cg, int x, int y, const std::string& text, int size, bool bold, Colour c) {
    cg.font.style = FontStyle{size, bold, false};
    cg.font.colour = c;
    cg.brush_style = BrushStyle::clear;
    cg.text_out(x, y, text);
    cg.brush_style = BrushStyle::solid;
}

void gold_counter(Game& g) {
    tmy& my = g.my;
    if (my.gold < g.gold_shown)
        g.gold_shown = my.gold;
    else if (my.gold > g.gold_shown)
        g.gold_shown += (my.gold - g.gold_shown) / 10 + 1;
    // Milestones only in play: the result screens draw no effects, and the
    // next stage frees them, so a thousand passed with the clear bonus is
    // celebrated on the first tick of the next stage instead.
    if (g.mode == 1) check_gold_milestones(g);
    Bitmap& cg = g.cg;
    const std::string text = std::to_string(g.gold_shown) + "両";
    cg.font.style = FontStyle{10, true, false};
    const int w = cg.text_width(text);
    cg.draw(490 - w, 0, g.cg_img[25]);
    draw_text(cg, 510 - w, 4, text, 10, true, g.mode == 1 ? kWhite : kBlack);
}

void combo_counter(Game& g) {
    tmy& my = g.my;
    if (my.combo <= 1) return;
    Bitmap& cg = g.cg;
    const std::string text = std::to_string(my.combo) + " Combo";
    cg.font.style = FontStyle{9, false, false};
    const int w = cg.text_width(text);
    const int level = std::clamp(5 * my.combo_timer + 50, 0, 255);
    draw_text(cg, 510 - w, 22, text, 9, false, g.mode == 1 ? rgb(level, level, level) : kBlack);
    my.combo_timer -= 1;
    if (my.combo_timer < 1) {
        my.combo_timer = 0;
        my.combo = 0;
    }
}

} // namespace

void status_display(Game& g) {
    Bitmap& cg = g.cg;
    const tmy& my = g.my;
    // Stock icons: invincibility, clones, barrage, 10 pixels apart. Stocks
    // hold 0..3; the loops are bounded so a stray value cannot run away.
    int x = 3;
    const std::array<std::pair<int32_t, int>, 3> stocks = {
        {{my.muteki_stock, 29}, {my.bunshin_stock, 35}, {my.danmaku_stock, 73}}};
    for (const auto& [count, image] : stocks)
        for (int i = 0; i < std::min(count, 30); ++i, x += 10) cg.draw(x, 17, g.cg_img[std::size_t(image)]);
    for (int i = 0; i < std::min(my.lives, 30); ++i) {
        const int b = g.mode == 3 ? 0 : (g.frame_count + i + 1) % 5;
        cg.draw(20 * i, 2 - b, g.cg_img[2]);
    }
    cg.draw(0, 364, g.cg_img[23]);
    special_bar(g);
    bar(cg, 22, 365, 372, my.muteki / 2, band(g, kRingBar, 60 - my.muteki / 2));
    bar(cg, 32, 370, 375, my.love * 120 / 400, band(g, kLoveBar, 60 - my.love * 120 / 400));
    bar(cg, 22, 373, 378, my.fly * 120 / 500, band(g, kFlightBar, 60 - my.fly * 120 / 500));
    weapon_bar(g);
    gold_counter(g);
    combo_counter(g);
}

} // namespace tsu
