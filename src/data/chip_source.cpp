// Reading the chip passability source.
#include "data/chip_source.h"

#include "data/number_reader.h"

#include <array>

namespace tsu {

namespace {

bool fail(std::string& error, int line, const std::string& text) {
    error = "line " + std::to_string(line) + ": " + text;
    return false;
}

} // namespace

bool parse_chip_source(std::string_view text, PassTable& lower, PassTable& upper,
                       std::string& error) {
    std::array<bool, kChips> seen_lower{}, seen_upper{};
    PassTable lo{}, up{};
    int line_no = 0;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t end = std::min(text.find('\n', pos), text.size());
        const std::string_view line = text.substr(pos, end - pos);
        pos = end + 1;
        ++line_no;

        std::size_t i = 0;
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t' || line[i] == '\r')) ++i;
        if (i == line.size() || line[i] == '#') continue;

        const std::string_view rest = line.substr(i);
        const bool is_lower = rest.substr(0, 6) == "lower ";
        const bool is_upper = rest.substr(0, 6) == "upper ";
        if (!is_lower && !is_upper)
            return fail(error, line_no, "a line starts with \"lower\" or \"upper\"");

        // The chip number and its value, each ended by a blank; the words
        // after them describe the chip.
        NumberReader in(rest.substr(6));
        int32_t chip = 0, value = 0;
        if (in.read(chip) != ReadStatus::ok || in.read(value) != ReadStatus::ok)
            return fail(error, line_no, "expected a chip number and its passability");
        if (chip < 0 || chip >= kChips)
            return fail(error, line_no, "chip numbers run 0..99");
        auto& seen = is_lower ? seen_lower : seen_upper;
        if (seen[std::size_t(chip)])
            return fail(error, line_no, "the chip is listed twice");
        seen[std::size_t(chip)] = true;
        (is_lower ? lo : up)[std::size_t(chip)] = value;
    }
    for (const bool is_lower : {true, false}) {
        const auto& seen = is_lower ? seen_lower : seen_upper;
        for (int k = 0; k < kChips; ++k) {
            if (!seen[std::size_t(k)]) {
                error = std::string(is_lower ? "lower" : "upper") + " chip " + std::to_string(k) +
                        " is missing";
                return false;
            }
        }
    }
    lower = lo;
    upper = up;
    return true;
}

} // namespace tsu
