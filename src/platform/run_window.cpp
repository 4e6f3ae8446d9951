// The window's main loop. Everything runs on this thread: SDL events, the
// tick and the music report, one at a time, so the core never re-enters.
#include "platform/run_window.h"

#include "app/input_script.h"
#include "app/state_dump.h"
#include "game/events.h"
#include "game/game.h"
#include "game/window_picture.h"
#include "platform/key_map.h"
#include "platform/sdl_platform.h"
#include "platform/sdl_window.h"
#include "platform/tick_clock.h"
#include "platform/transfer_wait.h"
#include "render/image_io.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>

namespace tsu {

namespace {

constexpr int kTickMs = 80;

std::string executable_folder() {
    std::error_code ec;
    const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
    if (ec) return ".";
    return exe.parent_path().string();
}

std::string data_root(const CommandLine& cl) {
    std::string root = cl.root.empty() ? executable_folder() : cl.root;
    while (root.size() > 1 && root.back() == '/') root.pop_back();
    return root;
}

uint64_t clock_seed() {
    return uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
}

// One running game in its window.
class WindowRun {
  public:
    WindowRun(const CommandLine& cl, SdlPlatform& platform, GameWindow& window, Game& game)
        : cl_(cl), platform_(platform), window_(window), game_(game) {}

    bool load_script() {
        if (cl_.input.empty()) return true;
        std::string error;
        if (!load_input_script(cl_.input, script_, error)) {
            std::cerr << "tsumikiya: " << cl_.input << ": " << error << '\n';
            return false;
        }
        return true;
    }

    void run() {
        // The ranking exchange waits here, with the window alive.
        platform_.set_transfer_wait([this](HttpTransfer& t) {
            if (wait_in_window(t, window_, game_)) running_ = false;
        });
        present();
        window_.show();
        deliver_due();
        const uint64_t freq = SDL_GetPerformanceFrequency();
        TickClock clock(std::max<uint64_t>(1, freq * kTickMs / 1000), SDL_GetPerformanceCounter());
        while (running_) {
            const uint64_t now = SDL_GetPerformanceCounter();
            if (clock.take_due(now)) {
                tick();
                continue;
            }
            // Sleep in the event queue until the next deadline (rounded up
            // to whole milliseconds so the wake-up is never early).
            const uint64_t wait = clock.until_next(now);
            const int ms = int(std::min<uint64_t>((wait * 1000 + freq - 1) / freq, kTickMs));
            SDL_Event e;
            if (SDL_WaitEventTimeout(&e, ms)) {
                handle(e);
                while (running_ && SDL_PollEvent(&e)) handle(e);
            }
            report_music();
        }
    }

  private:
    void tick() {
        Timer1Timer(game_);
        ++ticks_run_;
        platform_.tick = ticks_run_;
        report_music();
        present();
        deliver_due();
        if (cl_.ticks > 0 && ticks_run_ >= cl_.ticks) running_ = false;
    }

    // The music player's report belongs to the main thread.
    void report_music() {
        if (platform_.take_music_completed()) mid_pNotify(game_, true);
    }

    void sync_client_size() {
        if (game_.client_width != window_.client_width() ||
            game_.client_height != window_.client_height())
            window_.set_client_size(game_.client_width, game_.client_height);
    }

    // Presents the client picture; saves the screenshots due after this tick.
    void present() {
        sync_client_size();
        const Bitmap& picture = window_picture(game_);
        const bool shot_due = std::any_of(cl_.shots.begin(), cl_.shots.end(),
                                          [&](const Screenshot& s) { return s.tick == ticks_run_; });
        if (!shot_due) {
            window_.present(picture);
            return;
        }
        Bitmap readback;
        window_.present(picture, &readback);
        for (const Screenshot& s : cl_.shots) {
            if (s.tick != ticks_run_) continue;
            std::string error;
            if (readback.empty())
                std::cerr << "tsumikiya: " << s.path << ": the window could not be read back\n";
            else if (!save_png(s.path, readback, &error))
                std::cerr << "tsumikiya: " << s.path << ": " << error << '\n';
        }
    }

    // Scripted events of tick t arrive after t ticks have run. The pointer
    // and typed text take the window's own way (SDL events at the window
    // place of the client pixel), so a script proves what a player's mouse
    // and keyboard do; keys, answers and clicks by name go straight in.
    void deliver_due() {
        while (next_event_ < script_.size() && script_[next_event_].tick <= ticks_run_) {
            const InputEvent& e = script_[next_event_];
            if (!deliver_as_sdl_event(e)) deliver_input(game_, e, platform_.answers());
            ++next_event_;
        }
        sync_client_size();
        sync_text_input();
    }

    bool deliver_as_sdl_event(const InputEvent& in) {
        SDL_Event e{};
        const PictureLayout l = window_.layout();
        const int wx = l.x + in.x * l.scale + l.scale / 2, wy = l.y + in.y * l.scale + l.scale / 2;
        switch (in.type) {
        case InputEvent::Type::mouse:
            e.type = in.down ? SDL_MOUSEBUTTONDOWN : SDL_MOUSEBUTTONUP;
            e.button.button = in.button == MouseButton::left ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT;
            e.button.x = wx;
            e.button.y = wy;
            handle(e);
            return true;
        case InputEvent::Type::move:
            e.type = SDL_MOUSEMOTION;
            e.motion.x = wx;
            e.motion.y = wy;
            handle(e);
            return true;
        case InputEvent::Type::text: {
            // SDL hands text over in pieces of at most 31 bytes, cut between characters.
            const std::string& t = in.text;
            for (std::size_t at = 0; at < t.size();) {
                std::size_t n = std::min<std::size_t>(t.size() - at, sizeof e.text.text - 1);
                while (n > 1 && at + n < t.size() && (static_cast<unsigned char>(t[at + n]) & 0xC0) == 0x80) --n;
                e = SDL_Event{};
                e.type = SDL_TEXTINPUT;
                t.copy(e.text.text, n, at);
                handle(e);
                at += n;
            }
            return true;
        }
        default: return false;
        }
    }

    void mouse_button(const SDL_MouseButtonEvent& b, bool down) {
        MouseButton button;
        if (b.button == SDL_BUTTON_LEFT) button = MouseButton::left;
        else if (b.button == SDL_BUTTON_RIGHT) button = MouseButton::right;
        else return;
        const int index = button == MouseButton::left ? 0 : 1;
        const ClientPoint p = window_.map_mouse(b.x, b.y);
        if (down) {
            if (!p.inside) return; // the black border around the picture
            pressed_[index] = true;
            mouse_down(game_, button, p.x, p.y);
        } else if (pressed_[index]) {
            // A release pairs with its press wherever the pointer went.
            pressed_[index] = false;
            mouse_up(game_, button, p.x, p.y);
        }
    }

    // Text input (and the input method) runs while a panel field has the
    // focus; the input method's window opens beside that field.
    void sync_text_input() {
        int r[4] = {0, 0, 0, 0};
        const bool want = wants_text_input(game_, r);
        if (!want) {
            if (SDL_IsTextInputActive()) SDL_StopTextInput();
            have_text_rect_ = false;
            return;
        }
        if (!SDL_IsTextInputActive()) SDL_StartTextInput();
        const PictureLayout l = window_.layout();
        SDL_Rect rect{l.x + r[0] * l.scale, l.y + r[1] * l.scale, r[2] * l.scale, r[3] * l.scale};
        if (!have_text_rect_ || rect.x != text_rect_.x || rect.y != text_rect_.y || rect.w != text_rect_.w ||
            rect.h != text_rect_.h) {
            SDL_SetTextInputRect(&rect);
            text_rect_ = rect;
            have_text_rect_ = true;
        }
    }

    void handle(const SDL_Event& e) {
        switch (e.type) {
        case SDL_QUIT: running_ = false; break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                window_.redraw();
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const int sc = e.key.keysym.scancode;
            if (is_fullscreen_toggle(sc, (e.key.keysym.mod & KMOD_ALT) != 0)) {
                if (e.type == SDL_KEYDOWN && !e.key.repeat) window_.toggle_fullscreen();
                break;
            }
            const int key = vk_from_scancode(sc);
            if (key == 0) break;
            // Auto-repeat arrives as further key-downs; the game's latches
            // keep one action per press.
            if (e.type == SDL_KEYDOWN) FormKeyDown(game_, key);
            else FormKeyUp(game_, key);
            break;
        }
        case SDL_TEXTINPUT: text_input(game_, e.text.text); break;
        case SDL_TEXTEDITING: text_composition(game_, e.edit.text, e.edit.start); break;
        case SDL_MOUSEBUTTONDOWN: mouse_button(e.button, true); break;
        case SDL_MOUSEBUTTONUP: mouse_button(e.button, false); break;
        case SDL_MOUSEMOTION: {
            const ClientPoint p = window_.map_mouse(e.motion.x, e.motion.y);
            mouse_move(game_, p.x, p.y);
            break;
        }
        default: break;
        }
        sync_client_size();
        sync_text_input();
    }

    const CommandLine& cl_;
    SdlPlatform& platform_;
    GameWindow& window_;
    Game& game_;
    std::vector<InputEvent> script_;
    std::size_t next_event_ = 0;
    int32_t ticks_run_ = 0;
    bool running_ = true;
    bool pressed_[2] = {false, false};
    SDL_Rect text_rect_{0, 0, 0, 0};
    bool have_text_rect_ = false;
};

int run_game(const CommandLine& cl) {
    const bool scripted = !cl.input.empty() || cl.ticks > 0 || !cl.shots.empty();
    SdlPlatform platform;
    platform.set_scripted(scripted);
    if (!platform.open_audio())
        std::cerr << "tsumikiya: no audio device (" << SDL_GetError() << "); running silent\n";

    auto game = std::make_unique<Game>();
    game->platform = &platform;
    game->root = data_root(cl);
    game->random.reseed(cl.seed_given ? cl.seed : clock_seed());

    // Screenshots are read back at the picture's own size: scale 1.
    GameWindow window;
    const bool shots = !cl.shots.empty();
    std::string error;
    if (!window.create(game->client_width, game->client_height, shots ? 1 : cl.scale, shots,
                       error)) {
        std::cerr << "tsumikiya: cannot open the window: " << error << '\n';
        return 1;
    }
    platform.set_window(&window);
    SDL_StopTextInput(); // on only while a panel field has the focus

    WindowRun run(cl, platform, window, *game);
    if (!run.load_script()) return 1;
    if (!FormCreate(*game)) return 1; // already reported in a message box
    run.run();
    platform.set_transfer_wait(nullptr);
    if (!cl.dump.empty()) {
        std::ofstream f(cl.dump, std::ios::binary | std::ios::trunc);
        nlohmann::ordered_json j = dump_state(*game, nullptr);
        j["music"] = nlohmann::ordered_json::array();
        for (const auto& m : platform.music_log()) j["music"].push_back({{"tick", m.tick}, {"file", m.file}});
        f << j.dump(1) << "\n";
        if (!f.flush()) std::cerr << "tsumikiya: cannot write " << cl.dump << '\n';
    }
    FormClose(*game);
    SDL_StopTextInput();
    platform.set_window(nullptr);
    return 0;
}

} // namespace

int run_window(const CommandLine& cl) {
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS) != 0) {
        std::cerr << "tsumikiya: SDL could not start: " << SDL_GetError() << '\n';
        return 1;
    }
    const int rc = run_game(cl); // frees the game, window and audio before SDL goes
    SDL_Quit();
    return rc;
}

} // namespace tsu
