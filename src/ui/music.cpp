// Background music through the platform's music player.
#include "ui/music.h"

#include "game/events.h"
#include "game/game.h"
#include "render/effect_spawn.h"

namespace tsu {

void stop_music(Game& g) {
    if (g.my.music_off == 1) return;
    g.platform->music_stop();
}

void play_mp3(Game& g, const std::string& name) {
    if (g.my.music_off == 1) return;
    if (name == "not") {
        g.platform->music_stop();
        return;
    }
    g.music_file = g.path("mp3", name);
    g.platform->music_play(g.music_file);
}

void play_random_music(Game& g) {
    if (g.my.music_off == 1) return;
    const std::vector<std::string> music_list = g.platform->list_folder(g.path("mp3", ""));
    // An empty or missing folder gives nothing to play and no title to show.
    if (music_list.empty()) return;
    const int32_t a = g.rnd(int32_t(music_list.size()));
    const std::string& name = music_list[std::size_t(a)];
    play_mp3(g, name);
    g.music_title = name.size() > 4 ? name.substr(0, name.size() - 4) : std::string();
    for (int i = 0; i < kEffectSlots; ++i)
        if (g.effects.ef_kind[std::size_t(i)] == 6) g.effects.ef_age[std::size_t(i)] = 0;
    spawn_effect(g, 512, 37, 6, "♪" + g.music_title);
}

// The player reports the end of a play; a track that ran to its end starts over.
void mid_pNotify(Game& g, bool completed) {
    if (!completed) return;
    if (!g.music_file.empty()) g.platform->music_play(g.music_file);
}

} // namespace tsu
