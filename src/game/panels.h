// Visibility of the title screen's panels (the option panel, the profile box
// inside it, the extra-stage panel and the ranking panel).
#pragma once

namespace tsu {

struct Panels {
    bool option_box = false;  // option panel
    bool tusin_box = false;   // profile box inside the option panel
    bool ex_box = false;      // extra-stage panel
    bool ir_rank_box = false; // ranking panel

    // "No panel open": option, extra-stage and ranking panels all hidden.
    bool none_open() const { return !option_box && !ex_box && !ir_rank_box; }
};

} // namespace tsu
