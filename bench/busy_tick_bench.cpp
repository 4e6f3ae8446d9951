// The cost of one main tick at its busiest: a started run on the first stage
// with 1000 enemies in the pool (200 of them in view), 100 enemy shots and all
// 100 effect slots busy, either with text kinds under a clear sky or with
// seeded particle kinds and the storm on the light layer. Every iteration
// starts from the same state, its effects already under way, so each timed
// tick is the same steady busy tick.
#include "bench_game.h"
#include "game/events.h"
#include "game/game.h"
#include "game/modes.h"
#include "game/teki_spawn.h"
#include "render/effect_particle.h"
#include "render/effect_spawn.h"
#include "render/effects.h"
#include "render/weather.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace tsu {
namespace {

struct BusyGame : BenchGame {
    // The state a tick changes, taken once the crowd and the effects are set.
    std::array<tman, 1002> teki{};
    std::array<tman, 101> teki_shot{}, shot{}, item{}, block{};
    std::unique_ptr<EffectPool> effects = std::make_unique<EffectPool>();
    std::array<tenki_particle, 40> tenki{};
    tmy my;
    Random random;
    int32_t frame_count = 0, scroll = 0, scroll_tick = 0;

    enum class Scene { texts, particles_in_the_storm };

    explicit BusyGame(Scene scene = Scene::particles_in_the_storm) {
        if (!ok) return;
        ok = false; // until the run is started and the scene set
        Game& g = *game;
        start_run(g);
        if (g.mode != 1) return;
        g.wipe = 0;
        g.my.se_off = 1;
        g.my.weather = scene == Scene::texts ? 0 : 2; // clear sky or the storm
        // 200 enemies in view, 800 waiting beyond it.
        static constexpr int kInView[] = {1, 2, 3, 5, 9, 10, 11, 16, 17, 21};
        for (int k = 0; k < 200; ++k) spawn_teki(g, g.scroll + 4 + g.rnd(22), g.rnd(18), kInView[k % 10]);
        for (int k = 0; k < 800; ++k) spawn_teki(g, g.scroll + 26 + g.rnd(74), g.rnd(18), 1 + g.rnd(25));
        for (int k = 0; k < 100; ++k) {
            tman& s = g.teki_shot[std::size_t(k + 1)];
            s.alive = 1;
            s.x = 2 + g.rnd(24);
            s.y = g.rnd(18);
            s.vx = -1 - g.rnd(3);
            s.vy = g.rnd(3) - 1;
            s.image = 12;
            s.size = 10;
        }
        if (scene == Scene::texts) {
            // Every slot a text kind with a line of Japanese, spread over the view.
            static constexpr int kTexts[] = {1, 2, 4, 5, 6, 8, 13, 14, 15, 16, 17, 18, 19,
                                             97, 98, 99, 100, 106, 107, 199, 299, 301, 305, 310};
            for (int i = 0; i < kEffectSlots; ++i)
                spawn_effect(g, 40 + g.rnd(430), 40 + g.rnd(300), kTexts[std::size_t(i) % std::size(kTexts)],
                             "見事な当たりっぷり");
        } else {
            // Every slot a particle kind, spread over the view.
            const auto kinds = particle::particle_table();
            for (int i = 0; i < kEffectSlots; ++i)
                spawn_effect(g, 40 + g.rnd(430), 40 + g.rnd(300), kinds[std::size_t(i) % kinds.size()].kind, "");
        }
        for (int t = 0; t < 2; ++t) Timer1Timer(g); // seeded and under way
        g.my.lives = 9;
        g.my.blink = 100; // the crowd does not end the run while we measure
        teki = g.teki;
        teki_shot = g.teki_shot;
        shot = g.shot;
        item = g.item;
        block = g.block;
        *effects = g.effects;
        tenki = g.tenki_p;
        my = g.my;
        random = g.random;
        frame_count = g.frame_count;
        scroll = g.scroll;
        scroll_tick = g.scroll_tick;
        ok = true;
    }

    void restore() {
        Game& g = *game;
        g.teki = teki;
        g.teki_shot = teki_shot;
        g.shot = shot;
        g.item = item;
        g.block = block;
        g.effects = *effects;
        g.tenki_p = tenki;
        g.my = my;
        g.random = random;
        g.frame_count = frame_count;
        g.scroll = scroll;
        g.scroll_tick = scroll_tick;
        g.mode = 1;
        g.wipe = 0;
    }

    int busy_slots() const {
        int n = 0;
        for (int i = 0; i < kEffectSlots; ++i) n += game->effects.ef_age[std::size_t(i)] >= 1;
        return n;
    }
};

// Argument 0: text kinds under a clear sky; 1: particle kinds in the storm.
void BM_BusyPlayTick(benchmark::State& state) {
    BusyGame b(state.range(0) == 0 ? BusyGame::Scene::texts : BusyGame::Scene::particles_in_the_storm);
    if (!b.ok) {
        state.SkipWithError("the game did not start a run (data root missing?)");
        return;
    }
    int busy = 0;
    for (auto _ : state) {
        state.PauseTiming();
        b.restore();
        busy = b.busy_slots();
        state.ResumeTiming();
        Timer1Timer(*b.game);
        benchmark::ClobberMemory();
    }
    state.counters["busy_effect_slots"] = busy;
}
BENCHMARK(BM_BusyPlayTick)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

// The parts of that tick that are drawn by the effects and the storm: the
// effect pass over the 100 busy slots, and the background with the storm.
void time_one_step(benchmark::State& state, void (*step)(Game&)) {
    BusyGame b;
    if (!b.ok) {
        state.SkipWithError("the game did not start a run (data root missing?)");
        return;
    }
    for (auto _ : state) {
        state.PauseTiming();
        b.restore();
        state.ResumeTiming();
        step(*b.game);
        benchmark::ClobberMemory();
    }
}

void BM_BusyEffectPass(benchmark::State& state) { time_one_step(state, draw_effects); }
BENCHMARK(BM_BusyEffectPass)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

void BM_StormBackground(benchmark::State& state) { time_one_step(state, draw_background_weather); }
BENCHMARK(BM_StormBackground)->Unit(benchmark::kMicrosecond)->Repetitions(9)->ReportAggregatesOnly(true);

} // namespace
} // namespace tsu
