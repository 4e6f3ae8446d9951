// A recording stand-in for the outside world: it remembers every sound,
// music call, message box and question, answers questions from a queue
// (yes when the queue is empty), and serves no network. Tests look at what
// the game asked of the world instead of a real window.
#pragma once
#include "game/platform.h"

#include <deque>
#include <map>
#include <string>
#include <vector>

namespace tsu::testing {

class FakePlatform : public Platform {
  public:
    void play_sound(const std::string& name, const std::string& /*path*/) override {
        sounds.push_back(name);
    }
    void music_play(const std::string& path) override { music.push_back(path); }
    void music_stop() override { music.push_back("<stop>"); }

    void message_box(const std::string& text) override { messages.push_back(text); }
    bool ask_yes_no(const std::string& text) override {
        questions.push_back(text);
        if (answers.empty()) return true;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }

    void set_client_size(int width, int height) override {
        client_width = width;
        client_height = height;
    }

    HttpResponse http_post(const std::string& url, const std::string& body,
                           const std::string& /*content_type*/, int /*timeout_seconds*/) override {
        posts.push_back({url, body});
        if (responses.empty()) return HttpResponse{0, "", "no network in tests"};
        HttpResponse r = responses.front();
        responses.pop_front();
        return r;
    }

    LocalTime local_time() override { return now; }

    std::vector<std::string> list_folder(const std::string& path) override {
        listings.push_back(path);
        const auto it = folders.find(path);
        return it == folders.end() ? std::vector<std::string>{} : it->second;
    }

    struct Post {
        std::string url, body;
    };

    std::vector<std::string> sounds;
    std::vector<std::string> music;
    std::vector<std::string> messages;
    std::vector<std::string> questions;
    std::vector<std::string> listings; // folders listed
    std::deque<bool> answers;
    std::vector<Post> posts;
    std::deque<HttpResponse> responses;
    std::map<std::string, std::vector<std::string>> folders;
    LocalTime now;
    int client_width = 0, client_height = 0;
};

} // namespace tsu::testing
