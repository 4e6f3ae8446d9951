// The scripted virtual gamepad.
#include "platform/virtual_pad.h"

#include <SDL.h>

#include <algorithm>
#include <fstream>
#include <sstream>

namespace tsu {

namespace {

int button_from_name(const std::string& name) {
    if (name == "south") return SDL_CONTROLLER_BUTTON_A;
    if (name == "east") return SDL_CONTROLLER_BUTTON_B;
    if (name == "west") return SDL_CONTROLLER_BUTTON_X;
    if (name == "north") return SDL_CONTROLLER_BUTTON_Y;
    return SDL_GameControllerGetButtonFromString(name.c_str());
}

} // namespace

VirtualPad::~VirtualPad() { unplug(); }

bool VirtualPad::load(const std::string& path, std::string& error) {
    std::ifstream in(path);
    if (!in) {
        error = "cannot read " + path;
        return false;
    }
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (const auto hash = line.find('#'); hash != std::string::npos) line.erase(hash);
        std::istringstream words(line);
        Step s;
        std::string kind, name, value;
        if (!(words >> s.tick >> kind)) {
            if (line.find_first_not_of(" \t\r") == std::string::npos) continue;
            error = path + ", line " + std::to_string(number) + ": a tick and a step";
            return false;
        }
        bool ok = true;
        if (kind == "plug") s.kind = Step::Kind::plug;
        else if (kind == "unplug") s.kind = Step::Kind::unplug;
        else if (kind == "button" && words >> name >> value) {
            s.kind = Step::Kind::button;
            s.index = button_from_name(name);
            s.value = value == "down";
            ok = s.index >= 0 && (value == "down" || value == "up");
        } else if (kind == "axis" && words >> name >> s.value) {
            s.kind = Step::Kind::axis;
            s.index = SDL_GameControllerGetAxisFromString(name.c_str());
            ok = s.index >= 0 && s.value >= -32768 && s.value <= 32767;
        } else ok = false;
        if (!ok) {
            error = path + ", line " + std::to_string(number) + ": cannot read \"" + line + "\"";
            return false;
        }
        steps_.push_back(s);
    }
    std::stable_sort(steps_.begin(), steps_.end(), [](const Step& a, const Step& b) { return a.tick < b.tick; });
    return true;
}

void VirtualPad::unplug() {
    if (joystick_) SDL_JoystickClose(joystick_);
    joystick_ = nullptr;
    if (device_ >= 0) SDL_JoystickDetachVirtual(device_);
    device_ = -1;
}

void VirtualPad::at_tick(int32_t ticks) {
    for (; next_ < steps_.size() && steps_[next_].tick <= ticks; ++next_) {
        const Step& s = steps_[next_];
        switch (s.kind) {
        case Step::Kind::plug: {
            if (device_ >= 0) break;
            SDL_VirtualJoystickDesc desc{};
            desc.version = SDL_VIRTUAL_JOYSTICK_DESC_VERSION;
            desc.type = SDL_JOYSTICK_TYPE_GAMECONTROLLER;
            desc.naxes = SDL_CONTROLLER_AXIS_MAX;
            desc.nbuttons = SDL_CONTROLLER_BUTTON_MAX;
            desc.name = "Tsumikiya virtual pad";
            device_ = SDL_JoystickAttachVirtualEx(&desc);
            if (device_ >= 0) joystick_ = SDL_JoystickOpen(device_);
            break;
        }
        case Step::Kind::unplug: unplug(); break;
        case Step::Kind::button:
            if (joystick_) SDL_JoystickSetVirtualButton(joystick_, s.index, Uint8(s.value));
            break;
        case Step::Kind::axis:
            if (joystick_) SDL_JoystickSetVirtualAxis(joystick_, s.index, Sint16(s.value));
            break;
        }
    }
}

} // namespace tsu
