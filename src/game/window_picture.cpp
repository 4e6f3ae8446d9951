// Composition of the client area: the view at the top-left corner, the rest
// of the client area (the editor's column and row) around it, and the shown
// panels over both.
#include "game/window_picture.h"

#include "game/game.h"

namespace tsu {

const Bitmap& window_picture(Game& g) {
    if (g.window.width() != g.client_width || g.window.height() != g.client_height)
        g.window.resize(g.client_width, g.client_height, kBlack);
    else if (g.client_width != kViewWidth || g.client_height != kViewHeight)
        g.window.fill(kBlack);
    g.window.copy_rect(Rect{0, 0, kViewWidth, kViewHeight}, g.cg, Rect{0, 0, kViewWidth, kViewHeight});
    // The panels lie over the view; the view itself stays as the tick drew it.
    g.controls.draw(g.window);
    return g.window;
}

} // namespace tsu
