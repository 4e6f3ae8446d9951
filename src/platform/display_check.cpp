// The check for a visible display after SDL's video start.
#include "platform/display_check.h"

#include <SDL.h>

#include <string_view>

namespace tsu {

namespace {

bool same_name(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (SDL_tolower(a[i]) != SDL_tolower(b[i])) return false;
    return true;
}

} // namespace

bool invisible_driver_unasked(const char* driver, const char* requested) {
    if (driver == nullptr) return false;
    if (!same_name(driver, "offscreen") && !same_name(driver, "dummy")) return false;
    std::string_view list = requested != nullptr ? requested : "";
    while (!list.empty()) {
        const std::size_t comma = list.find(',');
        if (same_name(list.substr(0, comma), driver)) return false;
        if (comma == std::string_view::npos) break;
        list.remove_prefix(comma + 1);
    }
    return true;
}

std::string display_problem() {
    const char* driver = SDL_GetCurrentVideoDriver();
    if (!invisible_driver_unasked(driver, SDL_getenv("SDL_VIDEODRIVER"))) return {};
    return "no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset, or the "
           "display cannot be reached). Run with --headless to play without a window, or set "
           "SDL_VIDEODRIVER=offscreen to run an invisible window on purpose.";
}

} // namespace tsu
