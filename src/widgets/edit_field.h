// A one-line edit field: UTF-8 text with a maximum length in characters, a
// caret that moves by characters, and the input method's composition shown
// underlined at the caret until it is committed.
#pragma once
#include "widgets/control.h"

namespace tsu {

class EditField : public Control {
  public:
    EditField(std::string name, Rect rect, int max_length, TextStyle style = {});

    // The text; setting it cuts it to the maximum length and puts the caret
    // at its end.
    const std::string& value() const { return text_; }
    void set_value(std::string_view utf8);
    int max_length() const { return max_length_; }
    int caret() const { return caret_; } // in characters
    const std::string& composing() const { return composition_; }

    std::function<void()> on_change; // after each edit by the user

    std::string shown_text() const override { return text_; }
    bool interactive() const override { return true; }
    bool focusable() const override { return true; }
    bool takes_text() const override { return true; }
    void pointer_down(PointerButton button, int x, int y) override;
    bool key_down(int key, bool shift) override;
    void text_input(std::string_view utf8) override;
    void composition(std::string_view utf8, int cursor) override;
    void focus_lost() override { composition_.clear(); }
    void draw(Bitmap& canvas, int x, int y, const DrawState& state) const override;

  protected:
    EditField(ControlKind kind, std::string name, Rect rect, int max_length, TextStyle style);
    int reserve_right = 0; // pixels at the right edge the text keeps clear of
    // Whether a typed character may go in (a spin edit takes digits only).
    virtual bool accepts(char32_t c) const;

  private:
    std::string text_;
    int max_length_;
    int caret_ = 0;
    std::string composition_;
};

} // namespace tsu
