// The cost of the enemies and the contact tests in a crowded stage: 1000
// enemies in the pool with 200 of them in view, 100 enemy shots, then one
// enemy step and the two collision passes of a tick. Every iteration starts
// from the same crowd.
#include "bench_game.h"
#include "game/collision.h"
#include "game/enemies.h"
#include "game/events.h"
#include "game/game.h"
#include "game/teki_spawn.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace tsu {
namespace {

struct Crowd : BenchGame {
    std::array<tman, 1002> teki{};
    std::array<tman, 101> teki_shot{};
    tmy my;

    Crowd() {
        if (!ok) return;
        Game& g = *game;
        g.mode = 1;
        g.my.se_off = 1;
        g.my.easy = 0;
        g.my.lives = 3;
        g.my.blink = 1;
        g.my.x = g.my.target_x = 1;
        g.my.y = 17;
        g.pass_lower[1] = 1;
        for (int c = 0; c <= 100; ++c) g.map[std::size_t(c + 1)][19].lower = 1; // ground on row 18
        // Walkers, hoppers, shooters, zigzags, chasers and needles in view ...
        static constexpr int kInView[] = {1, 2, 3, 5, 9, 10, 11, 16, 17, 21};
        for (int k = 0; k < 200; ++k)
            spawn_teki(g, 4 + g.rnd(22), g.rnd(18), kInView[k % 10]);
        // ... and the rest of the stage waiting beyond the view.
        for (int k = 0; k < 800; ++k) spawn_teki(g, 26 + g.rnd(74), g.rnd(18), 1 + g.rnd(25));
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
        teki = g.teki;
        teki_shot = g.teki_shot;
        my = g.my;
    }
    void restore() {
        Game& g = *game;
        g.teki = teki;
        g.teki_shot = teki_shot;
        g.my = my;
        g.mode = 1;
        g.effects.free_all();
    }
};

void BM_EnemyStepAndTwoCollisionPasses(benchmark::State& state) {
    Crowd c;
    if (!c.ok) {
        state.SkipWithError("the game did not start (data root missing?)");
        return;
    }
    Game& g = *c.game;
    for (auto _ : state) {
        state.PauseTiming();
        c.restore();
        g.frame_count += 1;
        state.ResumeTiming();
        enemy_step(g);
        collision_pass(g);
        collision_pass(g);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_EnemyStepAndTwoCollisionPasses)
    ->Unit(benchmark::kMicrosecond)
    ->Repetitions(15)
    ->ReportAggregatesOnly(true);

} // namespace
} // namespace tsu
