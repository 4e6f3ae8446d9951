// SdlPlatform: each Platform call mapped onto SDL, SDL_mixer, libcurl and
// the C++ library.
#include "platform/sdl_platform.h"

#include "game/folder_listing.h"

#include "platform/http_client.h"
#include "platform/sdl_window.h"

#include <SDL.h>

#include <ctime>
#include <filesystem>
#include <iostream>

namespace tsu {

void SdlPlatform::play_sound(const std::string& name, const std::string& path) {
    audio_.play_sound(name, path);
}

void SdlPlatform::music_play(const std::string& path) {
    music_log_.push_back({tick, path});
    audio_.music_play(path);
}

void SdlPlatform::music_stop() {
    music_log_.push_back({tick, "<stop>"});
    audio_.music_stop();
}

void SdlPlatform::message_box(const std::string& text) {
    if (!scripted_) {
        SDL_Window* parent = window_ && window_->shown() ? window_->sdl_window() : nullptr;
        if (SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_ERROR, kAppTitle, text.c_str(), parent) == 0)
            return;
    }
    std::cerr << kAppTitle << ": " << text << '\n';
}

bool SdlPlatform::ask_yes_no(const std::string& text) {
    if (scripted_) {
        bool yes = true;
        if (!answers_.empty()) {
            yes = answers_.front();
            answers_.pop_front();
        }
        std::cerr << kAppTitle << ": " << text << " -> " << (yes ? "yes" : "no") << '\n';
        return yes;
    }
    enum { kYes = 1, kNo = 0 };
    const SDL_MessageBoxButtonData buttons[] = {
        {SDL_MESSAGEBOX_BUTTON_RETURNKEY_DEFAULT, kYes, "はい"},
        {SDL_MESSAGEBOX_BUTTON_ESCAPEKEY_DEFAULT, kNo, "いいえ"},
    };
    SDL_MessageBoxData box{};
    box.flags = SDL_MESSAGEBOX_INFORMATION | SDL_MESSAGEBOX_BUTTONS_LEFT_TO_RIGHT;
    box.window = window_ && window_->shown() ? window_->sdl_window() : nullptr;
    box.title = kAppTitle;
    box.message = text.c_str();
    box.numbuttons = 2;
    box.buttons = buttons;
    int pressed = kNo;
    if (SDL_ShowMessageBox(&box, &pressed) != 0) {
        // No way to ask: doing nothing is the safe answer.
        std::cerr << kAppTitle << ": " << text << " -> no (" << SDL_GetError() << ")\n";
        pressed = kNo;
    }
    if (on_answer_) on_answer_(pressed == kYes);
    return pressed == kYes;
}

void SdlPlatform::set_client_size(int width, int height) {
    client_w_ = width;
    client_h_ = height;
    if (window_) window_->set_client_size(width, height);
}

HttpResponse SdlPlatform::http_post(const std::string& url, const std::string& body,
                                    const std::string& content_type, int timeout_seconds) {
    if (!transfer_wait_) return http_post_curl(url, body, content_type, timeout_seconds);
    HttpTransfer transfer(HttpRequest{url, body, content_type, timeout_seconds});
    transfer_wait_(transfer);
    return transfer.response();
}

LocalTime local_time_of(long long unix_seconds) {
    const std::time_t t = static_cast<std::time_t>(unix_seconds);
    std::tm tm{};
    LocalTime lt;
    if (!localtime_r(&t, &tm)) return lt;
    lt.year = tm.tm_year + 1900;
    lt.month = tm.tm_mon + 1;
    lt.day = tm.tm_mday;
    lt.hour = tm.tm_hour;
    lt.minute = tm.tm_min;
    lt.second = tm.tm_sec;
    return lt;
}

LocalTime SdlPlatform::local_time() { return local_time_of(static_cast<long long>(std::time(nullptr))); }

std::vector<std::string> SdlPlatform::list_folder(const std::string& path) {
    return list_files_sorted(path);
}

} // namespace tsu
