// The panels of the client area and what the pointer and the keyboard do to
// them: drawing over the game view, the topmost control under the pointer,
// the hover, the press that becomes a click on release, the keyboard focus
// (Tab, a click on a field, or a step from a game pad) and typed text.
#pragma once
#include "widgets/panel.h"

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace tsu {

class ControlTree {
  public:
    // Adds a top-level panel; later ones lie over earlier ones.
    Panel& add_root(std::unique_ptr<Panel> panel);
    const std::vector<std::unique_ptr<Panel>>& roots() const { return roots_; }

    Control* find(std::string_view name) const;
    template <class T> T* find_as(std::string_view name) const { return dynamic_cast<T*>(find(name)); }

    // Draws every shown panel onto the client-area picture.
    void draw(Bitmap& client) const;

    // A shown panel lies under the client pixel.
    bool covers(int x, int y) const;
    // The topmost live control under the pointer that reacts to it.
    Control* hit(int x, int y) const;

    // Pointer events in client pixels; true when a shown panel took them
    // (the game view below gets nothing then).
    bool pointer_down(PointerButton button, int x, int y);
    bool pointer_up(PointerButton button, int x, int y);
    bool pointer_move(int x, int y);
    // Presses a control by its name as a left click at its middle would;
    // false when there is no such control or it is hidden, disabled, covered
    // or not pressable.
    bool click(std::string_view name);

    // The focused control (null when none, or when it was hidden or disabled).
    Control* focus() const;
    void set_focus(Control* c);
    // Moves the focus through the controls of the panel on top (+1 next,
    // -1 previous, wrapping).
    void focus_step(int step);
    // Presses the focused control as a click does; false when none.
    bool press_focus();
    // The focused control takes typed text (an edit field).
    bool wants_text() const;

    // Keys for the focus: Tab moves it; a focused field takes every key
    // (Esc leaves the field). False when the key is the game's.
    bool key_down(int key, bool shift);
    bool text_input(std::string_view utf8);
    void composition(std::string_view utf8, int cursor);

    // Every shown control, panels first, in drawing order.
    void for_each_shown(const std::function<void(const Control&)>& fn) const;

    const Control* hover() const { return hover_ != nullptr && hover_->live() ? hover_ : nullptr; }

  private:
    std::vector<Control*> focus_ring() const;
    std::vector<std::unique_ptr<Panel>> roots_;
    Control* focus_ = nullptr;
    Control* hover_ = nullptr;
    Control* pressed_ = nullptr;
};

} // namespace tsu
