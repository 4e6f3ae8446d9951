// The control base: visibility through the panels, client rectangles and the
// default pointer handling.
#include "widgets/control.h"

#include "widgets/panel.h"

namespace tsu {

const char* control_kind_name(ControlKind kind) {
    switch (kind) {
    case ControlKind::label: return "label";
    case ControlKind::label_button: return "label_button";
    case ControlKind::latch_button: return "latch_button";
    case ControlKind::edit: return "edit";
    case ControlKind::spin_edit: return "spin_edit";
    case ControlKind::picture: return "picture";
    case ControlKind::panel: return "panel";
    }
    return "";
}

Control::Control(ControlKind kind, std::string name, Rect r)
    : rect(r), kind_(kind), name_(std::move(name)) {}

Control::~Control() = default;

void Control::set_visible(bool v) {
    visible_flag_ = nullptr;
    visible_ = v;
}

bool Control::shown() const {
    for (const Control* c = this; c != nullptr; c = c->parent_)
        if (!c->visible()) return false;
    return true;
}

bool Control::live() const { return enabled && shown(); }

Rect Control::client_rect() const {
    Rect r = rect;
    for (const Control* p = parent_; p != nullptr; p = p->parent_) {
        r.left += p->rect.left;
        r.right += p->rect.left;
        r.top += p->rect.top;
        r.bottom += p->rect.top;
    }
    return r;
}

void Control::pointer_down(PointerButton button, int x, int y) {
    if (on_mouse_down) on_mouse_down(button, x, y);
}

void Control::pointer_move(int x, int y) {
    if (on_mouse_move) on_mouse_move(x, y);
}

void Control::activate() {
    if (on_click) on_click();
}

bool Control::key_down(int, bool) { return false; }
void Control::text_input(std::string_view) {}
void Control::composition(std::string_view, int) {}

} // namespace tsu
