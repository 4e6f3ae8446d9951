// The music and sound effects as the game plays them: the generator writes
// at least six tracks of 60 s or more into mp3/, MIDI files whose chunks
// parse, whose tracks all end together on a bar line (so a repeat loops
// cleanly) and whose notes all end; MP3 files that decode to a full minute
// of sound; and every wave and track loads and starts in SDL_mixer on the
// dummy audio driver.
#include "platform/sdl_audio.h"
#include "support/game_fixture.h"
#include "tools/generated_root.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <vector>

#include <unistd.h>

namespace tsu {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

std::uint32_t be32(const Bytes& b, std::size_t at) {
    return std::uint32_t(b[at]) << 24 | std::uint32_t(b[at + 1]) << 16 | std::uint32_t(b[at + 2]) << 8 | b[at + 3];
}

// What a small standard MIDI file reader finds in a file.
struct MidiFacts {
    bool ok = false;
    std::string error;
    int format = -1, division = 0;
    std::vector<long> track_ends; // tick of each track's end-of-track event
    long tempo_us = 500000;       // microseconds a quarter note
    int beats_per_bar = 4;
    int notes = 0, unfinished = 0, channels_used = 0;
    double seconds() const {
        return track_ends.empty() ? 0 : double(track_ends.front()) / division * tempo_us / 1e6;
    }
};

MidiFacts read_midi(const Bytes& b) {
    MidiFacts m;
    auto fail = [&](const char* why) {
        m.error = why;
        return m;
    };
    if (b.size() < 14 || std::string(b.begin(), b.begin() + 4) != "MThd" || be32(b, 4) != 6) return fail("no MThd");
    m.format = b[8] << 8 | b[9];
    const int tracks = b[10] << 8 | b[11];
    m.division = b[12] << 8 | b[13];
    if (m.division <= 0 || (m.division & 0x8000)) return fail("bad division");
    std::size_t at = 14;
    std::map<int, int> sounding; // channel * 128 + key -> open notes
    std::map<int, bool> channels;
    for (int t = 0; t < tracks; ++t) {
        if (at + 8 > b.size() || std::string(b.begin() + long(at), b.begin() + long(at) + 4) != "MTrk")
            return fail("no MTrk");
        const std::size_t end = at + 8 + be32(b, at + 4);
        if (end > b.size()) return fail("track runs past the file");
        std::size_t p = at + 8;
        long tick = 0;
        int status = 0;
        bool ended = false;
        auto var = [&]() {
            long v = 0;
            for (int i = 0; i < 4 && p < end; ++i) {
                const std::uint8_t c = b[p++];
                v = (v << 7) | (c & 0x7F);
                if (!(c & 0x80)) break;
            }
            return v;
        };
        while (p < end && !ended) {
            tick += var();
            if (p >= end) return fail("event runs past the track");
            if (b[p] & 0x80) status = b[p++];
            if (status == 0xFF) {
                const int type = b[p++];
                const long len = var();
                if (type == 0x2F) ended = true, m.track_ends.push_back(tick);
                if (type == 0x51 && len == 3) m.tempo_us = long(b[p]) << 16 | long(b[p + 1]) << 8 | b[p + 2];
                if (type == 0x58 && len >= 1) m.beats_per_bar = b[p];
                p += std::size_t(len);
            } else if (status == 0xF0 || status == 0xF7) {
                p += std::size_t(var());
            } else {
                const int kind = status & 0xF0, ch = status & 0x0F;
                const int a = b[p++];
                const int v = (kind == 0xC0 || kind == 0xD0) ? 0 : b[p++];
                if (kind == 0x90 && v > 0) ++sounding[ch * 128 + a], ++m.notes, channels[ch] = true;
                else if (kind == 0x80 || (kind == 0x90 && v == 0)) --sounding[ch * 128 + a];
            }
        }
        if (!ended || p != end) return fail("a track does not end with its end-of-track event");
        at = end;
    }
    for (const auto& [k, n] : sounding) m.unfinished += n != 0;
    m.channels_used = int(channels.size());
    m.ok = true;
    return m;
}

// Reads the shared generated root (see generated_root.h).
class GeneratedMusic : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { base_ = testing_support::generated_root(); }
    void SetUp() override { ASSERT_FALSE(base_.empty()) << "the generator failed"; }

    static std::vector<fs::path> tracks(const std::string& ext = "") {
        std::vector<fs::path> out;
        for (const auto& e : fs::directory_iterator(base_ / "mp3"))
            if (ext.empty() || e.path().extension() == ext) out.push_back(e.path());
        std::sort(out.begin(), out.end());
        return out;
    }

    static fs::path base_;
};
fs::path GeneratedMusic::base_;

TEST_F(GeneratedMusic, AtLeastSixTracksInBothFormats) {
    EXPECT_GE(tracks().size(), 6u);
    EXPECT_GE(tracks(".mid").size(), 1u);
    EXPECT_GE(tracks(".mp3").size(), 1u);
    for (const auto& t : tracks()) EXPECT_TRUE(t.extension() == ".mid" || t.extension() == ".mp3") << t;
}

TEST_F(GeneratedMusic, MidiFilesParseRunAMinuteAndLoopOnABarLine) {
    for (const auto& t : tracks(".mid")) {
        const MidiFacts m = read_midi(testing::read_bytes(t));
        ASSERT_TRUE(m.ok) << t << ": " << m.error;
        EXPECT_EQ(m.format, 1) << t;
        EXPECT_GE(m.track_ends.size(), 3u) << t << ": a tempo track and parts";
        EXPECT_GE(m.seconds(), 60.0) << t;
        EXPECT_LE(m.seconds(), 150.0) << t;
        // Every track ends on the same tick, a whole number of bars.
        for (const long e : m.track_ends) EXPECT_EQ(e, m.track_ends.front()) << t;
        EXPECT_EQ(m.track_ends.front() % (long(m.division) * m.beats_per_bar), 0) << t;
        EXPECT_GT(m.notes, 100) << t;
        EXPECT_EQ(m.unfinished, 0) << t << ": notes left sounding";
        EXPECT_GE(m.channels_used, 2) << t;
    }
}

TEST(AssetgenMidiReader, FindsAFaultInABrokenFile) {
    // A track whose length claims more bytes than the file has.
    const Bytes broken = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 1, 1, 0xE0,
                          'M', 'T', 'r', 'k', 0, 0, 0, 40, 0, 0xFF, 0x2F, 0};
    EXPECT_FALSE(read_midi(broken).ok);
    const Bytes no_end = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 1, 1, 0xE0,
                          'M', 'T', 'r', 'k', 0, 0, 0, 4, 0, 0x90, 60, 100};
    EXPECT_FALSE(read_midi(no_end).ok);
}

// SDL_mixer on the dummy driver, opened for one test.
class Mixer {
  public:
    Mixer() {
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
        subsystem_ = true;
        Mix_Init(MIX_INIT_MP3 | MIX_INIT_MID);
        if (const std::string sf = find_soundfont(); !sf.empty()) Mix_SetSoundFonts(sf.c_str());
        open_ = Mix_OpenAudio(44100, AUDIO_S16SYS, 2, 1024) == 0;
        if (open_) Mix_AllocateChannels(8);
    }
    ~Mixer() {
        if (open_) {
            Mix_HaltMusic();
            Mix_HaltChannel(-1);
            Mix_CloseAudio();
        }
        if (subsystem_) {
            Mix_Quit();
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
    }
    bool open() const { return open_; }

  private:
    bool subsystem_ = false, open_ = false;
};

TEST_F(GeneratedMusic, Mp3TracksDecodeToAMinuteOfSound) {
    Mixer mixer;
    if (!mixer.open()) GTEST_SKIP() << "SDL audio (dummy driver) unavailable";
    for (const auto& t : tracks(".mp3")) {
        // Mix_LoadWAV decodes the whole file into the device's format.
        Mix_Chunk* chunk = Mix_LoadWAV(t.string().c_str());
        ASSERT_NE(chunk, nullptr) << t << ": " << Mix_GetError();
        const auto* s = reinterpret_cast<const std::int16_t*>(chunk->abuf);
        const std::size_t n = chunk->alen / 2;
        const double seconds = double(n) / 2 / 44100;
        EXPECT_GE(seconds, 60.0) << t;
        EXPECT_LE(seconds, 150.0) << t;
        double sum = 0;
        int peak = 0;
        for (std::size_t i = 0; i < n; ++i) {
            sum += double(s[i]) * s[i];
            peak = std::max(peak, std::abs(int(s[i])));
        }
        const double rms = std::sqrt(sum / double(n));
        EXPECT_GT(rms, 2000) << t << ": too quiet";
        EXPECT_GT(peak, 20000) << t;
        // Sound all the way through: no silent stretch of a second or more.
        const std::size_t second = 2 * 44100;
        for (std::size_t from = second; from + second < n; from += second) {
            int loud = 0;
            for (std::size_t i = from; i < from + second; ++i) loud = std::max(loud, std::abs(int(s[i])));
            EXPECT_GT(loud, 2000) << t << " is silent near " << from / second << " s";
            if (loud <= 2000) break;
        }
        Mix_FreeChunk(chunk);
    }
}

TEST_F(GeneratedMusic, EveryTrackLoadsAndStartsInTheMixer) {
    Mixer mixer;
    if (!mixer.open()) GTEST_SKIP() << "SDL audio (dummy driver) unavailable";
    const bool midi = !find_soundfont().empty();
    for (const auto& t : tracks()) {
        if (t.extension() == ".mid" && !midi) continue;
        Mix_Music* music = Mix_LoadMUS(t.string().c_str());
        ASSERT_NE(music, nullptr) << t << ": " << Mix_GetError();
        EXPECT_EQ(Mix_PlayMusic(music, 0), 0) << t << ": " << Mix_GetError();
        EXPECT_EQ(Mix_PlayingMusic(), 1) << t;
        SDL_Delay(50);
        Mix_HaltMusic();
        Mix_FreeMusic(music);
    }
}

TEST_F(GeneratedMusic, EverySoundEffectLoadsAndPlays) {
    Mixer mixer;
    if (!mixer.open()) GTEST_SKIP() << "SDL audio (dummy driver) unavailable";
    int count = 0;
    for (const auto& e : fs::directory_iterator(base_ / "dat")) {
        Mix_Chunk* chunk = Mix_LoadWAV(e.path().string().c_str());
        ASSERT_NE(chunk, nullptr) << e.path() << ": " << Mix_GetError();
        EXPECT_GT(chunk->alen, 0u) << e.path();
        EXPECT_GE(Mix_PlayChannel(-1, chunk, 0), 0) << e.path() << ": " << Mix_GetError();
        Mix_HaltChannel(-1);
        Mix_FreeChunk(chunk);
        ++count;
    }
    EXPECT_EQ(count, 28);
}

} // namespace
} // namespace tsu
