// Labels: a caption in its style, on a clear background or a filled one,
// several lines when the caption holds line breaks; and the label button,
// a label that is pressed with the mouse (the panels' push buttons).
#pragma once
#include "widgets/control.h"

#include <optional>

namespace tsu {

class Label : public Control {
  public:
    Label(std::string name, Rect rect, std::string caption, TextStyle style = {});

    std::optional<Colour> background; // none: the panel shows through
    bool wrap = false;                // break long lines at the right edge
    bool middle = false;              // centre the lines vertically

    void draw(Bitmap& canvas, int x, int y, const DrawState& state) const override;

  protected:
    Label(ControlKind kind, std::string name, Rect rect, std::string caption, TextStyle style);
};

class LabelButton : public Label {
  public:
    LabelButton(std::string name, Rect rect, std::string caption, TextStyle style = {});

    bool interactive() const override { return true; }
    bool focusable() const override { return true; }
    bool key_down(int key, bool shift) override; // Space presses it
    void draw(Bitmap& canvas, int x, int y, const DrawState& state) const override;
};

} // namespace tsu
