#include "app/headless_platform.h"

#include "game/folder_listing.h"
#include "platform/http_client.h"

#include <algorithm>
#include <filesystem>
#include <iostream>

namespace tsu {

void HeadlessPlatform::play_sound(const std::string& name, const std::string&) {
    sounds.push_back({tick, name});
}

void HeadlessPlatform::music_play(const std::string& path) {
    music.push_back({tick, std::filesystem::path(path).filename().string()});
}

void HeadlessPlatform::music_stop() { music.push_back({tick, "<stop>"}); }

void HeadlessPlatform::message_box(const std::string& text) {
    messages.push_back({tick, text});
    if (echo_messages) std::cerr << "[message] " << text << "\n";
}

bool HeadlessPlatform::ask_yes_no(const std::string& text) {
    messages.push_back({tick, "? " + text});
    if (answers.empty()) return true;
    const bool a = answers.front();
    answers.pop_front();
    return a;
}

void HeadlessPlatform::set_client_size(int, int) {}

// No window to keep alive: the post runs in this thread, so a run stays the
// same sequence of events whatever the network's timing.
HttpResponse HeadlessPlatform::http_post(const std::string& url, const std::string& body,
                                         const std::string& content_type, int timeout_seconds) {
    return http_post_curl(url, body, content_type, timeout_seconds);
}

std::vector<std::string> HeadlessPlatform::list_folder(const std::string& path) {
    return list_files_sorted(path);
}

} // namespace tsu
