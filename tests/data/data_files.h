// Helpers of the data-file tests: a game over a temporary data root with a
// dat folder, and quick ways to put stage, chip and save files there.
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
#include <string_view>

namespace tsu::testing {

struct DataRoot {
    explicit DataRoot(bool with_dat = true) : game(std::make_unique<Game>()) {
        if (with_dat) std::filesystem::create_directory(dir.path() / "dat");
        game->platform = &platform;
        game->root = dir.str();
        fill_teki_type(*game);
    }

    std::filesystem::path dat(const std::string& name) const { return dir.path() / "dat" / name; }

    void write(const std::string& name, std::string_view data) const {
        std::ofstream out(dat(name), std::ios::binary | std::ios::trunc);
        out.write(data.data(), std::streamsize(data.size()));
    }

    std::string read(const std::string& name) const {
        std::ifstream in(dat(name), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    bool exists(const std::string& name) const { return std::filesystem::exists(dat(name)); }

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

    Game& g() { return *game; }

    FakePlatform platform;
    TempDir dir;
    std::unique_ptr<Game> game;
};

// The lines of a CR LF text, without their line ends.
inline std::vector<std::string> crlf_lines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) {
            lines.push_back(text.substr(pos));
            break;
        }
        lines.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return lines;
}

inline std::string join_crlf(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

} // namespace tsu::testing
