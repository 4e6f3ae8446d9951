// A gamepad made of SDL's virtual joystick and driven by a script, so tests
// of the window can plug a pad in, press its buttons, push its sticks and
// pull it out, through the same SDL controller events a real pad sends.
//
//   <t> plug | unplug
//   <t> button <name> down|up       SDL names (a, dpleft, start) or south east west north
//   <t> axis <name> <value>         leftx lefty rightx righty lefttrigger righttrigger, -32768..32767
//
// A line of tick t takes effect once t ticks have run.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct _SDL_Joystick;

namespace tsu {

class VirtualPad {
  public:
    VirtualPad() = default;
    ~VirtualPad();
    VirtualPad(const VirtualPad&) = delete;
    VirtualPad& operator=(const VirtualPad&) = delete;

    bool load(const std::string& path, std::string& error);
    // Applies the lines due after `ticks` ticks.
    void at_tick(int32_t ticks);

  private:
    struct Step {
        int32_t tick = 0;
        enum class Kind { plug, unplug, button, axis } kind = Kind::plug;
        int index = 0;
        int value = 0;
    };
    void unplug();

    std::vector<Step> steps_;
    std::size_t next_ = 0;
    int device_ = -1;
    _SDL_Joystick* joystick_ = nullptr;
};

} // namespace tsu
