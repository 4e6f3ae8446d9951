// The screen modes' transitions: starting a run, the next stage, back to
// the editor, back to the title, opening the editor and the developer start.
#pragma once

namespace tsu {

struct Game;
struct tmy;

// The stock a run (or the editor's test play) starts with: three lives, no
// gold, one C and one A, no barrage, nothing played yet.
void reset_run_stock(tmy& my);

// What every run starts with, official or on a pack: the start sound, play
// mode, stage 0, three lives, no gold, one C and one A, no stage cleared.
void begin_run(Game& g);
void start_run(Game& g);
void next_stage(Game& g);
void back_to_editor(Game& g);
void return_to_title(Game& g);
void open_editor(Game& g);
void developer_start(Game& g);
// Shows the title picture of the current heroine.
void show_title_picture(Game& g);

} // namespace tsu
