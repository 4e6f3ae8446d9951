// A spin edit: a number in a range, typed in digits or stepped with the
// arrows beside it (or the Up and Down keys while it has the focus).
#pragma once
#include "widgets/edit_field.h"

namespace tsu {

class SpinEdit : public EditField {
  public:
    SpinEdit(std::string name, Rect rect, int min, int max, TextStyle style = {});

    // The number shown, kept inside the range (an empty field reads as min).
    int number() const;
    void set_number(int n);
    int min() const { return min_; }
    int max() const { return max_; }

    bool key_down(int key, bool shift) override;
    // Right after a click on the number, typing replaces it (it shows marked).
    void text_input(std::string_view utf8) override;
    void pointer_down(PointerButton button, int x, int y) override;
    void focus_lost() override;
    void draw(Bitmap& canvas, int x, int y, const DrawState& state) const override;

    static constexpr int kArrowWidth = 14;

  protected:
    bool accepts(char32_t c) const override { return c >= U'0' && c <= U'9'; }

  private:
    void step(int by);
    int min_, max_;
    bool replace_ = false;
};

} // namespace tsu
