// Text typed into a panel's edit field and panel controls pressed by name.
// The panels' widgets route these; with no field focused text is ignored.
#include "game/events.h"
#include "game/game.h"
#include "ui/extra_panel.h"
#include "ui/option_panel.h"

#include <string>

namespace tsu {

void text_input(Game&, const std::string&) {
    // No edit field exists yet, so nothing has the focus.
}

bool click_control(Game& g, const std::string& name) {
    Panels& p = g.panels;
    if (name == "Label4" && p.option_box) {
        close_options(g);
        return true;
    }
    if (p.option_box) {
        // The switch pairs: pressing a button puts it down and its partner up.
        struct Switch {
            const char* on;
            const char* off;
            bool Panels::*down;
        };
        static const Switch switches[] = {{"option_b1", "option_b2", &Panels::option_b1},
                                          {"se_b1", "se_b2", &Panels::se_b1},
                                          {"nomal_b1", "nomal_b2", &Panels::nomal_b1},
                                          {"ef_b1", "ef_b2", &Panels::ef_b1}};
        for (const Switch& s : switches) {
            if (name != s.on && name != s.off) continue;
            p.*s.down = name == s.on;
            // NOMAL and text effects ON share the handler that hides the EASY hint.
            if (name == std::string("nomal_b1") || name == std::string("ef_b1")) p.easy_l = false;
            return true;
        }
    }
    if (name == "Label18" && p.option_box) {
        open_extra_panel(g);
        return true;
    }
    if (p.ex_box) {
        // The pack buttons, in the order of the packs 1..6.
        static const char* const packs[] = {"Label22", "Label24", "Label25", "Label26", "Label9", "Label28"};
        for (int k = 0; k < 6; ++k)
            if (name == packs[k]) {
                start_pack(g, k + 1);
                return true;
            }
    }
    if (name == "Label19" && p.ex_box) {
        close_extra_panel(g);
        return true;
    }
    if (name == "Label13" && p.ir_rank_box) {
        close_ranking_panel(g);
        return true;
    }
    return false;
}

} // namespace tsu
