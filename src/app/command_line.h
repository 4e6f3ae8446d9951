// The command line of the game executable.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace tsu {

struct Screenshot {
    std::string path; // PNG file
    int32_t tick = 0; // written after this many ticks have run
};

struct CommandLine {
    bool headless = false;
    std::string root;            // data root; empty = the executable's folder
    bool seed_given = false;
    uint64_t seed = 0;
    std::string input;           // headless input script
    int32_t ticks = 0;           // headless: ticks to run
    std::string dump;            // headless: JSON dump written at the end
    std::vector<Screenshot> shots;
    int scale = 0;               // window: whole-multiple scale, 0 = largest that fits
    int fullscreen = -1;         // window: 1 --fullscreen, 0 --windowed, -1 as the settings say
    std::string ranking_url;     // --ranking-url; empty = as the settings say
    std::string replay;          // --replay FILE: play a recorded run back
    std::string virtual_pad;     // --virtual-pad FILE: a scripted gamepad (tests)
    bool help = false;
    bool editor = false;         // open straight into the stage editor
    bool version = false;
    // Not flags: the user data folder main() chose (empty = <root>/dat).
    std::string user_dir;
};

// Parses argv; on a malformed command line returns false with the reason.
bool parse_command_line(int argc, const char* const* argv, CommandLine& out, std::string& error);
std::string usage_text();
// --help: the usage, every flag, the keys and where the files live.
std::string help_text();
// The game's version ("4.6"); replays of another version are refused.
const char* game_version();

} // namespace tsu
