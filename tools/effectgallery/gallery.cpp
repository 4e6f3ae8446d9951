// Effects and weathers run on a bare play view: the view black, the light
// layer cleared and merged as the main tick does, nothing else in the way.
#include "gallery.h"

#include "render/effect_kind.h"
#include "render/effect_spawn.h"
#include "render/effects.h"
#include "render/weather.h"

#include <algorithm>
#include <string>

namespace tsu::gallery {

namespace {

const Rect kWhole{0, 0, kViewWidth, kViewHeight};

// A grid with a few coloured blocks, so the shake has something to shake.
void pattern(Bitmap& b) {
    b.brush_style = BrushStyle::solid;
    b.brush_colour = rgb(0x202040);
    for (int x = 0; x < kViewWidth; x += 20) b.fill_rect(Rect{x, 0, x + 1, kViewHeight});
    for (int y = 0; y < kViewHeight; y += 20) b.fill_rect(Rect{0, y, kViewWidth, y + 1});
    b.brush_colour = rgb(0x4060A0);
    b.fill_rect(Rect{220, 160, 240, 180});
    b.brush_colour = rgb(0xA06040);
    b.fill_rect(Rect{280, 200, 300, 220});
}

void merge_light(Game& g) { g.cg.copy_rect(kWhole, g.bak, kWhole, CopyMode::src_paint); }

void effect_tick(Game& g, bool with_pattern) {
    g.frame_count += 1;
    g.cg.fill(kBlack);
    if (with_pattern) pattern(g.cg);
    g.bak.fill(kBlack);
    draw_effects(g);
    merge_light(g);
}

// Bolts are segment effects: the storm's runs from the top to the bottom,
// the others across the middle. Everything else starts at the centre.
void spawn_for_gallery(Game& g, int kind) {
    if (kind == 135) spawn_segment_effect(g, 200, 0, 300, 385, kind);
    else if (kind == 137 || kind == 166) spawn_segment_effect(g, 136, 102, 376, 282, kind);
    else spawn_effect(g, kViewWidth / 2, kViewHeight / 2, kind, "12345");
}

// Ticks to look at: early, middle and late in the life.
std::vector<int> ticks_of(const EffectKind& k) {
    if (k.end != EffectEnd::after_age) return {3, 12, 30};
    // The tick that draws the last age; the bouncing texts age two per tick.
    const int last = std::max(1, k.bounces ? k.limit / 2 : k.limit);
    std::vector<int> t = {std::max(1, last / 5), std::max(1, last / 2), std::max(1, last * 4 / 5)};
    t.erase(std::unique(t.begin(), t.end()), t.end());
    return t;
}

void reset(Game& g, std::uint64_t seed) {
    g.effects.free_all();
    g.effects.effect_cursor = 0;
    g.random.reseed(seed);
    g.frame_count = 0;
    g.scroll_tick = 0;
    g.mode = 1;
}

} // namespace

std::vector<Tile> kind_frames(Game& g, int kind, bool full) {
    std::vector<Tile> out;
    const EffectKind* k = find_effect_kind(kind);
    if (k == nullptr) return out;
    reset(g, std::uint64_t(kind) + 1);
    spawn_for_gallery(g, kind);
    const std::size_t slot = std::size_t(g.effects.effect_cursor);
    const std::vector<int> wanted = ticks_of(*k);
    for (int t = 1; t <= wanted.back(); ++t) {
        effect_tick(g, kind == 250);
        if (std::find(wanted.begin(), wanted.end(), t) == wanted.end()) continue;
        const int age = g.effects.ef_age[slot];
        const std::string when = age >= 1 ? "age " + std::to_string(age) : "ended";
        out.push_back({full ? g.cg : shrink_by_max(g.cg), "kind " + std::to_string(kind) + "  " + when});
    }
    return out;
}

std::vector<Tile> weather_frames(Game& g, int weather) {
    static constexpr const char* kNames[] = {"clear", "rain", "storm", "snow", "leaves"};
    std::vector<Tile> out;
    reset(g, 11);
    g.tenki_p.fill(tenki_particle{});
    g.my.weather = weather;
    const int wanted[] = {1, 20, 60};
    bool flash_seen = weather != 2;
    for (int t = 1; t <= 3000; ++t) {
        g.frame_count += 1;
        g.scroll_tick = (g.scroll_tick + 1) % 12;
        g.bak.fill(kBlack);
        draw_background_weather(g);
        draw_effects(g);
        merge_light(g);
        const std::string name = std::string(kNames[weather]) + " frame " + std::to_string(t);
        if (std::find(std::begin(wanted), std::end(wanted), t) != std::end(wanted))
            out.push_back({g.cg, name});
        if (!flash_seen) {
            for (int i = 0; i < kEffectSlots; ++i)
                if (g.effects.ef_kind[std::size_t(i)] == 135 && g.effects.ef_age[std::size_t(i)] == 2) {
                    out.push_back({g.cg, name + " (thunder)"});
                    flash_seen = true;
                }
        }
        if (t >= 60 && flash_seen) break;
    }
    return out;
}

} // namespace tsu::gallery
