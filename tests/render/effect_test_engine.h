// Test helpers of the effect tests: a text engine whose glyphs are solid
// blocks whose size follows the font (so a text's box is exactly its ink and
// its size tells which font a kind chose), and a game whose view draws with it.
#pragma once
#include "render/effect_spawn.h"
#include "render/effects.h"
#include "render/text_engine.h"
#include "render/utf8.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string_view>

namespace tsu::test {

// Each character is `size` px wide (+1 bold, +2 italic) and the line is
// size + 4 px high; every pixel of the box is ink.
class BlockTextEngine final : public TextEngine {
  public:
    static int char_width(const FontStyle& f) { return f.size + (f.bold ? 1 : 0) + (f.italic ? 2 : 0); }
    static int line_height(const FontStyle& f) { return f.size + 4; }

    TextMask render(std::string_view utf8, const FontStyle& font) const override {
        TextMask m;
        m.width = text_width(utf8, font);
        m.height = line_height(font);
        m.bits.assign(std::size_t(m.width) * std::size_t(m.height), 1);
        return m;
    }
    int text_width(std::string_view utf8, const FontStyle& font) const override {
        int n = 0;
        for (std::size_t i = 0; i < utf8.size(); ++n) utf8::next(utf8, i);
        return n * char_width(font);
    }
    int text_height(std::string_view, const FontStyle& font) const override {
        return line_height(font);
    }
};

// The smallest rectangle holding every pixel of a colour.
inline std::optional<Rect> ink_box(const Bitmap& b, Colour c) {
    std::optional<Rect> box;
    for (int y = 0; y < b.height(); ++y)
        for (int x = 0; x < b.width(); ++x) {
            if (b.pixel(x, y) != c) continue;
            if (!box) box = Rect{x, y, x + 1, y + 1};
            box->left = std::min(box->left, x);
            box->top = std::min(box->top, y);
            box->right = std::max(box->right, x + 1);
            box->bottom = std::max(box->bottom, y + 1);
        }
    return box;
}

struct EffectGame : ::testing::Test, testing::GameFixture {
    BlockTextEngine engine;
    EffectGame() {
        g().cg.text_engine = &engine;
        g().bak.text_engine = &engine;
        g().random.reseed(7);
        g().frame_count = 1; // odd: the half-speed kinds age too
        g().mode = 1;
    }
    EffectPool& pool() { return g().effects; }
    // Spawns a point effect and returns its slot.
    std::size_t spawn(int kind, int x, int y, const std::string& text = "12") {
        spawn_effect(g(), x, y, kind, text);
        return std::size_t(pool().effect_cursor);
    }
    // One pass of the renderer over a view of one colour.
    void tick(Colour background = kBlack) {
        g().cg.fill(background);
        draw_effects(g());
    }
    // Ticks until the slot is freed (at most `limit` ticks); returns how many ran.
    int ticks_until_free(std::size_t slot, int limit = 1000) {
        int n = 0;
        while (pool().ef_age[slot] >= 1 && n < limit) {
            tick();
            ++n;
        }
        return n;
    }
};

} // namespace tsu::test
