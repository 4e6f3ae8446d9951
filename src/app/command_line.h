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
    bool help = false;
    bool editor = false;         // open straight into the stage editor
};

// Parses argv; on a malformed command line returns false with the reason.
bool parse_command_line(int argc, const char* const* argv, CommandLine& out, std::string& error);
std::string usage_text();

} // namespace tsu
