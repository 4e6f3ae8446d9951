// The picture of the whole client area: the game view with the panels and,
// while the editor is open, the editor's controls around it. The shells
// present it (window) or save it (screenshots).
#pragma once
#include "render/bitmap.h"

namespace tsu {

struct Game;

// Composes and returns the client-area picture (g.client_width x
// g.client_height) for the current state.
const Bitmap& window_picture(Game& g);

} // namespace tsu
