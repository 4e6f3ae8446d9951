// Routing the pointer and the keys to the panels' controls.
#include "widgets/control_tree.h"

namespace tsu {

namespace {

constexpr int kTab = 9, kEsc = 27;

bool inside(const Rect& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

Control* find_in(const Panel& p, std::string_view name) {
    for (const auto& c : p.children()) {
        if (c->name() == name) return c.get();
        if (c->kind() == ControlKind::panel)
            if (Control* f = find_in(static_cast<const Panel&>(*c), name)) return f;
    }
    return nullptr;
}

// The topmost reacting control of a shown panel under (x, y), in client pixels.
Control* hit_in(const Panel& p, int x, int y) {
    const auto& kids = p.children();
    for (auto it = kids.rbegin(); it != kids.rend(); ++it) {
        Control* c = it->get();
        if (!c->visible() || !inside(c->client_rect(), x, y)) continue;
        if (c->kind() == ControlKind::panel) return hit_in(static_cast<const Panel&>(*c), x, y);
        if (c->interactive() && c->enabled) return c;
    }
    return nullptr;
}

void walk(const Control& c, const std::function<void(const Control&)>& fn) {
    if (!c.visible()) return;
    fn(c);
    if (c.kind() == ControlKind::panel)
        for (const auto& k : static_cast<const Panel&>(c).children()) walk(*k, fn);
}

void collect_focusable(const Panel& p, std::vector<Control*>& out) {
    for (const auto& c : p.children()) {
        if (!c->visible()) continue;
        if (c->kind() == ControlKind::panel)
            collect_focusable(static_cast<const Panel&>(*c), out);
        else if (c->focusable() && c->enabled)
            out.push_back(c.get());
    }
}

} // namespace

Panel& ControlTree::add_root(std::unique_ptr<Panel> panel) {
    roots_.push_back(std::move(panel));
    return *roots_.back();
}

Control* ControlTree::find(std::string_view name) const {
    for (const auto& r : roots_) {
        if (r->name() == name) return r.get();
        if (Control* c = find_in(*r, name)) return c;
    }
    return nullptr;
}

void ControlTree::draw(Bitmap& client) const {
    DrawState state{hover(), focus(), pressed_ != nullptr && pressed_->live() ? pressed_ : nullptr};
    if (state.pressed != nullptr && state.pressed != state.hover) state.pressed = nullptr;
    for (const auto& r : roots_)
        if (r->visible()) r->draw(client, r->rect.left, r->rect.top, state);
}

bool ControlTree::covers(int x, int y) const {
    for (const auto& r : roots_)
        if (r->visible() && inside(r->rect, x, y)) return true;
    return false;
}

Control* ControlTree::hit(int x, int y) const {
    for (auto it = roots_.rbegin(); it != roots_.rend(); ++it) {
        const Panel& r = **it;
        if (!r.visible() || !inside(r.rect, x, y)) continue;
        return hit_in(r, x, y);
    }
    return nullptr;
}

bool ControlTree::pointer_down(PointerButton button, int x, int y) {
    if (!covers(x, y)) return false;
    Control* c = hit(x, y);
    if (c == nullptr) return true;
    if (c->takes_text()) set_focus(c);
    const Rect r = c->client_rect();
    if (button == PointerButton::left) pressed_ = c;
    c->pointer_down(button, x - r.left, y - r.top);
    return true;
}

bool ControlTree::pointer_up(PointerButton button, int x, int y) {
    Control* was = pressed_;
    if (button == PointerButton::left) pressed_ = nullptr;
    if (button == PointerButton::left && was != nullptr && was->live() && hit(x, y) == was) was->activate();
    return covers(x, y);
}

bool ControlTree::pointer_move(int x, int y) {
    hover_ = hit(x, y);
    if (hover_ != nullptr) {
        const Rect r = hover_->client_rect();
        hover_->pointer_move(x - r.left, y - r.top);
    }
    return covers(x, y);
}

bool ControlTree::click(std::string_view name) {
    // Exactly what a left click at the control's middle does; a control
    // under another one cannot be clicked by name either.
    Control* c = find(name);
    if (c == nullptr || !c->live() || !c->interactive()) return false;
    const Rect r = c->client_rect();
    const int x = r.left + r.width() / 2, y = r.top + r.height() / 2;
    if (hit(x, y) != c) return false;
    pointer_down(PointerButton::left, x, y);
    pointer_up(PointerButton::left, x, y);
    return true;
}

Control* ControlTree::focus() const {
    return focus_ != nullptr && focus_->live() && focus_->focusable() ? focus_ : nullptr;
}

void ControlTree::set_focus(Control* c) {
    if (focus_ == c) return;
    if (focus_ != nullptr) focus_->focus_lost();
    focus_ = c;
}

std::vector<Control*> ControlTree::focus_ring() const {
    // The panel on top, and within it the last shown inner panel, hold the
    // controls the keys can reach.
    const Panel* scope = nullptr;
    for (auto it = roots_.rbegin(); it != roots_.rend() && scope == nullptr; ++it)
        if ((*it)->visible()) scope = it->get();
    std::vector<Control*> ring;
    if (scope == nullptr) return ring;
    for (bool deeper = true; deeper;) {
        deeper = false;
        const auto& kids = scope->children();
        for (auto it = kids.rbegin(); it != kids.rend(); ++it)
            if ((*it)->kind() == ControlKind::panel && (*it)->visible()) {
                scope = static_cast<const Panel*>(it->get());
                deeper = true;
                break;
            }
    }
    collect_focusable(*scope, ring);
    return ring;
}

void ControlTree::focus_step(int step) {
    const std::vector<Control*> ring = focus_ring();
    if (ring.empty()) return;
    const int n = int(ring.size());
    int at = -1;
    for (int i = 0; i < n; ++i)
        if (ring[std::size_t(i)] == focus()) at = i;
    const int next = at < 0 ? (step >= 0 ? 0 : n - 1) : ((at + step) % n + n) % n;
    set_focus(ring[std::size_t(next)]);
}

bool ControlTree::press_focus() {
    Control* c = focus();
    if (c == nullptr) return false;
    c->pointer_down(PointerButton::left, c->rect.width() / 2, c->rect.height() / 2);
    c->activate();
    return true;
}

bool ControlTree::wants_text() const {
    const Control* c = focus();
    return c != nullptr && c->takes_text();
}

bool ControlTree::key_down(int key, bool shift) {
    bool open = false;
    for (const auto& r : roots_) open = open || r->visible();
    if (key == kTab && open) {
        focus_step(shift ? -1 : 1);
        return true;
    }
    Control* c = focus();
    if (c == nullptr) return false;
    if (c->takes_text()) {
        if (key == kEsc) set_focus(nullptr);
        else c->key_down(key, shift);
        return true;
    }
    return c->key_down(key, shift);
}

bool ControlTree::text_input(std::string_view utf8) {
    Control* c = focus();
    if (c == nullptr || !c->takes_text()) return false;
    c->text_input(utf8);
    return true;
}

void ControlTree::composition(std::string_view utf8, int cursor) {
    if (Control* c = focus(); c != nullptr && c->takes_text()) c->composition(utf8, cursor);
}

void ControlTree::for_each_shown(const std::function<void(const Control&)>& fn) const {
    for (const auto& r : roots_) walk(*r, fn);
}

} // namespace tsu
