// A latching button: one of a group of which exactly one is down. Pressing a
// button puts it down and raises the others of its group in the same panel.
// A group may follow a game flag: the button is down while the flag holds
// its value, and pressing it sets the flag.
#pragma once
#include "widgets/label.h"

namespace tsu {

class LatchButton : public Label {
  public:
    LatchButton(std::string name, Rect rect, std::string caption, int group, TextStyle style = {});

    int group() const { return group_; }
    bool down() const { return flag_ != nullptr ? *flag_ == value_ : down_; }
    // Puts this button down and the rest of its group up.
    void press();
    // The button is down while *flag == value.
    void follow(bool* flag, bool value) {
        flag_ = flag;
        value_ = value;
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
};

} // namespace tsu
