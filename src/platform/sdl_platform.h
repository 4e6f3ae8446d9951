// The game's outside world on a Linux desktop: SDL_mixer sound and music,
// SDL message boxes, the window's client size, libcurl for HTTP, the system
// clock and the file system.
#pragma once
#include "game/platform.h"
#include "platform/sdl_audio.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tsu {

class GameWindow;
class HttpTransfer;

class SdlPlatform final : public Platform {
  public:
    SdlPlatform() = default;
    ~SdlPlatform() override = default;

    // Opens the audio device; false means the game runs silent.
    bool open_audio() { return audio_.open(); }
    SdlAudio& audio() { return audio_; }

    // The window whose client size the game sets and which owns the boxes;
    // null: boxes without a parent, client size only remembered.
    void set_window(GameWindow* window) { window_ = window; }

    // Scripted runs (replays, screenshots): no box ever waits for a person.
    // Messages go to stderr; questions take the queued answers, then yes.
    void set_scripted(bool scripted) { scripted_ = scripted; }
    bool scripted() const override { return scripted_; }
    std::deque<bool>& answers() { return answers_; }
    // Told of every answer a person gave in a question box (for replays).
    void set_answer_listener(std::function<void(bool)> listener) { on_answer_ = std::move(listener); }

    // The window's wait for an HTTP transfer running on its worker thread:
    // returns once the transfer is done (it may cancel it). Unset: posts run
    // in the calling thread.
    void set_transfer_wait(std::function<void(HttpTransfer&)> wait) { transfer_wait_ = std::move(wait); }

    // Main thread: true once when the music track ran to its end.
    bool take_music_completed() { return audio_.take_music_completed(); }

    void play_sound(const std::string& name, const std::string& path) override;
    void music_play(const std::string& path) override;
    void music_stop() override;
    void message_box(const std::string& text) override;
    bool ask_yes_no(const std::string& text) override;
    void set_client_size(int width, int height) override;
    HttpResponse http_post(const std::string& url, const std::string& body,
                           const std::string& content_type, int timeout_seconds) override;
    LocalTime local_time() override;
    std::vector<std::string> list_folder(const std::string& path) override;

    // Every music call with the tick it came in ("<stop>" for stops), for
    // the window's state dump.
    struct MusicCall {
        int tick = 0;
        std::string file;
    };
    const std::vector<MusicCall>& music_log() const { return music_log_; }
    int tick = 0; // ticks run so far, set by the window's loop

    int client_width() const { return client_w_; }
    int client_height() const { return client_h_; }

  private:
    SdlAudio audio_;
    GameWindow* window_ = nullptr;
    bool scripted_ = false;
    std::deque<bool> answers_;
    std::function<void(HttpTransfer&)> transfer_wait_;
    std::function<void(bool)> on_answer_;
    int client_w_ = 512, client_h_ = 384;
    std::vector<MusicCall> music_log_;
};

// The pure parts, shared with the tests.
LocalTime local_time_of(long long unix_seconds);

} // namespace tsu
