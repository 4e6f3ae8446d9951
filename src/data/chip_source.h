// The readable source of chip.dat: one line per chip,
//
//   lower 13 1   spike floor: hurts the heroine standing on it
//   upper  6 1   treasure box
//
// the layer, the chip number 0..99, its passability and then free text that
// says what the chip is. '#' starts a comment line. Every chip of both
// layers is listed exactly once.
#pragma once
#include "data/stage_dat.h"

#include <string>
#include <string_view>

namespace tsu {

// Parses the chip source into the two passability tables. False with
// `error` ("line N: ...") on a fault.
bool parse_chip_source(std::string_view text, PassTable& lower, PassTable& upper,
                       std::string& error);

} // namespace tsu
