// The option panel of the title screen and the panels it leads to: their
// switches, opening and closing.
#pragma once

namespace tsu {

struct Game;

// Opens the option panel from the title (right click or M): saves, plays
// "2.wav", shows the panel with the switches set from the options.
void open_options(Game& g);
// "BAK(ESC)" of the option panel: closes it and applies the switches.
void close_options(Game& g);
// NOMAL (and text effects ON, which share the handler): hides the EASY note.
void nomal_b1Click(Game& g);
// Applies the switches to the options (also done when the extra-stage panel opens).
void apply_option_switches(Game& g);
// "BAK(ESC)" of the extra-stage panel: saves and returns to the option panel.
void close_extra_panel(Game& g);
// "EXTRA STAGE(E)" of the option panel ("IR表示(I)" is ir_bClick of the ranking screen).
void open_extra_panel(Game& g);

} // namespace tsu
