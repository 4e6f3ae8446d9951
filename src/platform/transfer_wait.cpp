#include "platform/transfer_wait.h"

#include "game/window_picture.h"
#include "platform/http_client.h"
#include "platform/sdl_window.h"
#include "render/bitmap.h"
#include "ui/ranking_exchange.h"

#include <SDL.h>

#include <chrono>
#include <vector>

namespace tsu {

namespace {

constexpr auto kRepaint = std::chrono::milliseconds(100);
constexpr int kEventWaitMs = 10;

// Releases are kept for the game: a key or button let go during the wait
// must not stay held down afterwards.
bool is_release(const SDL_Event& e) { return e.type == SDL_KEYUP || e.type == SDL_MOUSEBUTTONUP; }

} // namespace

bool wait_in_window(HttpTransfer& transfer, GameWindow& window, Game& game) {
    using clock = std::chrono::steady_clock;
    bool closed = false;
    std::vector<SDL_Event> releases;
    Bitmap picture;
    clock::time_point painted{};
    while (!transfer.done()) {
        const clock::time_point now = clock::now();
        if (!closed && now - painted >= kRepaint) {
            picture = window_picture(game);
            const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(transfer.elapsed());
            draw_sending_wait(game, picture, int(ms.count()));
            window.present(picture);
            painted = now;
        }
        SDL_Event e;
        if (!SDL_WaitEventTimeout(&e, kEventWaitMs)) continue;
        do {
            if (e.type == SDL_QUIT) {
                closed = true;
                transfer.cancel();
            } else if (e.type == SDL_WINDOWEVENT && (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                                                     e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)) {
                window.redraw();
            } else if (is_release(e)) {
                releases.push_back(e);
            }
        } while (SDL_PollEvent(&e));
    }
    if (!closed)
        for (SDL_Event& r : releases) SDL_PushEvent(&r);
    return closed;
}

} // namespace tsu
