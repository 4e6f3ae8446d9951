// Gamepads through SDL's game controller API, plugged in and out while the
// game runs. Buttons and stick directions deliver the virtual-key codes of
// the actions they are bound to (pad_* settings; defaults: d-pad and left
// stick walk, south jumps, west throws, north special, east ring, shoulders
// the techniques, Start pauses, Back gives up). Outside play the pad steers
// the menus instead: on the title and the result screens south goes on
// (Enter); in a panel the d-pad and the stick move the focus, south presses
// the focused control and east closes the panel.
#pragma once
#include <array>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

union SDL_Event;

namespace tsu {

struct Settings;

// A pad input: a button, or one direction of a stick or trigger axis.
// SDL's names ("a", "dpleft", "leftshoulder"), the face buttons by place
// ("south", "east", "west", "north") and axis directions ("leftx-",
// "lefty+", "lefttrigger"). -1 when unknown.
int pad_input_from_name(std::string_view name);

class Gamepads {
  public:
    // Where the game is: in play the bindings count; on the title and the
    // result screens, and in a panel, the pad steers the menus.
    enum class Context { play, menu, panel };
    // What the pads drive: `key` delivers a virtual-key code down or up,
    // `focus` moves a panel's focus (+1 next, -1 previous), `press` presses
    // the focused control.
    struct Sink {
        std::function<void(int vk, bool down)> key;
        std::function<Context()> context;
        std::function<void(int step)> focus;
        std::function<void()> press;
    };

    static constexpr int kButtons = 32;             // SDL_CONTROLLER_BUTTON_MAX and room
    static constexpr int kInputs = kButtons + 16;   // then 8 axes x 2 directions

    Gamepads();
    ~Gamepads();
    Gamepads(const Gamepads&) = delete;
    Gamepads& operator=(const Gamepads&) = delete;

    // The pad_* settings; unknown names are added to the settings' problems.
    void load(Settings& settings);
    // Binds one action's virtual-key code to these inputs; returns the
    // names that are not pad inputs.
    std::vector<std::string> bind(int vk, const std::vector<std::string>& names);

    // Controller events: device added and removed, buttons, axes. Others are
    // ignored. Returns true when the event was a controller event.
    bool handle(const SDL_Event& e, const Sink& sink);
    // Opens the controllers already plugged in (SDL also reports them as
    // added, so this is for a late start).
    void open_all();
    int open_count() const { return int(pads_.size()); }

  private:
    struct Pad {
        void* controller = nullptr; // SDL_GameController*
        std::array<std::vector<int>, kInputs> delivered{}; // codes sent at each press
        std::array<bool, kInputs> down{};
    };
    void press(Pad& pad, int input, bool down, const Sink& sink);
    void release_all(Pad& pad, const Sink& sink);

    std::array<std::vector<int>, kInputs> codes_{};
    std::map<int, Pad> pads_; // by joystick instance id
};

} // namespace tsu
