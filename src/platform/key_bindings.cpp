// Key names and the scancode-to-action table.
#include "platform/key_bindings.h"

#include "app/key_actions.h"
#include "app/settings.h"
#include "platform/key_map.h"

#include <SDL.h>

#include <algorithm>
#include <cctype>

namespace tsu {

namespace {

struct ExtraName {
    const char* name;
    int scancode;
};

// Keys without a name of SDL's: the JIS keys and the key beside left Shift.
constexpr ExtraName kExtraNames[] = {
    {"International1", SDL_SCANCODE_INTERNATIONAL1}, {"International2", SDL_SCANCODE_INTERNATIONAL2},
    {"International3", SDL_SCANCODE_INTERNATIONAL3}, {"International4", SDL_SCANCODE_INTERNATIONAL4},
    {"International5", SDL_SCANCODE_INTERNATIONAL5}, {"Lang1", SDL_SCANCODE_LANG1},
    {"Lang2", SDL_SCANCODE_LANG2},                   {"Lang3", SDL_SCANCODE_LANG3},
    {"Lang4", SDL_SCANCODE_LANG4},                   {"Lang5", SDL_SCANCODE_LANG5},
    {"NonUSBackslash", SDL_SCANCODE_NONUSBACKSLASH},  {"Ro", SDL_SCANCODE_INTERNATIONAL1},
    {"Yen", SDL_SCANCODE_INTERNATIONAL3},            {"Henkan", SDL_SCANCODE_INTERNATIONAL4},
    {"Muhenkan", SDL_SCANCODE_INTERNATIONAL5},       {"Backslash", SDL_SCANCODE_BACKSLASH},
};

bool same_name(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

const std::vector<int> kNone;

} // namespace

int scancode_from_name(std::string_view name) {
    if (name.empty()) return 0;
    for (const ExtraName& e : kExtraNames)
        if (same_name(name, e.name)) return e.scancode;
    const SDL_Scancode sc = SDL_GetScancodeFromName(std::string(name).c_str());
    return sc == SDL_SCANCODE_UNKNOWN ? 0 : int(sc);
}

std::string scancode_name(int scancode) {
    for (const ExtraName& e : kExtraNames)
        if (e.scancode == scancode) return e.name;
    if (scancode <= 0 || scancode >= SDL_NUM_SCANCODES) return {};
    return SDL_GetScancodeName(static_cast<SDL_Scancode>(scancode));
}

KeyBindings::KeyBindings() {
    for (const KeyAction& a : key_actions()) bind(a.vk, split_binding(a.keys));
}

std::vector<std::string> KeyBindings::bind(int vk, const std::vector<std::string>& names) {
    for (auto& codes : codes_) std::erase(codes, vk);
    std::vector<std::string> unknown;
    for (const std::string& n : names) {
        const int sc = scancode_from_name(n);
        if (sc <= 0 || sc >= kScancodes) {
            unknown.push_back(n);
            continue;
        }
        auto& codes = codes_[std::size_t(sc)];
        if (std::find(codes.begin(), codes.end(), vk) == codes.end()) codes.push_back(vk);
    }
    return unknown;
}

void KeyBindings::load(Settings& settings) {
    for (const KeyAction& a : key_actions()) {
        const std::string key = std::string("key_") + a.name;
        const auto unknown = bind(a.vk, split_binding(settings.bindings.at(key)));
        for (const std::string& n : unknown)
            settings.file.add_problem(settings.file.line_of(key),
                                      key + ": \"" + n + "\" is not a key name");
    }
}

const std::vector<int>& KeyBindings::codes_of(int scancode) const {
    if (scancode <= 0 || scancode >= kScancodes) return kNone;
    return codes_[std::size_t(scancode)];
}

bool is_editing_key(int scancode) {
    switch (scancode) {
    case SDL_SCANCODE_BACKSPACE:
    case SDL_SCANCODE_TAB:
    case SDL_SCANCODE_SPACE:
    case SDL_SCANCODE_DELETE:
    case SDL_SCANCODE_HOME:
    case SDL_SCANCODE_END:
    case SDL_SCANCODE_LEFT:
    case SDL_SCANCODE_RIGHT:
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER:
    case SDL_SCANCODE_ESCAPE:
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL: return true;
    default: return false;
    }
}

const std::vector<int>& KeyRouter::route(int scancode, bool down, bool repeat, bool panel_open) {
    if (scancode <= 0 || scancode >= KeyBindings::kScancodes) return kNone;
    std::vector<int>& sent = held_[std::size_t(scancode)];
    if (!down) {
        released_.swap(sent);
        sent.clear();
        return released_;
    }
    if (repeat && !sent.empty()) return sent;
    // Ctrl with a letter is a shortcut of the open panel (the editor's undo),
    // the letter itself whatever it is bound to.
    const bool ctrl = !held_[SDL_SCANCODE_LCTRL].empty() || !held_[SDL_SCANCODE_RCTRL].empty();
    const bool shortcut = ctrl && scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z;
    if (panel_open && (is_editing_key(scancode) || shortcut)) {
        const int vk = vk_from_scancode(scancode);
        sent = vk ? std::vector<int>{vk} : std::vector<int>{};
    } else {
        sent = bindings_.codes_of(scancode);
    }
    return sent;
}

} // namespace tsu
