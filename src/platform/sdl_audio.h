// Sound effects and music through SDL_mixer. Effects are wave files loaded
// once by name and kept, each play on a free channel so voices mix. Music is
// one track at a time (MP3 through mpg123, MIDI through fluidsynth with the
// General MIDI soundfont), played once from the start; a play that ran to
// its end is reported through take_music_completed(). Every source is mixed
// with headroom and the finished mix goes through a limiter (limiter.h), so
// a busy scene never clips. With no audio device everything is silent;
// every failure is silent.
#pragma once
#include "platform/limiter.h"
#include "platform/music_tracker.h"

#include <cstdint>
#include <memory>
#include <string>
#include <unordered_map>

struct Mix_Chunk;
typedef struct _Mix_Music Mix_Music;

namespace tsu {

class SdlAudio {
  public:
    SdlAudio() = default;
    ~SdlAudio();
    SdlAudio(const SdlAudio&) = delete;
    SdlAudio& operator=(const SdlAudio&) = delete;

    // Opens the audio device (initialising SDL's audio subsystem); false when
    // there is none, and the game then runs silent.
    bool open();
    void close();
    bool is_open() const { return open_; }

    // Volumes of the sound effects and of the music, 0..100 (the settings').
    void set_volumes(int se, int music);

    void play_sound(const std::string& name, const std::string& path);
    void music_play(const std::string& path);
    void music_stop();
    // Main thread, once per loop: true when the last started track ran out.
    bool take_music_completed() { return tracker_.take_completed(); }

    // For the tests: whether a sound name is cached, and whether it loaded.
    bool sound_cached(const std::string& name) const { return sounds_.count(name) != 0; }
    bool sound_loaded(const std::string& name) const;
    int last_channel() const { return last_channel_; }

    static constexpr int kFrequency = 44100;
    static constexpr int kChannels = 16;

  private:
    void free_music();

    bool open_ = false;
    bool subsystem_ = false;
    std::unordered_map<std::string, Mix_Chunk*> sounds_; // null: failed to load
    Mix_Music* music_ = nullptr;
    MusicTracker tracker_;
    int last_channel_ = -1;
    int se_volume_ = 100, music_volume_ = 100;
    std::unique_ptr<Limiter> limiter_; // on the finished mix (audio thread)
    int mix_channels_ = 0;             // samples a frame of the mix
    static void limit_mix(void* self, uint8_t* stream, int bytes);
};

// The General MIDI soundfont used for MIDI music: SDL_SOUNDFONTS when set,
// else the first installed one of the known places; empty when none.
std::string find_soundfont();

} // namespace tsu
