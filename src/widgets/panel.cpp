// Panels and their children.
#include "widgets/panel.h"

#include "widgets/look.h"

namespace tsu {

Panel::Panel(std::string name, Rect box) : Control(ControlKind::panel, std::move(name), box) {}

void Panel::adopt(std::unique_ptr<Control> child) {
    child->parent_ = this;
    children_.push_back(std::move(child));
}

std::vector<Control*> Panel::children_of(ControlKind kind) const {
    std::vector<Control*> out;
    for (const auto& c : children_)
        if (c->kind() == kind) out.push_back(c.get());
    return out;
}

void Panel::draw(Bitmap& canvas, int x, int y, const DrawState& state) const {
    const Rect r{x, y, x + rect.width(), y + rect.height()};
    if (face)
        look::fill(canvas, r, *face);
    else
        look::shade(canvas, r, look::panel_tint, look::panel_opacity);
    if (edge) {
        look::frame(canvas, r, look::panel_edge_light, look::panel_edge);
        look::frame(canvas, {r.left + 1, r.top + 1, r.right - 1, r.bottom - 1}, look::panel_edge,
                    look::panel_tint);
    }
    for (const auto& c : children_) {
        if (!c->visible()) continue;
        c->draw(canvas, x + c->rect.left, y + c->rect.top, state);
    }
}

} // namespace tsu
