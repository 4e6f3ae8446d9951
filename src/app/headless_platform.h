// The outside world of a headless run: nothing is played or shown, but every
// sound effect started, every message box and question, and every music call
// is recorded with the tick in which it happened. Questions take scripted
// answers (yes when none is queued). The clock is fixed so runs repeat.
#pragma once
#include "game/platform.h"

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

namespace tsu {

class HeadlessPlatform : public Platform {
  public:
    struct Record {
        int32_t tick = 0;
        std::string text;
    };

    void play_sound(const std::string& name, const std::string& path) override;
    void music_play(const std::string& path) override;
    void music_stop() override;
    void message_box(const std::string& text) override;
    bool ask_yes_no(const std::string& text) override;
    void set_client_size(int width, int height) override;
    HttpResponse http_post(const std::string& url, const std::string& body,
                           const std::string& content_type, int timeout_seconds) override;
    LocalTime local_time() override { return clock; }
    std::vector<std::string> list_folder(const std::string& path) override; // sorted by name

    int32_t tick = 0;           // ticks run so far; stamps the records
    std::deque<bool> answers;   // answers to the next questions
    std::vector<Record> sounds;
    std::vector<Record> messages; // message boxes and questions ("? " prefix)
    std::vector<Record> music;    // files played, "<stop>" for stops
    LocalTime clock{2026, 4, 1, 12, 0, 0};
    bool echo_messages = true;    // also print message boxes to stderr
};

} // namespace tsu
