// The player's key bindings: which key places (SDL scancodes) deliver which
// virtual-key codes of the game's key table. Built from the key_* settings;
// a name the game does not know is reported with the settings' problems.
// No SDL types here, so the table can be tested on plain numbers.
#pragma once
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tsu {

struct Settings;

// Scancode of a key name: SDL's names ("Left", "Left Shift", "Return", "A"),
// case-insensitive, plus names for the keys SDL leaves unnamed:
// International1..5 (JIS ro, katakana/hiragana, yen, henkan, muhenkan; also
// "Ro", "Yen", "Henkan", "Muhenkan"), Lang1..Lang5 and NonUSBackslash.
// 0 when unknown.
int scancode_from_name(std::string_view name);
// The name scancode_from_name reads back; empty when the key has none.
std::string scancode_name(int scancode);

class KeyBindings {
  public:
    static constexpr int kScancodes = 512;

    // Today's keys.
    KeyBindings();
    // The key_* values of the settings; unknown key names are added to the
    // settings file's problems (the rest of the line still counts).
    void load(Settings& settings);
    // Binds one action's virtual-key code to these keys (replacing its keys).
    // Returns the names that are not keys.
    std::vector<std::string> bind(int vk, const std::vector<std::string>& names);

    // The virtual-key codes a key delivers, in the key table's order.
    const std::vector<int>& codes_of(int scancode) const;

  private:
    std::array<std::vector<int>, kScancodes> codes_{};
};

// Keys that edit text and press buttons: while a panel is open they reach it
// as themselves (Backspace, Tab, Space, Delete, Home, End, the arrows,
// Return, Escape, Ctrl), whatever the bindings say; so do the letters
// pressed with Ctrl held (the editor's Ctrl+Z and Ctrl+Y).
bool is_editing_key(int scancode);

// Key events to the codes the game's key handlers receive. A release sends
// the codes its press sent, whatever changed in between (a panel opened, the
// run started); auto-repeat repeats the press's codes.
class KeyRouter {
  public:
    explicit KeyRouter(const KeyBindings& bindings) : bindings_(bindings) {}
    const std::vector<int>& route(int scancode, bool down, bool repeat, bool panel_open);

  private:
    const KeyBindings& bindings_;
    std::array<std::vector<int>, KeyBindings::kScancodes> held_{};
    std::vector<int> released_;
};

} // namespace tsu
