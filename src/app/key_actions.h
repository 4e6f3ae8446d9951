// The actions of the game's key table: what a key or a gamepad button can be
// bound to. Each action stands for one virtual-key code of the key handlers;
// the shell turns the keys and buttons the player bound into that code, so
// the handlers themselves never change.
#pragma once
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tsu {

struct KeyAction {
    const char* name;         // settings key without its prefix: "jump" -> key_jump, pad_jump
    int vk;                   // virtual-key code the action delivers
    const char* keys;         // default keys: scancode names, comma separated
    const char* pad;          // default gamepad buttons and stick directions
    const char* what;         // for --help and the settings file's comments
};

// Every action, in the order of the key table.
std::span<const KeyAction> key_actions();
const KeyAction* find_key_action(std::string_view name);

// Splits a binding value "Up, Left Shift" into its names (trimmed, empty
// names dropped).
std::vector<std::string> split_binding(std::string_view value);

} // namespace tsu
