// Visibility of the title screen's panels (the option panel, the profile box
// inside it, the extra-stage panel and the ranking panel).
#pragma once

namespace tsu {

struct Panels {
    bool option_box = false;  // option panel
    bool tusin_box = false;   // profile box inside the option panel
    bool ex_box = false;      // extra-stage panel
    bool ir_rank_box = false; // ranking panel

    // The option panel's latching switch pairs: true when the first button
    // (ON / NOMAL) of the pair is down, false when the second (OFF / EASY) is.
    bool option_b1 = true; // music ON
    bool se_b1 = true;     // sound effects ON
    bool nomal_b1 = true;  // NOMAL
    bool ef_b1 = true;     // text effects ON
    bool easy_l = false;   // the EASY hint beside the difficulty switch

    // The profile box's registration controls: the "名前決定" button and the
    // two hints are shown until a ranking name is registered.
    bool ir_name_b = true;
    bool touroku_l = true;

    // "No panel open": option, extra-stage and ranking panels all hidden.
    bool none_open() const { return !option_box && !ex_box && !ir_rank_box; }
};

} // namespace tsu
