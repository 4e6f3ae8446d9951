// Helpers of the data-file tests: a game over a temporary data root with a
// dat folder, and quick ways to put files there and read them back.
#pragma once
#include "data/stage_dat.h"
#include "data/teki_table.h"
#include "game/game.h"
#include "support/fake_platform.h"
#include "support/game_fixture.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

namespace tsu::testing {

struct DataRoot {
    explicit DataRoot(bool with_dat = true) : game(std::make_unique<Game>()) {
        if (with_dat) std::filesystem::create_directory(dir.path() / "dat");
        game->platform = &platform;
        game->root = dir.str();
        fill_teki_type(*game);
    }
    std::filesystem::path dat(const std::string& name) const { return dir.path() / "dat" / name; }
    void write(const std::string& name, const std::string& data) const {
        std::ofstream(dat(name), std::ios::binary) << data;
    }
    std::string read(const std::string& name) const {
        std::ifstream in(dat(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    void write_stage(int n, const StageGrid& grid) const {
        write("map" + std::to_string(n) + ".dat", format_stage_dat(grid));
    }
    // chip.dat where lower chips 1..5 and upper chip 6 are solid.
    void write_plain_chips() const {
        PassTable lower{}, upper{};
        for (int k = 1; k <= 5; ++k) lower[std::size_t(k)] = 1;
        upper[6] = 1;
        write("chip.dat", format_chip_dat(lower, upper));
    }
    const std::vector<std::string>& messages() const { return platform.messages; }
    Game& g() { return *game; }

    FakePlatform platform;
    TempDir dir;
    std::unique_ptr<Game> game;
};

// The lines of a CR LF text without their line ends, and back.
inline std::vector<std::string> crlf_lines(const std::string& text) {
    std::vector<std::string> lines;
    for (std::size_t pos = 0, end; pos < text.size(); pos = end + 2) {
        end = text.find("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        lines.push_back(text.substr(pos, end - pos));
    }
    return lines;
}
inline std::string join_crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

// A few values side by side, for one comparison with readable output.
using V = std::vector<int32_t>;

inline bool contains(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

} // namespace tsu::testing
