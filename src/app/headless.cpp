// The headless runner.
#include "app/headless.h"

#include "app/headless_platform.h"
#include "app/input_script.h"
#include "app/replay.h"
#include "app/state_dump.h"
#include "game/events.h"
#include "game/game.h"
#include "game/modes.h"
#include "game/window_picture.h"
#include "render/image_io.h"

#include <fstream>
#include <memory>
#include <ostream>

namespace tsu {

namespace {

bool write_dump(const std::string& path, const Game& g, const HeadlessPlatform& p,
                std::ostream& err) {
    if (path.empty()) return true;
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    f << dump_state(g, &p).dump(1) << "\n";
    if (!f.flush()) {
        err << "cannot write " << path << "\n";
        return false;
    }
    return true;
}

} // namespace

int run_headless(const CommandLine& cl, std::ostream& err) {
    std::vector<InputEvent> events;
    if (!cl.input.empty()) {
        std::string error;
        if (!load_input_script(cl.input, events, error)) {
            err << error << "\n";
            return 2;
        }
    }
    // A replay brings its seed, its length and the save file it started from.
    ReplayHeader replay;
    ReplayFolder replay_folder;
    if (!cl.replay.empty()) {
        std::string error;
        if (!load_replay(cl.replay, replay, events, error) ||
            !replay_folder.create(replay, cl.user_dir, error)) {
            err << "tsumikiya: " << error << "\n";
            return 2;
        }
    }
    const int32_t ticks = cl.replay.empty() || cl.ticks > 0 ? cl.ticks : replay.ticks;

    HeadlessPlatform platform;
    auto game = std::make_unique<Game>();
    Game& g = *game;
    g.platform = &platform;
    g.root = cl.root;
    g.user_dir = cl.replay.empty() ? cl.user_dir : replay_folder.path();
    if (!cl.ranking_url.empty()) g.ranking_url = cl.ranking_url;
    g.random.reseed(!cl.replay.empty() ? replay.seed : cl.seed_given ? cl.seed : 1);

    if (!FormCreate(g)) {
        write_dump(cl.dump, g, platform, err);
        return 1;
    }
    if (cl.editor) open_editor(g);

    int status = 0;
    std::size_t next = 0;
    for (int32_t t = 0;; ++t) {
        platform.tick = t;
        for (const Screenshot& s : cl.shots) {
            if (s.tick != t) continue;
            std::string error;
            if (!save_png(s.path, window_picture(g), &error)) {
                err << "cannot write " << s.path << ": " << error << "\n";
                status = 2;
            }
        }
        while (next < events.size() && events[next].tick == t) {
            deliver_input(g, events[next], platform.answers);
            ++next;
        }
        if (t >= ticks) break;
        platform.tick = t + 1;
        Timer1Timer(g);
    }
    if (!write_dump(cl.dump, g, platform, err)) status = 2;
    return status;
}

} // namespace tsu
