// The cost of one effect-renderer pass with the pool full of texts: all 100
// slots busy with a mix of the red rising text, the rainbow text, the big
// bouncing number, the scrolling comment and the rising green text, drawn
// with the game's font.
#include "game/game.h"
#include "render/effect_spawn.h"
#include "render/effects.h"
#include "render/text_engine.h"

#include <benchmark/benchmark.h>

#include <array>
#include <memory>
#include <string>

namespace tsu {
namespace {

struct Kind {
    int kind;
    const char* text;
};

constexpr std::array<Kind, 5> kMix = {{{1, "100"},
                                       {2, "コンボ！"},
                                       {13, "500"},
                                       {106, "すごい！ がんばれ"},
                                       {301, "+10両"}}};

void fill_pool(Game& g) {
    g.effects.free_all();
    for (int i = 0; i < kEffectSlots; ++i) {
        const Kind& k = kMix[std::size_t(i) % kMix.size()];
        spawn_effect(g, 40 + (i * 37) % 440, 40 + (i * 53) % 300, k.kind, k.text);
    }
}

void BM_FullPoolOfTexts(benchmark::State& state) {
    std::string error;
    const std::string font = find_japanese_font(&error);
    if (font.empty()) {
        state.SkipWithError(("no font: " + error).c_str());
        return;
    }
    set_default_text_engine(make_freetype_text_engine(font, &error));
    auto g = std::make_unique<Game>();
    g->cg.resize(kViewWidth, kViewHeight, kBlack);
    g->bak.resize(kViewWidth, kViewHeight, kBlack);
    g->mode = 1;
    g->frame_count = 1;
    fill_pool(*g);
    draw_effects(*g); // warm the glyph cache and place the comments
    for (auto _ : state) {
        state.PauseTiming();
        fill_pool(*g); // every slot busy, ages fresh
        g->frame_count = 1;
        state.ResumeTiming();
        draw_effects(*g);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullPoolOfTexts)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
} // namespace tsu
