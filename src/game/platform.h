// What the core needs from the outside world. The SDL shell implements it
// for the window; the headless runner and the tests implement it with
// recording fakes. Every call is made on the game's one thread.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tsu {

struct LocalTime {
    int year = 2000, month = 1, day = 1, hour = 0, minute = 0, second = 0;
};

// Why an HTTP exchange brought no answer.
enum class HttpFailure {
    none,        // the server answered: see status
    no_client,   // the HTTP client could not be created
    bad_request, // the request could not be prepared (a malformed URL)
    no_answer,   // refused, unreachable, timed out or broken off
    cancelled,   // given up because the window was closed meanwhile
};

struct HttpResponse {
    int status = 0;        // 0 when the request failed (no connection, timeout)
    std::string body;
    std::string error;     // reason of a failure
    HttpFailure failure = HttpFailure::none;
};

class Platform {
  public:
    virtual ~Platform() = default;

    // Sound effects: start the wave file once (loaded on first use and kept);
    // several voices mix. Failures are silent.
    virtual void play_sound(const std::string& name, const std::string& path) = 0;

    // Music: play a file (MP3 or MIDI) from its start; stop. When a play runs
    // to its end the shell reports it to the core (music_finished of the game).
    virtual void music_play(const std::string& path) = 0;
    virtual void music_stop() = 0;

    // The standard error/notice box and the Yes/No question; both wait.
    virtual void message_box(const std::string& text) = 0;
    virtual bool ask_yes_no(const std::string& text) = 0;

    // The window's client area (512 x 384, or 660 x 480 with the editor).
    virtual void set_client_size(int width, int height) = 0;

    // HTTP POST with a connect and a total timeout; blocks the game until the
    // answer, a failure or the timeout. An empty content type sends none of
    // our own. A shell with a window keeps the window alive meanwhile (it
    // repaints, and closing it cancels the request).
    virtual HttpResponse http_post(const std::string& url, const std::string& body,
                                   const std::string& content_type, int timeout_seconds) = 0;

    virtual LocalTime local_time() = 0;

    // A scripted run (headless, tests, a window driven by an input script)
    // must repeat exactly: work a person's window lets finish in the
    // background is waited for at a fixed tick instead.
    virtual bool scripted() const { return true; }

    // Names of the files (not folders) in a folder, in the system's order;
    // empty when the folder is missing.
    virtual std::vector<std::string> list_folder(const std::string& path) = 0;
};

} // namespace tsu
