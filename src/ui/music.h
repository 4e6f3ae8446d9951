// Background music: a random track of the mp3/ folder, repeated when it ends.
#pragma once
#include <string>

namespace tsu {

struct Game;

void stop_music(Game& g);
// Starts a random file of the music folder and shows its title ("♪" + name)
// as a side message. Nothing happens while music is off or the folder is empty.
void play_random_music(Game& g);
// Plays mp3/<name>; "not" stops the music.
void play_mp3(Game& g, const std::string& name);

} // namespace tsu
