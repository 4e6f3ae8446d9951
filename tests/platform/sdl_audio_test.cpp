// Sound effects and music through SDL_mixer on SDL's dummy audio driver
// (no sound card needed; the driver still runs the mixer in real time).
#include "platform/sdl_audio.h"

#include <gtest/gtest.h>

#include <SDL_mixer.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstring>
#include <iterator>
#include <vector>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

namespace {

namespace fs = std::filesystem;

// A mono 16-bit PCM wave of a square tone.
void write_wave(const fs::path& path, double seconds, int rate = 22050) {
    const auto samples = std::uint32_t(seconds * rate);
    const std::uint32_t data_bytes = samples * 2;
    std::ofstream f(path, std::ios::binary);
    auto u32 = [&](std::uint32_t v) { f.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&](std::uint16_t v) { f.write(reinterpret_cast<const char*>(&v), 2); };
    f.write("RIFF", 4);
    u32(36 + data_bytes);
    f.write("WAVEfmt ", 8);
    u32(16);
    u16(1); // PCM
    u16(1); // mono
    u32(std::uint32_t(rate));
    u32(std::uint32_t(rate) * 2);
    u16(2);
    u16(16);
    f.write("data", 4);
    u32(data_bytes);
    for (std::uint32_t i = 0; i < samples; ++i) u16((i / 25) % 2 ? 0x2000 : 0xE000);
}

class SdlAudioTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ::setenv("SDL_AUDIODRIVER", "dummy", 1);
        dir_ = fs::temp_directory_path() /
               ("tsu_audio_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        if (!audio_.open()) GTEST_SKIP() << "SDL audio (dummy driver) unavailable";
    }
    void TearDown() override {
        audio_.close();
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    // Waits up to `limit` for the music report.
    bool completed_within(std::chrono::milliseconds limit) {
        const auto end = std::chrono::steady_clock::now() + limit;
        while (std::chrono::steady_clock::now() < end) {
            if (audio_.take_music_completed()) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }
    fs::path dir_;
    tsu::SdlAudio audio_;
};

TEST_F(SdlAudioTest, SoundIsLoadedOnceAndVoicesMix) {
    write_wave(dir_ / "1.wav", 0.5);
    audio_.play_sound("1.wav", (dir_ / "1.wav").string());
    ASSERT_TRUE(audio_.sound_loaded("1.wav"));
    const int first = audio_.last_channel();
    EXPECT_GE(first, 0);
    // The file is gone now; the kept copy still plays, on another channel.
    fs::remove(dir_ / "1.wav");
    audio_.play_sound("1.wav", (dir_ / "1.wav").string());
    const int second = audio_.last_channel();
    EXPECT_GE(second, 0);
    EXPECT_NE(first, second);
}

TEST_F(SdlAudioTest, MissingSoundIsRememberedAndSkipped) {
    const std::string path = (dir_ / "nothing.wav").string();
    audio_.play_sound("nothing.wav", path);
    EXPECT_TRUE(audio_.sound_cached("nothing.wav"));
    EXPECT_FALSE(audio_.sound_loaded("nothing.wav"));
    EXPECT_LT(audio_.last_channel(), 0);
    // Appearing later changes nothing: the failure was remembered.
    write_wave(dir_ / "nothing.wav", 0.1);
    audio_.play_sound("nothing.wav", path);
    EXPECT_FALSE(audio_.sound_loaded("nothing.wav"));
}

TEST_F(SdlAudioTest, MoreVoicesThanChannelsStillPlay) {
    write_wave(dir_ / "long.wav", 2.0);
    for (int i = 0; i < tsu::SdlAudio::kChannels + 4; ++i) {
        audio_.play_sound("long.wav", (dir_ / "long.wav").string());
        EXPECT_GE(audio_.last_channel(), 0) << "voice " << i;
    }
}

TEST_F(SdlAudioTest, TrackThatRunsOutIsReported) {
    write_wave(dir_ / "short.wav", 0.15);
    audio_.music_play((dir_ / "short.wav").string());
    EXPECT_TRUE(completed_within(std::chrono::milliseconds(3000)));
    EXPECT_FALSE(completed_within(std::chrono::milliseconds(100))); // once only
}

TEST_F(SdlAudioTest, StoppedTrackIsNotReported) {
    write_wave(dir_ / "long.wav", 5.0);
    audio_.music_play((dir_ / "long.wav").string());
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    audio_.music_stop();
    EXPECT_FALSE(completed_within(std::chrono::milliseconds(300)));
}

TEST_F(SdlAudioTest, ReplacedTrackIsNotReportedButItsSuccessorIs) {
    write_wave(dir_ / "long.wav", 5.0);
    write_wave(dir_ / "short.wav", 0.15);
    audio_.music_play((dir_ / "long.wav").string());
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    audio_.music_play((dir_ / "short.wav").string());
    EXPECT_TRUE(completed_within(std::chrono::milliseconds(3000)));
    EXPECT_FALSE(completed_within(std::chrono::milliseconds(200)));
}

TEST_F(SdlAudioTest, MidiTrackPlaysThroughTheSoundfontAndIsReported) {
    if (tsu::find_soundfont().empty()) GTEST_SKIP() << "no General MIDI soundfont installed";
    // Format 0, 96 ticks a quarter: one short note, then the end of the track.
    const unsigned char midi[] = {'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96,
                                  'M', 'T', 'r', 'k', 0, 0, 0, 15,
                                  0x00, 0xC0, 0x00,             // piano
                                  0x00, 0x90, 0x3C, 0x64,       // note on
                                  0x18, 0x80, 0x3C, 0x40,       // note off after 1/16
                                  0x00, 0xFF, 0x2F, 0x00};      // end of track
    const fs::path path = dir_ / "theme.mid";
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(midi), sizeof midi);
    audio_.music_play(path.string());
    // The synthesizer lets the last note ring out before it reports the end.
    EXPECT_TRUE(completed_within(std::chrono::milliseconds(8000)));
}

TEST_F(SdlAudioTest, UnplayableMusicIsSilent) {
    std::ofstream(dir_ / "broken.mp3") << "not music at all";
    audio_.music_play((dir_ / "broken.mp3").string());
    audio_.music_play((dir_ / "missing.mid").string());
    EXPECT_FALSE(completed_within(std::chrono::milliseconds(200)));
}

// The mixer as SDL's disk audio driver records it, in real time, playing the
// game's own music and sound effects.
class RecordedMix : public ::testing::Test {
  protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("tsu_mix_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
        game_ = fs::path(TSUMIKIYA_GAME_DIR);
        for (const auto& e : fs::directory_iterator(game_ / "mp3"))
            if (e.path().extension() == ".mp3" && (track_.empty() || e.path() < track_)) track_ = e.path();
        if (track_.empty()) GTEST_SKIP() << "no MP3 track in the built data root";
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    // Opens the mixer on the disk driver, runs `play`, closes, and returns
    // the recorded 16-bit samples.
    template <class Play>
    std::vector<int16_t> record(const std::string& name, Play play) {
        const fs::path file = dir_ / (name + ".raw");
        ::setenv("SDL_AUDIODRIVER", "disk", 1);
        ::setenv("SDL_DISKAUDIOFILE", file.c_str(), 1);
        tsu::SdlAudio audio;
        if (!audio.open()) return {};
        play(audio);
        audio.close();
        ::unsetenv("SDL_DISKAUDIOFILE");
        std::ifstream in(file, std::ios::binary);
        std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::vector<int16_t> samples(bytes.size() / 2);
        std::memcpy(samples.data(), bytes.data(), samples.size() * 2);
        return samples;
    }
    static double rms(const std::vector<int16_t>& s, std::size_t from, std::size_t to) {
        double sum = 0;
        to = std::min(to, s.size());
        for (std::size_t i = from; i < to; ++i) sum += double(s[i]) * s[i];
        return to > from ? std::sqrt(sum / double(to - from)) : 0;
    }
    fs::path dir_, game_, track_;
};

TEST_F(RecordedMix, ABusySceneNeverReachesFullScaleAndTheMusicStaysAtItsLevel) {
    // Music alone, then the same track under a storm of effects: two or
    // three of the loudest every 80 ms tick for two seconds.
    const std::vector<int16_t> music = record("music", [&](tsu::SdlAudio& a) {
        a.music_play(track_.string());
        std::this_thread::sleep_for(std::chrono::milliseconds(1500));
    });
    if (music.empty()) GTEST_SKIP() << "SDL's disk audio driver is unavailable";
    const char* const loud[] = {"fire2.wav", "baku.wav", "exp.wav", "kaminari.wav", "over.wav",
                                "damage.wav", "coin.wav", "fire.wav", "down3.wav"};
    const std::vector<int16_t> busy = record("busy", [&](tsu::SdlAudio& a) {
        a.music_play(track_.string());
        for (int tick = 0; tick < 25; ++tick) {
            for (int k = 0; k < 2 + tick % 2; ++k) {
                const char* name = loud[(tick * 3 + k) % std::size(loud)];
                a.play_sound(name, (game_ / "dat" / name).string());
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(80));
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(300));
    });
    ASSERT_GT(busy.size(), 2u * 44100);
    const auto full = std::count_if(busy.begin(), busy.end(),
                                    [](int16_t v) { return v >= 32767 || v <= -32768; });
    EXPECT_EQ(full, 0) << "of " << busy.size() << " samples";

    // The music's own level, decoded from the file at full volume: the
    // recording keeps it (the limiter only takes back what would pass the
    // ceiling).
    tsu::SdlAudio decoder;
    ::setenv("SDL_AUDIODRIVER", "dummy", 1);
    ASSERT_TRUE(decoder.open());
    Mix_Chunk* chunk = Mix_LoadWAV(track_.string().c_str());
    ASSERT_NE(chunk, nullptr);
    const auto* pcm = reinterpret_cast<const int16_t*>(chunk->abuf);
    const std::vector<int16_t> original(pcm, pcm + chunk->alen / 2);
    Mix_FreeChunk(chunk);
    decoder.close();
    // The first second after the music starts (the driver's first buffers
    // may come before it).
    std::size_t start = 0;
    while (start < music.size() && music[start] == 0) ++start;
    const double played = rms(music, start, start + 2 * 44100);
    const double own = rms(original, 0, 2 * 44100);
    RecordProperty("full_scale_samples", int(full));
    RecordProperty("music_rms_played", int(played));
    RecordProperty("music_rms_own", int(own));
    EXPECT_GT(played, 0.7 * own) << "played " << played << " of " << own;
}

TEST(SdlAudioClosed, WithoutADeviceEverythingIsSilent) {
    tsu::SdlAudio audio; // never opened
    audio.play_sound("1.wav", "/nonexistent/1.wav");
    audio.music_play("/nonexistent/a.mp3");
    audio.music_stop();
    EXPECT_FALSE(audio.sound_cached("1.wav"));
    EXPECT_FALSE(audio.take_music_completed());
}

TEST(Soundfont, EnvironmentWinsOverTheInstalledOne) {
    ::setenv("SDL_SOUNDFONTS", "/somewhere/else.sf2", 1);
    EXPECT_EQ(tsu::find_soundfont(), "/somewhere/else.sf2");
    ::unsetenv("SDL_SOUNDFONTS");
    const std::string sf = tsu::find_soundfont();
    if (!sf.empty()) {
        EXPECT_TRUE(fs::is_regular_file(sf)) << sf;
    }
}

} // namespace
