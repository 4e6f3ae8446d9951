// A game started on the data root the build generated, without sound
// messages on the terminal and with a fixed seed: what the tick benchmarks
// build their scenes on. `ok` is false when start-up failed.
#pragma once
#include "app/headless_platform.h"
#include "game/events.h"
#include "game/game.h"

#include <memory>

namespace tsu {

struct BenchGame {
    HeadlessPlatform platform;
    std::unique_ptr<Game> game = std::make_unique<Game>();
    bool ok = false;

    BenchGame() {
        platform.echo_messages = false;
        game->platform = &platform;
        game->root = TSUMIKIYA_GAME_DIR;
        game->random.reseed(1);
        ok = FormCreate(*game);
    }
};

} // namespace tsu
