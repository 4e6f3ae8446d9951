// The stage file and chip file formats, apart from the game state so that
// the stage tools share them. A stage file holds 30000 numbers (for each of
// the 100 columns, for each of its 100 rows: lower chip, upper chip, enemy
// type) and then the weather, one decimal number a line, lines ended by
// CR LF. chip.dat holds the passability of the 100 lower and then the 100
// upper chips the same way.
#pragma once
#include "game/tman.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace tsu {

inline constexpr int kStageColumns = 100;
inline constexpr int kStageRows = 100;
inline constexpr int kStageCells = kStageColumns * kStageRows;
inline constexpr int kStageValues = 3 * kStageCells; // lines 1..30000; the weather is 30001
inline constexpr int kChips = 100;                   // chip.dat: 100 lower, 100 upper

using PassTable = std::array<int32_t, kChips>;

// One stage as stored: column c, row r (0-based) is map[c + 1][r + 1] of
// the game. Cells are kept column by column, as the file lists them.
struct StageGrid {
    std::vector<cell> cells = std::vector<cell>(std::size_t(kStageCells));
    int32_t weather = 0;

    cell& at(int column, int row) { return cells[std::size_t(column * kStageRows + row)]; }
    const cell& at(int column, int row) const {
        return cells[std::size_t(column * kStageRows + row)];
    }
    bool operator==(const StageGrid& o) const {
        if (weather != o.weather || cells.size() != o.cells.size()) return false;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const cell &a = cells[i], &b = o.cells[i];
            if (a.lower != b.lower || a.upper != b.upper || a.teki != b.teki) return false;
        }
        return true;
    }
};

// The stage file text of a grid.
std::string format_stage_dat(const StageGrid& grid);

// How far a stage file was read: `values` numbers of the cells in file order
// (value k is field k % 3 of cell k / 3) and whether the weather followed.
struct StageDatProgress {
    int values = 0;
    bool weather = false;
    int line = 0;      // line of the failure, when there was one
    std::string error; // empty when the whole file was read
};

// Reads a stage file text into `grid` value by value, exactly as stored (no
// clamping). On a fault the values before it are in the grid and the rest
// keep what they held; returns false with `progress` telling where.
bool parse_stage_dat(std::string_view text, StageGrid& grid, StageDatProgress& progress);

// The chip.dat text of the two passability tables.
std::string format_chip_dat(const PassTable& lower, const PassTable& upper);

// Reads chip.dat into the tables in file order; on a fault the values before
// it are kept and `error` says what and on which line.
bool parse_chip_dat(std::string_view text, PassTable& lower, PassTable& upper,
                    std::string& error);

} // namespace tsu
