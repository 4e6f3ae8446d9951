// Gamepad buttons and sticks to the game's virtual-key codes.
#include "platform/gamepad.h"

#include "app/key_actions.h"
#include "app/settings.h"
#include "game/events.h"

#include <SDL.h>

#include <algorithm>
#include <cstdlib>

namespace tsu {

namespace {

// A stick counts as pushed past half way and as let go below a quarter, so
// a stick resting near the threshold does not chatter.
constexpr int kPushed = 16384;
constexpr int kReleased = 8192;

int axis_input(int axis, bool positive) { return Gamepads::kButtons + axis * 2 + (positive ? 1 : 0); }

constexpr std::pair<const char*, int> kPlaces[] = {
    {"south", SDL_CONTROLLER_BUTTON_A},
    {"east", SDL_CONTROLLER_BUTTON_B},
    {"west", SDL_CONTROLLER_BUTTON_X},
    {"north", SDL_CONTROLLER_BUTTON_Y},
};

// The focus moves back with up and left, on with down and right.
int menu_step(int input) {
    switch (input) {
    case SDL_CONTROLLER_BUTTON_DPAD_UP:
    case SDL_CONTROLLER_BUTTON_DPAD_LEFT: return -1;
    case SDL_CONTROLLER_BUTTON_DPAD_DOWN:
    case SDL_CONTROLLER_BUTTON_DPAD_RIGHT: return 1;
    default: break;
    }
    if (input == axis_input(SDL_CONTROLLER_AXIS_LEFTX, false) ||
        input == axis_input(SDL_CONTROLLER_AXIS_LEFTY, false))
        return -1;
    if (input == axis_input(SDL_CONTROLLER_AXIS_LEFTX, true) ||
        input == axis_input(SDL_CONTROLLER_AXIS_LEFTY, true))
        return 1;
    return 0;
}

} // namespace

int pad_input_from_name(std::string_view name) {
    for (const auto& [place, button] : kPlaces)
        if (name == place) return button;
    std::string n(name);
    bool positive = true, directed = false;
    if (!n.empty() && (n.back() == '+' || n.back() == '-')) {
        positive = n.back() == '+';
        directed = true;
        n.pop_back();
    }
    const SDL_GameControllerAxis axis = SDL_GameControllerGetAxisFromString(n.c_str());
    if (axis != SDL_CONTROLLER_AXIS_INVALID) {
        const bool trigger = axis == SDL_CONTROLLER_AXIS_TRIGGERLEFT ||
                             axis == SDL_CONTROLLER_AXIS_TRIGGERRIGHT;
        // Sticks need a direction; triggers only go one way.
        if (trigger ? (directed && !positive) : !directed) return -1;
        return axis_input(axis, positive);
    }
    if (directed) return -1;
    const SDL_GameControllerButton button = SDL_GameControllerGetButtonFromString(n.c_str());
    if (button == SDL_CONTROLLER_BUTTON_INVALID || int(button) >= Gamepads::kButtons) return -1;
    return button;
}

Gamepads::Gamepads() {
    for (const KeyAction& a : key_actions()) bind(a.vk, split_binding(a.pad));
}

Gamepads::~Gamepads() {
    for (auto& [id, pad] : pads_)
        if (pad.controller) SDL_GameControllerClose(static_cast<SDL_GameController*>(pad.controller));
}

std::vector<std::string> Gamepads::bind(int vk, const std::vector<std::string>& names) {
    for (auto& codes : codes_) std::erase(codes, vk);
    std::vector<std::string> unknown;
    for (const std::string& n : names) {
        const int input = pad_input_from_name(n);
        if (input < 0) {
            unknown.push_back(n);
            continue;
        }
        auto& codes = codes_[std::size_t(input)];
        if (std::find(codes.begin(), codes.end(), vk) == codes.end()) codes.push_back(vk);
    }
    return unknown;
}

void Gamepads::load(Settings& settings) {
    for (const KeyAction& a : key_actions()) {
        const std::string key = std::string("pad_") + a.name;
        for (const std::string& n : bind(a.vk, split_binding(settings.bindings.at(key))))
            settings.file.add_problem(settings.file.line_of(key),
                                      key + ": \"" + n + "\" is not a gamepad button");
    }
}

void Gamepads::open_all() {
    for (int i = 0; i < SDL_NumJoysticks(); ++i) {
        if (!SDL_IsGameController(i)) continue;
        const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(i);
        if (pads_.count(id)) continue;
        if (SDL_GameController* c = SDL_GameControllerOpen(i)) pads_[id].controller = c;
    }
}

void Gamepads::press(Pad& pad, int input, bool down, const Sink& sink) {
    auto& sent = pad.delivered[std::size_t(input)];
    if (!down) {
        // A release pairs with its press, whatever the game did in between.
        pad.down[std::size_t(input)] = false;
        for (auto it = sent.rbegin(); it != sent.rend(); ++it) sink.key(*it, false);
        sent.clear();
        return;
    }
    if (pad.down[std::size_t(input)]) return;
    pad.down[std::size_t(input)] = true;
    const Context context = sink.context();
    sent.clear();
    if (context == Context::play) {
        sent = codes_[std::size_t(input)];
    } else if (context == Context::panel) {
        const int step = menu_step(input);
        if (step != 0) sink.focus(step);
        else if (input == SDL_CONTROLLER_BUTTON_A) sink.press();
        else if (input == SDL_CONTROLLER_BUTTON_B) sent = {vk::esc}; // east closes the panel
    } else if (input == SDL_CONTROLLER_BUTTON_A) {
        sent = {vk::enter}; // south starts a run and goes on from a result screen
    }
    for (const int vk : sent) sink.key(vk, true);
}

void Gamepads::release_all(Pad& pad, const Sink& sink) {
    for (int i = 0; i < kInputs; ++i)
        if (pad.down[std::size_t(i)]) press(pad, i, false, sink);
}

bool Gamepads::handle(const SDL_Event& e, const Sink& sink) {
    switch (e.type) {
    case SDL_CONTROLLERDEVICEADDED: {
        const int index = e.cdevice.which;
        const SDL_JoystickID id = SDL_JoystickGetDeviceInstanceID(index);
        if (id >= 0 && !pads_.count(id))
            if (SDL_GameController* c = SDL_GameControllerOpen(index)) pads_[id].controller = c;
        return true;
    }
    case SDL_CONTROLLERDEVICEREMOVED: {
        const auto it = pads_.find(e.cdevice.which);
        if (it == pads_.end()) return true;
        release_all(it->second, sink); // a pad pulled out lets go of everything
        if (it->second.controller)
            SDL_GameControllerClose(static_cast<SDL_GameController*>(it->second.controller));
        pads_.erase(it);
        return true;
    }
    case SDL_CONTROLLERBUTTONDOWN:
    case SDL_CONTROLLERBUTTONUP: {
        const auto it = pads_.find(e.cbutton.which);
        if (it == pads_.end() || e.cbutton.button >= kButtons) return true;
        press(it->second, e.cbutton.button, e.type == SDL_CONTROLLERBUTTONDOWN, sink);
        return true;
    }
    case SDL_CONTROLLERAXISMOTION: {
        const auto it = pads_.find(e.caxis.which);
        if (it == pads_.end() || e.caxis.axis >= 8) return true;
        const int v = e.caxis.value;
        Pad& pad = it->second;
        for (const bool positive : {false, true}) {
            const int input = axis_input(e.caxis.axis, positive);
            const int along = positive ? v : -v;
            if (!pad.down[std::size_t(input)] && along >= kPushed) press(pad, input, true, sink);
            else if (pad.down[std::size_t(input)] && along < kReleased) press(pad, input, false, sink);
        }
        return true;
    }
    default: return false;
    }
}

} // namespace tsu
