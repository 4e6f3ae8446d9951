// The base of every panel control: a named rectangle inside its panel, with
// visible and enabled flags, a caption in a text style, and the pointer and
// key hooks the control tree calls. Controls know nothing of the game: what a
// press does is a callback the screens attach.
#pragma once
#include "render/bitmap.h"

#include <functional>
#include <string>
#include <string_view>

namespace tsu {

enum class ControlKind { label, label_button, latch_button, edit, spin_edit, picture, panel };
// "label", "label_button", ... as the state dump writes them.
const char* control_kind_name(ControlKind kind);

enum class PointerButton { left, right };

enum class TextAlign { left, centre, right };

struct TextStyle {
    int size = 9; // points at 96 DPI, as the canvas takes them
    bool bold = true;
    Colour colour = kWhite;
    TextAlign align = TextAlign::left;
};

class Control;
class Panel;

// What the tree knows while drawing: where the pointer rests, which control
// has the keyboard focus and which one a held button pressed.
struct DrawState {
    const Control* hover = nullptr;
    const Control* focus = nullptr;
    const Control* pressed = nullptr;
};

class Control {
  public:
    Control(ControlKind kind, std::string name, Rect rect);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    Panel* parent() const { return parent_; }

    Rect rect;           // relative to the parent panel (to the client area at the top)
    bool enabled = true;
    std::string caption;
    TextStyle text;

    // Visibility: the control's own flag, or a game flag it follows.
    bool visible() const { return visible_flag_ != nullptr ? *visible_flag_ : visible_; }
    void set_visible(bool v);
    void follow_visible(const bool* flag) { visible_flag_ = flag; }

    // Visible together with every panel it sits in.
    bool shown() const;
    // Shown and enabled, and so reachable by pointer, keys and `click`.
    bool live() const;
    // The rectangle in client-area pixels.
    Rect client_rect() const;

    // What the control shows as its caption or text (the dump's "text").
    virtual std::string shown_text() const { return caption; }
    // Controls the pointer and keys act on (labels and pictures are not).
    virtual bool interactive() const { return false; }
    virtual bool focusable() const { return false; }
    virtual bool takes_text() const { return false; }

    // Draws the control with its top-left corner at (x, y) of the canvas.
    virtual void draw(Bitmap& canvas, int x, int y, const DrawState& state) const = 0;

    // Pointer events with coordinates relative to the control.
    virtual void pointer_down(PointerButton button, int x, int y);
    virtual void pointer_move(int x, int y);
    // A whole left click (press and release over the control), or the
    // script's `click NAME`.
    virtual void activate();
    // Keys while the control has the focus; true when the key was used.
    virtual bool key_down(int key, bool shift);
    virtual void text_input(std::string_view utf8);
    virtual void composition(std::string_view utf8, int cursor);
    virtual void focus_lost() {}

    std::function<void(PointerButton, int, int)> on_mouse_down; // any button, relative x, y
    std::function<void(int, int)> on_mouse_move;                // relative x, y
    std::function<void()> on_click;

  private:
    friend class Panel;
    ControlKind kind_;
    std::string name_;
    Panel* parent_ = nullptr;
    bool visible_ = true;
    const bool* visible_flag_ = nullptr;
};

} // namespace tsu
