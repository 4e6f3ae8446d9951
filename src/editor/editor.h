// The stage editor's operations that the rest of the game calls: its
// controls, painting, the editing keys, the info text of the tick, and the
// file buttons (each also reachable as a click on its control).
#pragma once
#include <string>

namespace tsu {

struct Game;

// Builds the editor's column beside the view and its row below it into
// g.controls; both are shown while the editor is open.
void build_editor_panel(Game& g);
// Draws the three palettes from the chip and enemy pictures, the chosen row
// framed.
void paint_palettes(Game& g);

// Painting at the last mouse position while the left button is held in the
// editor: a press starts a stroke (one undo step) and paints its cell; a
// move paints every cell on the way from the previous position; the release
// ends the stroke.
void editor_paint(Game& g, int x, int y);
void editor_drag(Game& g, int from_x, int from_y, int to_x, int to_y);
void editor_release(Game& g);

// Ctrl+Z undo, Ctrl+Y and Ctrl+Shift+Z redo; true when the key was used.
bool editor_key(Game& g, int key);
bool editor_undo(Game& g);
bool editor_redo(Game& g);

// The editor's info text, at the end of every tick while it is open; also
// keeps the recovery file and collects the solver's verdict.
void editor_info(Game& g);

// Palette choice: y in palette pixels, any button.
void choose_lower(Game& g, int y);
void choose_upper(Game& g, int y);
void choose_teki(Game& g, int y);
// The hidden passability switches: the selected chip becomes passable (0)
// or solid (1).
void editor_passability(Game& g, int solid);

// The file of the stage being edited: map_v, plus 100 for user stages.
int editor_stage_number(const Game& g);
void editor_scroll(Game& g, int by);
void editor_weather(Game& g, int weather);
void map_save(Game& g);
void map_load(Game& g);
void clear_stage(Game& g);
void start_test_play(Game& g);

// The editor was opened with F1 (or from the command line): offers the
// edits of a run that ended without saving them.
void editor_opened(Game& g);
// The window closes: unsaved edits go to the recovery file at once.
void editor_closing(Game& g);

} // namespace tsu
