// A latching button: one of a group of which exactly one is down. Pressing a
// button puts it down and raises the others of its group in the same panel.
// A group may follow a game flag or number: the button is down while it
// holds the button's value, and pressing it sets that value.
#pragma once
#include "widgets/label.h"

#include <cstdint>

namespace tsu {

class LatchButton : public Label {
  public:
    LatchButton(std::string name, Rect rect, std::string caption, int group, TextStyle style = {});

    int group() const { return group_; }
    bool down() const {
        if (number_ != nullptr) return *number_ == number_value_;
        return flag_ != nullptr ? *flag_ == value_ : down_;
    }
    // Puts this button down and the rest of its group up.
    void press();
    // The button is down while *flag == value.
    void follow(bool* flag, bool value) {
        flag_ = flag;
        value_ = value;
    }
    // The button is down while *number == value (a group of more than two).
    void follow(int32_t* number, int32_t value) {
        number_ = number;
        number_value_ = value;
    }

    bool interactive() const override { return true; }
    bool focusable() const override { return true; }
    void activate() override; // press, then the click handler
    bool key_down(int key, bool shift) override;
    void draw(Bitmap& canvas, int x, int y, const DrawState& state) const override;

  private:
    int group_;
    bool down_ = false;
    bool* flag_ = nullptr;
    bool value_ = true;
    int32_t* number_ = nullptr;
    int32_t number_value_ = 0;
};

} // namespace tsu
