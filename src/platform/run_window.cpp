// The window's main loop. Everything runs on this thread: SDL events, the
// tick and the music report, one at a time, so the core never re-enters.
#include "platform/run_window.h"

#include "app/input_script.h"
#include "app/replay.h"
#include "app/settings.h"
#include "app/state_dump.h"
#include "data/file_io.h"
#include "game/events.h"
#include "game/game.h"
#include "game/modes.h"
#include "game/window_picture.h"
#include "platform/display_check.h"
#include "platform/gamepad.h"
#include "platform/key_bindings.h"
#include "platform/key_map.h"
#include "platform/sdl_platform.h"
#include "platform/sdl_window.h"
#include "platform/tick_clock.h"
#include "platform/transfer_wait.h"
#include "platform/virtual_pad.h"
#include "render/image_io.h"

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iostream>
#include <memory>

namespace tsu {

namespace {

constexpr int kTickMs = 80;

uint64_t clock_seed() {
    return uint64_t(std::chrono::system_clock::now().time_since_epoch().count());
}

// One running game in its window.
class WindowRun {
  public:
    WindowRun(const CommandLine& cl, const Settings& settings, SdlPlatform& platform,
              GameWindow& window, Game& game, const KeyBindings& bindings, Gamepads& pads)
        : cl_(cl), settings_(settings), platform_(platform), window_(window), game_(game),
          keys_(bindings), pads_(pads) {}

    void set_virtual_pad(VirtualPad* pad) { virtual_pad_ = pad; }
    void set_script(std::vector<InputEvent> script, int32_t ticks) {
        script_ = std::move(script);
        ticks_ = ticks;
    }
    // Records the run into `path` (written at each after-run screen and at
    // the end).
    void record(const std::string& path, uint64_t seed) {
        replay_path_ = path;
        std::string save, error;
        const bool has_save = read_file(game_.read_path("my.dat"), save, error);
        recorder_.start(seed, has_save, std::move(save));
        platform_.set_answer_listener([this](bool yes) { recorder_.answer(yes); });
    }
    void write_replay() {
        if (replay_path_.empty() || recorder_.empty()) return;
        std::string error;
        if (!tsu::write_replay(replay_path_,
                               recorder_.text(ticks_run_, game_.stage_set, game_.chara), error))
            std::cerr << "tsumikiya: replay not written: " << error << '\n';
    }
    const std::string& replay_path() const { return replay_path_; }

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
        const int32_t before = ticks_run_;
        Timer1Timer(game_);
        recorder_.flush_answers(before);
        ++ticks_run_;
        platform_.tick = ticks_run_;
        report_run_over();
        report_music();
        present();
        deliver_due();
        if (ticks_ > 0 && ticks_run_ >= ticks_) running_ = false;
    }

    // Every input reaches the game here, stamped with the ticks run so far,
    // and goes into the replay.
    void deliver(InputEvent e) {
        e.tick = ticks_run_;
        deliver_input(game_, e, platform_.answers());
        if (!replay_path_.empty()) recorder_.event(e);
    }
    void deliver_key(int vk, bool down) {
        InputEvent e;
        e.type = InputEvent::Type::key;
        e.key = vk;
        e.down = down;
        deliver(e);
    }

    // The after-run screen: its record line, and the replay of the run so far.
    void report_run_over() {
        if (game_.mode != 2) {
            run_over_reported_ = false;
            return;
        }
        if (run_over_reported_) return;
        run_over_reported_ = true;
        write_replay();
        const int set = game_.stage_set;
        const int32_t record = set == 0 ? game_.my.hi_score
                               : set >= 1 && set <= 6 ? game_.my.ex_best[std::size_t(set)].gold
                                                      : 0;
        std::cerr << "tsumikiya: 得点 > " << game_.my.gold << "両, record " << record << "両"
                  << (record == game_.my.gold ? " (NEW RECORD)" : "");
        if (!replay_path_.empty()) std::cerr << "; replay " << replay_path_;
        std::cerr << '\n';
    }

    // The music player's report belongs to the main thread.
    void report_music() {
        if (!platform_.take_music_completed()) return;
        InputEvent e;
        e.type = InputEvent::Type::music;
        deliver(e);
    }

    Gamepads::Context pad_context() const {
        if (panel_open(game_)) return Gamepads::Context::panel;
        return game_.mode == 1 ? Gamepads::Context::play : Gamepads::Context::menu;
    }

    // A key goes to the actions it is bound to (see KeyRouter).
    void key(int scancode, bool down, bool repeat) {
        const std::vector<int> codes =
            keys_.route(scancode, down, repeat, panel_open(game_));
        for (const int vk : codes) deliver_key(vk, down);
    }

    // The window lost the focus or was minimised: play pauses as Esc does.
    void focus_lost() {
        if (!settings_.pause_on_focus_loss || !cl_.input.empty() || !cl_.replay.empty()) return;
        if (game_.mode != 1 || game_.paused || game_.editor || panel_open(game_)) return;
        deliver_key(vk::esc, true);
        deliver_key(vk::esc, false);
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
        if (virtual_pad_) virtual_pad_->at_tick(ticks_run_);
        while (next_event_ < script_.size() && script_[next_event_].tick <= ticks_run_) {
            const InputEvent& e = script_[next_event_];
            if (!deliver_as_sdl_event(e)) deliver(e);
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

    void mouse_event(MouseButton button, bool down, ClientPoint p) {
        InputEvent e;
        e.type = InputEvent::Type::mouse;
        e.button = button;
        e.down = down;
        e.x = p.x;
        e.y = p.y;
        deliver(e);
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
            mouse_event(button, true, p);
        } else if (pressed_[index]) {
            // A release pairs with its press wherever the pointer went.
            pressed_[index] = false;
            mouse_event(button, false, p);
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
        const Gamepads::Sink pad_sink{[this](int vk, bool down) { deliver_key(vk, down); },
                                      [this] { return pad_context(); },
                                      [this](int step) {
                                          InputEvent f;
                                          f.type = InputEvent::Type::focus;
                                          f.yes = step > 0;
                                          deliver(f);
                                      },
                                      [this] {
                                          InputEvent p;
                                          p.type = InputEvent::Type::press;
                                          deliver(p);
                                      }};
        if (pads_.handle(e, pad_sink)) return sync_client_size();
        switch (e.type) {
        case SDL_QUIT: running_ = false; break;
        case SDL_WINDOWEVENT:
            if (e.window.event == SDL_WINDOWEVENT_EXPOSED ||
                e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED)
                window_.redraw();
            if (e.window.event == SDL_WINDOWEVENT_FOCUS_LOST ||
                e.window.event == SDL_WINDOWEVENT_MINIMIZED)
                focus_lost();
            break;
        case SDL_KEYDOWN:
        case SDL_KEYUP: {
            const int sc = e.key.keysym.scancode;
            if (is_fullscreen_toggle(sc, (e.key.keysym.mod & KMOD_ALT) != 0)) {
                if (e.type == SDL_KEYDOWN && !e.key.repeat) window_.toggle_fullscreen();
                break;
            }
            key(sc, e.type == SDL_KEYDOWN, e.key.repeat != 0);
            break;
        }
        case SDL_TEXTINPUT: {
            InputEvent t;
            t.type = InputEvent::Type::text;
            t.text = e.text.text;
            deliver(t);
            break;
        }
        // The text being composed only shows; its committed text is recorded.
        case SDL_TEXTEDITING: text_composition(game_, e.edit.text, e.edit.start); break;
        case SDL_MOUSEBUTTONDOWN: mouse_button(e.button, true); break;
        case SDL_MOUSEBUTTONUP: mouse_button(e.button, false); break;
        case SDL_MOUSEMOTION: {
            const ClientPoint v = window_.map_mouse(e.motion.x, e.motion.y);
            if (v.x == last_move_.x && v.y == last_move_.y) break; // the same client pixel
            last_move_ = v;
            InputEvent m;
            m.type = InputEvent::Type::move;
            m.x = v.x;
            m.y = v.y;
            deliver(m);
            break;
        }
        default: break;
        }
        sync_client_size();
        sync_text_input();
    }

    const CommandLine& cl_;
    const Settings& settings_;
    SdlPlatform& platform_;
    GameWindow& window_;
    Game& game_;
    KeyRouter keys_;
    Gamepads& pads_;
    std::vector<InputEvent> script_;
    int32_t ticks_ = 0; // > 0: the run ends after this many ticks
    std::size_t next_event_ = 0;
    int32_t ticks_run_ = 0;
    bool running_ = true;
    bool pressed_[2] = {false, false};
    ClientPoint last_move_{-1, -1, false};
    SDL_Rect text_rect_{0, 0, 0, 0};
    bool have_text_rect_ = false;
    VirtualPad* virtual_pad_ = nullptr;
    ReplayRecorder recorder_;
    std::string replay_path_;
    bool run_over_reported_ = false;
};

bool write_window_dump(const std::string& path, const Game& g, const SdlPlatform& platform) {
    if (path.empty()) return true;
    std::ofstream f(path, std::ios::binary | std::ios::trunc);
    nlohmann::ordered_json j = dump_state(g, nullptr);
    j["music"] = nlohmann::ordered_json::array();
    for (const auto& m : platform.music_log()) j["music"].push_back({{"tick", m.tick}, {"file", m.file}});
    f << j.dump(1) << "\n";
    if (f.flush()) return true;
    std::cerr << "tsumikiya: cannot write " << path << '\n';
    return false;
}

// Saves the settings when the player changed the window's scale (by
// resizing it) or switched full screen on or off.
void remember_window(Settings& settings, const GameWindow& window, int start_scale,
                     bool start_fullscreen) {
    bool changed = false;
    if (window.fullscreen() != start_fullscreen) {
        settings.fullscreen = window.fullscreen();
        changed = true;
    }
    // In full screen the scale is the display's, not the player's choice.
    if (!window.fullscreen() && window.layout().scale != start_scale) {
        settings.scale = window.layout().scale;
        changed = true;
    }
    std::string error;
    if (changed && !save_settings(settings, error))
        std::cerr << "tsumikiya: settings not saved: " << error << '\n';
}

int run_game(const CommandLine& cl, Settings& settings) {
    // A replay brings its events, seed, length and starting save file.
    std::vector<InputEvent> script;
    ReplayHeader replay;
    ReplayFolder replay_folder;
    std::string error;
    if (!cl.replay.empty()) {
        if (!load_replay(cl.replay, replay, script, error) ||
            !replay_folder.create(replay, cl.user_dir, error)) {
            std::cerr << "tsumikiya: " << error << '\n';
            return 2;
        }
    } else if (!cl.input.empty() && !load_input_script(cl.input, script, error)) {
        std::cerr << "tsumikiya: " << cl.input << ": " << error << '\n';
        return 1;
    }
    VirtualPad virtual_pad;
    if (!cl.virtual_pad.empty() && !virtual_pad.load(cl.virtual_pad, error)) {
        std::cerr << "tsumikiya: " << error << '\n';
        return 2;
    }
    const bool playback = !cl.replay.empty();
    const bool scripted = !cl.input.empty() || cl.ticks > 0 || !cl.shots.empty() || playback;

    KeyBindings keys;
    keys.load(settings);
    Gamepads pads;
    pads.load(settings);
    report_settings_problems(settings, std::cerr);

    SdlPlatform platform;
    platform.set_scripted(scripted);
    platform.audio().set_volumes(settings.se_volume, settings.music_volume);
    if (!platform.open_audio())
        std::cerr << "tsumikiya: no audio device (" << SDL_GetError() << "); running silent\n";

    auto game = std::make_unique<Game>();
    game->platform = &platform;
    game->root = cl.root;
    game->user_dir = playback ? replay_folder.path() : cl.user_dir;
    if (!cl.ranking_url.empty()) game->ranking_url = cl.ranking_url;
    const uint64_t seed = playback ? replay.seed : cl.seed_given ? cl.seed : clock_seed();
    game->random.reseed(seed);

    // Screenshots are read back at the picture's own size: scale 1.
    GameWindow window;
    const bool shots = !cl.shots.empty();
    const int scale = shots ? 1 : cl.scale > 0 ? cl.scale : settings.scale;
    if (!window.create(game->client_width, game->client_height, scale, shots, error)) {
        std::cerr << "tsumikiya: cannot open the window: " << error << '\n';
        return 1;
    }
    const int start_scale = window.layout().scale;
    const bool fullscreen = !shots && (cl.fullscreen >= 0 ? cl.fullscreen == 1 : settings.fullscreen);
    if (fullscreen) window.toggle_fullscreen();
    platform.set_window(&window);
    SDL_StopTextInput(); // on only while a panel field has the focus

    WindowRun run(cl, settings, platform, window, *game, keys, pads);
    run.set_script(std::move(script), cl.ticks > 0 || !playback ? cl.ticks : replay.ticks);
    if (!cl.virtual_pad.empty()) run.set_virtual_pad(&virtual_pad);
    if (!playback && !cl.user_dir.empty()) run.record(new_replay_path(cl.user_dir + "/replays"), seed);
    if (!FormCreate(*game)) return 1; // already reported in a message box
    pads.open_all();
    if (cl.editor) open_editor(*game);
    run.run();
    platform.set_transfer_wait(nullptr);
    const bool dumped = write_window_dump(cl.dump, *game, platform);
    run.write_replay();
    // The player's window size and full screen are remembered; runs driven
    // by a script or a replay leave the settings alone.
    if (!scripted) remember_window(settings, window, start_scale, fullscreen);
    FormClose(*game);
    SDL_StopTextInput();
    platform.set_window(nullptr);
    return dumped ? 0 : 2;
}

} // namespace

int run_window(const CommandLine& cl, Settings& settings) {
    // Gamepad face buttons by their place (south jumps), not by their label.
    SDL_SetHint(SDL_HINT_GAMECONTROLLER_USE_BUTTON_LABELS, "0");
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_TIMER | SDL_INIT_EVENTS | SDL_INIT_GAMECONTROLLER) != 0) {
        std::cerr << "tsumikiya: SDL could not start: " << SDL_GetError() << '\n';
        return 1;
    }
    if (const std::string problem = display_problem(); !problem.empty()) {
        std::cerr << "tsumikiya: " << problem << '\n';
        SDL_Quit();
        return 1;
    }
    const int rc = run_game(cl, settings); // frees the game, window and audio before SDL goes
    SDL_Quit();
    return rc;
}

} // namespace tsu
