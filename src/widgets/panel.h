// A panel: a box of controls at its place. Children are drawn in the order
// they were added (later ones on top) and hit-tested the other way round.
// A panel either lets the game view show through darkened (the game's
// panels lie over the view) or has a solid face.
#pragma once
#include "widgets/control.h"

#include <memory>
#include <optional>
#include <vector>

namespace tsu {

class Panel : public Control {
  public:
    Panel(std::string name, Rect rect);

    std::optional<Colour> face;      // none: the see-through dark look
    bool edge = true;                // a thin frame around the panel

    // Adds a child control and returns it.
    template <class T, class... Args> T& add(Args&&... args) {
        auto child = std::make_unique<T>(std::forward<Args>(args)...);
        T& ref = *child;
        adopt(std::move(child));
        return ref;
    }
    void adopt(std::unique_ptr<Control> child);

    const std::vector<std::unique_ptr<Control>>& children() const { return children_; }
    std::vector<Control*> children_of(ControlKind kind) const;

    void draw(Bitmap& canvas, int x, int y, const DrawState& state) const override;

  private:
    std::vector<std::unique_ptr<Control>> children_;
};

} // namespace tsu
