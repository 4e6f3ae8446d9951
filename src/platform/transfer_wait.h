// The window while the game waits for the ranking server: the game stands
// still (no tick, no input reaches it), but the window keeps repainting,
// shows the seconds of the wait, and can be closed, which cancels the
// transfer.
#pragma once

namespace tsu {

struct Game;
class GameWindow;
class HttpTransfer;

// Returns once the transfer is done; true when the window was closed
// meanwhile (the transfer was cancelled then and the game should end).
bool wait_in_window(HttpTransfer& transfer, GameWindow& window, Game& game);

} // namespace tsu
