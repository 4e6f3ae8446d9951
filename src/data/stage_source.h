// The readable stage source: how designers write stages and how any stage
// file can be turned back into text.
//
//   # comments start with '#' and run to the end of the line
//   weather 0                 # 0 晴れ, 1 小雨, 2 嵐, 3 雪, 4 秋風
//
//   [legend]                  # symbol  lower upper enemy
//   .  0 0 0
//   =  1 0 0
//   E  6 0 0
//
//   [map]
//   ....(100 symbols)....     # grid row 1 = play row 0, the top of the view
//   ...                       # 21 rows at least: grid row 21 (play row 20)
//                             # is the floor border just below the view
//
// A symbol is any one character (UTF-8) except blanks and '#'. Each map row
// holds exactly 100 symbols, columns 1..100 of the grid. Rows 22..100 of the
// grid are never shown; a source may list them (up to 100 rows in all) and
// rows it leaves out are empty.
#pragma once
#include "data/stage_dat.h"

#include <string>
#include <string_view>

namespace tsu {

inline constexpr int kSourceMinRows = 21; // grid rows 1..21 of play

// Parses a stage source into `grid` (every cell not listed becomes empty).
// False with `error` ("line N: ...") on a fault.
bool parse_stage_source(std::string_view text, StageGrid& grid, std::string& error);

// Writes `grid` as a stage source with a legend built from the cells it
// holds: '.' for an empty cell, capitals for lower chips alone, small
// letters for upper chips alone, digits for enemies alone, other symbols
// for the rest. `heading` becomes the first comment line when not empty.
// parse_stage_source gives back exactly `grid`.
std::string format_stage_source(const StageGrid& grid, std::string_view heading = {});

} // namespace tsu
