// Replays: a window run's seed and every input event with the tick it
// arrived in, written as an input script with a header of comment lines:
//
//   # tsumikiya replay
//   # version 4.6          replays of another version are refused
//   # seed 123             the random generator's seed
//   # stage_set 0          stage set and heroine when the file was written
//   # heroine 1
//   # ticks 530            ticks the run lasted
//   # save 3130...         the save file at the start, as hex ("none": there was none)
//
// The save file is carried along because the game starts from it; a
// playback reads it from a scratch folder and never writes the player's.
#pragma once
#include "app/input_script.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tsu {

struct ReplayHeader {
    std::string version;
    uint64_t seed = 0;
    int stage_set = 0;
    int heroine = 0;
    int32_t ticks = 0;
    bool has_save = false;
    std::string save; // bytes of my.dat
};

class ReplayRecorder {
  public:
    void start(uint64_t seed, bool has_save, std::string save);
    // An event delivered after `e.tick` ticks; answers the player gave to
    // the questions it raised come first.
    void event(const InputEvent& e);
    // The player answered a question (a box of the window).
    void answer(bool yes) { answers_.push_back(yes); }
    // Answers given during a tick go before the next tick: at `tick`, the
    // number of ticks run before that tick.
    void flush_answers(int32_t tick);

    bool empty() const { return lines_.empty(); }
    std::string text(int32_t ticks, int stage_set, int heroine) const;

  private:
    ReplayHeader header_;
    std::vector<bool> answers_;
    std::string lines_;
};

// Reads a replay: its header and events. False with a reason when it is no
// replay, is malformed, or was recorded by another version.
bool load_replay(const std::string& path, ReplayHeader& header, std::vector<InputEvent>& events,
                 std::string& error);

// A new file name in the replays folder (local date and time, then the
// process number, so names sort by age).
std::string new_replay_path(const std::string& folder);
// Writes the replay atomically and keeps the newest `keep` replays.
bool write_replay(const std::string& path, const std::string& text, std::string& error,
                  std::size_t keep = 50);

// The folder a playback reads its save file from: a scratch folder with the
// recorded my.dat and copies of the player's own stages; removed when the
// object dies.
class ReplayFolder {
  public:
    ReplayFolder() = default;
    ~ReplayFolder();
    ReplayFolder(const ReplayFolder&) = delete;
    ReplayFolder& operator=(const ReplayFolder&) = delete;
    bool create(const ReplayHeader& header, const std::string& user_dir, std::string& error);
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

} // namespace tsu
