// The key table as bindable actions, with today's keys as the defaults.
#include "app/key_actions.h"

#include "game/events.h"

#include <vector>

namespace tsu {

namespace {

// Scancode names are SDL's, plus our names for the keys SDL leaves unnamed
// (International3 is the JIS yen key, International1 ro, International4
// henkan). Gamepad names are SDL's game controller names; south, east, west
// and north name the face buttons by their place.
constexpr KeyAction kActions[] = {
    {"left", vk::left, "Left", "dpleft, leftx-", "walk left"},
    {"right", vk::right, "Right", "dpright, leftx+", "walk right"},
    {"jump", vk::up, "Up, Left Shift, Right Shift", "south", "jump (with flight: rise)"},
    {"down", vk::down, "Down", "dpdown, lefty+", "with flight: sink"},
    {"throw", 'Z', "Z", "west", "throw / swing the blade"},
    {"special", 'X', "X", "north", "the heroine's special"},
    {"ring", 'C', "C", "east", "invincibility ring"},
    {"clones", 'A', "A", "leftshoulder", "clones"},
    {"barrage", 'S', "S", "rightshoulder", "comment barrage"},
    {"pause", vk::esc, "Escape", "start", "pause / resume; close a panel; reset records"},
    {"give_up", 'Q', "Q", "back", "give up the run"},
    {"music", 'O', "O", "", "another music track"},
    {"start", vk::enter, "Return, Keypad Enter", "", "start a run; go on from the result screens"},
    {"heroine", 'R', "R", "", "next heroine"},
    {"options", 'M', "M", "", "option panel"},
    {"extra", 'E', "E", "", "extra stages (in the option panel)"},
    {"ranking", 'I', "I", "", "ranking (in the option panel)"},
    {"editor", vk::f1, "F1", "", "stage editor (developer)"},
    {"dev_fire", 'B', "B", "", "blue fire (developer)"},
    {"dev_start", vk::yen, "International3, Backslash, NonUSBackslash", "", "random stage (developer)"},
};

} // namespace

std::span<const KeyAction> key_actions() { return kActions; }

const KeyAction* find_key_action(std::string_view name) {
    for (const KeyAction& a : kActions)
        if (name == a.name) return &a;
    return nullptr;
}

std::vector<std::string> split_binding(std::string_view value) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start <= value.size()) {
        std::size_t comma = value.find(',', start);
        if (comma == std::string_view::npos) comma = value.size();
        std::string_view part = value.substr(start, comma - start);
        while (!part.empty() && (part.front() == ' ' || part.front() == '\t')) part.remove_prefix(1);
        while (!part.empty() && (part.back() == ' ' || part.back() == '\t')) part.remove_suffix(1);
        if (!part.empty()) out.emplace_back(part);
        start = comma + 1;
    }
    return out;
}

} // namespace tsu
