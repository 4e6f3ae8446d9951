// Building the panels and looking up their controls.
#include "ui/panels.h"

#include "editor/editor.h"
#include "game/game.h"
#include "ui/extra_panel.h"
#include "ui/ranking_screen.h"
#include "widgets/look.h"

#include <cstdlib>
#include <iostream>

namespace tsu {

void build_panels(Game& g) {
    build_option_panel(g);
    build_extra_panel(g);
    build_ranking_panel(g);
    build_editor_panel(g);
}

void panel_timers(Game& g) {
    if (g.panels.ex_box) Timer3Timer(g);
    if (g.panels.ir_rank_box) Timer2Timer(g);
}

Control& control(Game& g, std::string_view name) {
    Control* c = g.controls.find(name);
    if (c == nullptr) {
        std::cerr << "tsumikiya: no panel control named " << name << '\n';
        std::abort();
    }
    return *c;
}

namespace {
template <class T> T& typed(Game& g, std::string_view name) {
    T* c = dynamic_cast<T*>(&control(g, name));
    if (c == nullptr) {
        std::cerr << "tsumikiya: panel control " << name << " is of another kind\n";
        std::abort();
    }
    return *c;
}
} // namespace

EditField& edit_field(Game& g, std::string_view name) { return typed<EditField>(g, name); }
SpinEdit& spin_edit(Game& g, std::string_view name) { return typed<SpinEdit>(g, name); }
Label& label(Game& g, std::string_view name) { return typed<Label>(g, name); }
PictureBox& picture_box(Game& g, std::string_view name) { return typed<PictureBox>(g, name); }

TextStyle title_style() { return TextStyle{14, true, look::title_colour, TextAlign::left}; }
TextStyle caption_style(int size) { return TextStyle{size, true, look::caption_colour, TextAlign::left}; }

} // namespace tsu
