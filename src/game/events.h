// The game's entry points, called by the shell (SDL window or headless
// runner) one at a time on the game's thread: start-up, the 80 ms tick, keys,
// mouse, the music player's report and window close.
#pragma once
#include <string>

namespace tsu {

struct Game;

// Virtual-key codes of the game's key table.
namespace vk {
inline constexpr int enter = 13, shift = 16, control = 17, esc = 27, left = 37, up = 38, right = 39, down = 40;
inline constexpr int f1 = 112, yen = 220; // 220: the JIS yen key (backslash elsewhere)
// Editing keys of the panels' fields and buttons (not in the game's key table).
inline constexpr int backspace = 8, tab = 9, space = 32, end = 35, home = 36, del = 46;
// Letters use their upper-case ASCII codes ('A' = 65 .. 'Z' = 90).
} // namespace vk

enum class MouseButton { left, right };

// Window creation: seeds nothing (the caller seeds g.random), loads the save
// file, fills the enemy types, loads every picture and shows the title.
// Returns false when start-up failed; the error was shown in a message box.
bool FormCreate(Game& g);
// Window close: writes the save file.
void FormClose(Game& g);

void Timer1Timer(Game& g);                    // the 80 ms main tick
void FormKeyDown(Game& g, int key);           // key pressed (auto-repeat repeats it)
void FormKeyUp(Game& g, int key);             // key released
void cgMouseDown(Game& g, MouseButton button, int x, int y); // view pixels
void cgMouseUp(Game& g, MouseButton button, int x, int y);
void cgMouseMove(Game& g, int x, int y);
void mid_pNotify(Game& g, bool completed);    // music player: a play ended
// The pointer anywhere on the client area (client pixels: the view, and the
// editor's column and row while it is open). Shown panels and their controls
// take it first; what they leave goes to the game view's handlers above.
void mouse_down(Game& g, MouseButton button, int x, int y);
void mouse_up(Game& g, MouseButton button, int x, int y);
void mouse_move(Game& g, int x, int y);

// Text typed into the focused edit field of a panel (UTF-8).
void text_input(Game& g, const std::string& utf8);
// The input method's text being composed for the focused field (shown
// underlined at the caret until text_input commits it); empty when done.
void text_composition(Game& g, const std::string& utf8, int cursor);
// An edit field has the keyboard focus: the shell takes text input then.
// When true, the field's client rectangle is written to rect (x, y, w, h).
bool wants_text_input(const Game& g, int* rect = nullptr);
// A panel control pressed by its name (e.g. "Label22"); false if unknown or hidden.
bool click_control(Game& g, const std::string& name);

// A panel is shown; moving the focus through its controls and pressing the
// focused one (for the keyboard and game pads).
bool panel_open(const Game& g);
void focus_move(Game& g, int step);
void press_focused(Game& g);

} // namespace tsu
