// The keyboard as the game sees it: SDL scancodes (which are USB HID usage
// numbers) turned into the virtual-key codes of the game's key table.
// No SDL types here, so the mapping can be tested without SDL.
#pragma once

namespace tsu {

// Virtual-key code for a scancode, or 0 when the game has no use for the key.
int vk_from_scancode(int scancode);

// Alt+Enter switches the window between windowed and full screen; that press
// belongs to the shell and never reaches the game.
bool is_fullscreen_toggle(int scancode, bool alt_held);

} // namespace tsu
