// A picture: a bitmap shown in the control's box at its own size (cut at the
// box's edges) or stretched to fill it. The bitmap is the box's own, which
// screens may draw on, or one kept elsewhere (a loaded picture). An empty
// picture shows nothing, and the panel shows through.
#pragma once
#include "widgets/control.h"

namespace tsu {

class PictureBox : public Control {
  public:
    PictureBox(std::string name, Rect rect);

    Bitmap canvas;                   // the box's own picture
    const Bitmap* source = nullptr;  // shown instead of canvas when set
    bool stretch = false;

    const Bitmap& picture() const { return source != nullptr ? *source : canvas; }
    bool interactive() const override { return bool(on_mouse_down) || bool(on_mouse_move) || bool(on_click); }
    void draw(Bitmap& canvas, int x, int y, const DrawState& state) const override;
};

} // namespace tsu
