// Scancode to virtual-key table. Scancodes rather than key symbols: the
// game's keys are places on the keyboard (Z, X, A, C under the left hand,
// the yen key left of Backspace), whatever the layout prints on them.
#include "platform/key_map.h"

#include <SDL.h>

#include "game/events.h"

namespace tsu {

int vk_from_scancode(int scancode) {
    const auto sc = static_cast<SDL_Scancode>(scancode);
    if (sc >= SDL_SCANCODE_A && sc <= SDL_SCANCODE_Z) return 'A' + (sc - SDL_SCANCODE_A);
    switch (sc) {
    case SDL_SCANCODE_LEFT: return vk::left;
    case SDL_SCANCODE_UP: return vk::up;
    case SDL_SCANCODE_RIGHT: return vk::right;
    case SDL_SCANCODE_DOWN: return vk::down;
    case SDL_SCANCODE_LSHIFT:
    case SDL_SCANCODE_RSHIFT: return vk::shift;
    case SDL_SCANCODE_LCTRL:
    case SDL_SCANCODE_RCTRL: return vk::control;
    case SDL_SCANCODE_RETURN:
    case SDL_SCANCODE_KP_ENTER: return vk::enter;
    case SDL_SCANCODE_ESCAPE: return vk::esc;
    case SDL_SCANCODE_F1: return vk::f1;
    // The editing keys of the panels' fields and buttons.
    case SDL_SCANCODE_BACKSPACE: return vk::backspace;
    case SDL_SCANCODE_TAB: return vk::tab;
    case SDL_SCANCODE_SPACE: return vk::space;
    case SDL_SCANCODE_HOME: return vk::home;
    case SDL_SCANCODE_END: return vk::end;
    case SDL_SCANCODE_DELETE: return vk::del;
    // The JIS yen key; on other layouts the backslash keys take its role.
    case SDL_SCANCODE_INTERNATIONAL3:
    case SDL_SCANCODE_BACKSLASH:
    case SDL_SCANCODE_NONUSBACKSLASH: return vk::yen;
    default: return 0;
    }
}

bool is_fullscreen_toggle(int scancode, bool alt_held) {
    return alt_held && (scancode == SDL_SCANCODE_RETURN || scancode == SDL_SCANCODE_KP_ENTER);
}

} // namespace tsu
