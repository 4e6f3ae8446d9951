// The canvas work of every 80 ms tick: the full-view fill, the full-frame OR
// merge of the light layer, sprite draws, and a line of Japanese text.
#include "render/bitmap.h"
#include "render/text_engine.h"

#include <benchmark/benchmark.h>

namespace tsu {
namespace {

constexpr int kW = 512, kH = 384;

void BM_FullFillAndOrMerge(benchmark::State& state) {
    Bitmap view(kW, kH), light(kW, kH, kBlack);
    light.set_pixel(100, 100, rgb(0x203040));
    view.brush_colour = rgb(0x101820);
    for (auto _ : state) {
        view.fill_rect({0, 0, kW, kH});
        view.copy_rect({0, 0, kW, kH}, light, {0, 0, kW, kH}, CopyMode::src_paint);
        benchmark::DoNotOptimize(view.pixels().data());
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * kW * kH);
}
BENCHMARK(BM_FullFillAndOrMerge);

void BM_FullFill(benchmark::State& state) {
    Bitmap view(kW, kH);
    view.brush_colour = rgb(0x101820);
    for (auto _ : state) {
        view.fill_rect({0, 0, kW, kH});
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullFill);

void BM_FullOrMerge(benchmark::State& state) {
    Bitmap view(kW, kH), light(kW, kH, kBlack);
    for (auto _ : state) {
        view.copy_rect({0, 0, kW, kH}, light, {0, 0, kW, kH}, CopyMode::src_paint);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_FullOrMerge);

// 300 sprites of 20 x 20 stretched into 40 x 40 squares with their key colour.
void BM_SpriteDraws300(benchmark::State& state) {
    Bitmap view(kW, kH);
    Bitmap sprite(20, 20, rgb(0xFF00FF));
    sprite.brush_colour = rgb(0x3050C0);
    sprite.ellipse(2, 2, 18, 18);
    sprite.transparent = true;
    for (auto _ : state) {
        for (int i = 0; i < 300; ++i) {
            const int x = (i * 37) % (kW - 40), y = (i * 53) % (kH - 40);
            view.stretch_draw({x, y, x + 40, y + 40}, sprite);
        }
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SpriteDraws300);

void BM_JapaneseTextLine24(benchmark::State& state) {
    std::string error;
    const std::string path = find_japanese_font(&error);
    auto engine = path.empty() ? nullptr : make_freetype_text_engine(path, &error);
    if (!engine) {
        state.SkipWithError(("no Japanese font: " + error).c_str());
        return;
    }
    Bitmap view(kW, kH);
    view.text_engine = engine.get();
    view.font.style = {9, true, false};
    view.font.colour = rgb(0xFFFFFF);
    view.brush_style = BrushStyle::clear;
    const std::string line = "ぽわんでござる、ソラ坊くん！初期化完了、忍の里へ";
    for (auto _ : state) {
        view.text_out(10, 7, line);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_JapaneseTextLine24);

} // namespace
} // namespace tsu
