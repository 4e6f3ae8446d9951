// SDL_mixer set-up, the wave cache and the music track.
#include "platform/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>

#include <atomic>
#include <cstdlib>
#include <filesystem>

namespace tsu {

namespace {

// Mix_HookMusicFinished takes a plain function without user data; one audio
// output exists at a time.
std::atomic<MusicTracker*> g_tracker{nullptr};

void on_music_finished() {
    // Audio thread (or inside Mix_HaltMusic): record the play number only.
    if (MusicTracker* t = g_tracker.load()) t->finished();
}

} // namespace

void SdlAudio::limit_mix(void* self, uint8_t* stream, int bytes) {
    // Audio thread: the limiter over every finished buffer of 16-bit samples.
    auto* a = static_cast<SdlAudio*>(self);
    const std::size_t frame_bytes = sizeof(int16_t) * std::size_t(a->mix_channels_);
    a->limiter_->process(reinterpret_cast<int16_t*>(stream), std::size_t(bytes) / frame_bytes,
                         a->mix_channels_);
}

std::string find_soundfont() {
    if (const char* env = std::getenv("SDL_SOUNDFONTS"); env && *env) return env;
    static const char* const kKnown[] = {
        "/usr/share/sounds/sf2/TimGM6mb.sf2",   // timgm6mb-soundfont
        "/usr/share/sounds/sf2/default-GM.sf2", // the system's chosen default
        "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    };
    std::error_code ec;
    for (const char* p : kKnown)
        if (std::filesystem::is_regular_file(p, ec)) return p;
    return {};
}

SdlAudio::~SdlAudio() { close(); }

void SdlAudio::set_volumes(int se, int music) {
    se_volume_ = std::clamp(se, 0, 100);
    music_volume_ = std::clamp(music, 0, 100);
    if (!open_) return;
    // With the limiter, full volume is the headroom level (limiter.h).
    const int top = limiter_ ? Limiter::kMixVolume : MIX_MAX_VOLUME;
    Mix_Volume(-1, se_volume_ * top / 100);
    Mix_VolumeMusic(music_volume_ * top / 100);
}

bool SdlAudio::open() {
    if (open_) return true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    subsystem_ = true;
    Mix_Init(MIX_INIT_MP3 | MIX_INIT_MID); // a missing decoder only silences its files
    if (Mix_OpenAudio(kFrequency, MIX_DEFAULT_FORMAT, 2, 1024) != 0) {
        Mix_Quit();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystem_ = false;
        return false;
    }
    Mix_AllocateChannels(kChannels);
    // Headroom: every voice and the music mixed at a quarter, the level
    // given back by the limiter (see limiter.h).
    int rate = 0, channels = 0;
    Uint16 format = 0;
    if (Mix_QuerySpec(&rate, &format, &channels) != 0 && format == AUDIO_S16SYS && channels > 0) {
        limiter_ = std::make_unique<Limiter>(rate);
        mix_channels_ = channels;
        Mix_SetPostMix(limit_mix, this);
    }
    open_ = true;
    set_volumes(se_volume_, music_volume_);
    if (const std::string sf = find_soundfont(); !sf.empty()) Mix_SetSoundFonts(sf.c_str());
    g_tracker.store(&tracker_);
    Mix_HookMusicFinished(on_music_finished);
    return true;
}

void SdlAudio::close() {
    if (open_) {
        tracker_.stop();
        Mix_HookMusicFinished(nullptr);
        Mix_SetPostMix(nullptr, nullptr);
        g_tracker.store(nullptr);
        free_music();
        Mix_HaltChannel(-1);
        for (auto& [name, chunk] : sounds_)
            if (chunk) Mix_FreeChunk(chunk);
        Mix_CloseAudio();
        Mix_Quit();
        limiter_.reset();
        open_ = false;
    }
    sounds_.clear();
    if (subsystem_) {
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
        subsystem_ = false;
    }
}

bool SdlAudio::sound_loaded(const std::string& name) const {
    const auto it = sounds_.find(name);
    return it != sounds_.end() && it->second != nullptr;
}

void SdlAudio::play_sound(const std::string& name, const std::string& path) {
    last_channel_ = -1;
    if (!open_) return;
    auto it = sounds_.find(name);
    if (it == sounds_.end()) it = sounds_.emplace(name, Mix_LoadWAV(path.c_str())).first;
    Mix_Chunk* chunk = it->second;
    if (!chunk) return; // remembered as missing: no retry on every play
    int ch = Mix_PlayChannel(-1, chunk, 0);
    if (ch < 0) {
        // Every channel busy: the oldest voice gives way to the new sound.
        const int oldest = Mix_GroupOldest(-1);
        if (oldest >= 0) ch = Mix_PlayChannel(oldest, chunk, 0);
    }
    last_channel_ = ch;
}

void SdlAudio::free_music() {
    // The halt runs the finished hook; stop() first makes that a non-completion.
    tracker_.stop();
    Mix_HaltMusic();
    if (music_) {
        Mix_FreeMusic(music_);
        music_ = nullptr;
    }
}

void SdlAudio::music_play(const std::string& path) {
    if (!open_) return;
    free_music();
    music_ = Mix_LoadMUS(path.c_str());
    if (!music_) return;
    tracker_.start();
    if (Mix_PlayMusic(music_, 1) != 0) tracker_.stop();
}

void SdlAudio::music_stop() {
    if (!open_) return;
    free_music();
}

} // namespace tsu
