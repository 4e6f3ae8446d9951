// The title screen's panels as controls: building them once for a game, the
// panels' own 80 ms timers, and access to their fields by name.
#pragma once
#include "widgets/control_tree.h"
#include "widgets/edit_field.h"
#include "widgets/label.h"
#include "widgets/latch_button.h"
#include "widgets/picture_box.h"
#include "widgets/spin_edit.h"

#include <string_view>

namespace tsu {

struct Game;

// Builds the option panel (with the profile box), the extra-stage panel and
// the ranking panel into g.controls, hidden, with their handlers attached.
void build_panels(Game& g);

// The panels' timers, on the beat of the main tick: the extra-stage record
// text and the ranking detail line while their panels are shown.
void panel_timers(Game& g);

// A control of the panels by name; the panels are built with the game, so a
// missing name is a programming error.
Control& control(Game& g, std::string_view name);
EditField& edit_field(Game& g, std::string_view name);
SpinEdit& spin_edit(Game& g, std::string_view name);
Label& label(Game& g, std::string_view name);
PictureBox& picture_box(Game& g, std::string_view name);

// Builders of the single panels (each in its own file).
void build_option_panel(Game& g);
void build_profile_panel(Game& g, Panel& option_box);
void build_extra_panel(Game& g);
void build_ranking_panel(Game& g);

// Common text styles of the panels.
TextStyle title_style();
TextStyle caption_style(int size = 10);

} // namespace tsu
