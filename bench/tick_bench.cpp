// The cost of whole main ticks, drawing included, on the generated data root.
#include "bench_game.h"
#include "game/events.h"
#include "game/game.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace tsu {
namespace {

// One title tick: the play/record line over the title picture, the effect
// pool walk and the light layer's clear and merge.
void BM_TitleTick(benchmark::State& state) {
    BenchGame b;
    if (!b.ok) {
        state.SkipWithError("the game did not start (data root missing?)");
        return;
    }
    for (auto _ : state) {
        Timer1Timer(*b.game);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_TitleTick)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace tsu
