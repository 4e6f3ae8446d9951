// Writing and reading the stage file and chip file texts.
#include "data/stage_dat.h"

#include "data/number_reader.h"

#include <charconv>

namespace tsu {

namespace {

void append_line(std::string& out, int32_t v) {
    char buf[16];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
    out += "\r\n";
}

std::string describe(ReadStatus s, int line) {
    return "line " + std::to_string(line) + ": " + read_status_text(s);
}

} // namespace

std::string format_stage_dat(const StageGrid& grid) {
    std::string out;
    out.reserve(std::size_t(kStageValues + 1) * 4);
    for (const cell& c : grid.cells) {
        append_line(out, c.lower);
        append_line(out, c.upper);
        append_line(out, c.teki);
    }
    append_line(out, grid.weather);
    return out;
}

bool parse_stage_dat(std::string_view text, StageGrid& grid, StageDatProgress& progress) {
    progress = StageDatProgress{};
    NumberReader in(text);
    for (int k = 0; k < kStageValues; ++k) {
        int32_t v = 0;
        const ReadStatus s = in.read_line_number(v);
        if (s != ReadStatus::ok) {
            progress.line = in.line();
            progress.error = describe(s, progress.line);
            return false;
        }
        cell& c = grid.cells[std::size_t(k / 3)];
        (k % 3 == 0 ? c.lower : k % 3 == 1 ? c.upper : c.teki) = v;
        progress.values = k + 1;
    }
    int32_t weather = 0;
    const ReadStatus s = in.read_line_number(weather);
    if (s != ReadStatus::ok) {
        progress.line = in.line();
        progress.error = describe(s, progress.line);
        return false;
    }
    grid.weather = weather;
    progress.weather = true;
    return true;
}

std::string format_chip_dat(const PassTable& lower, const PassTable& upper) {
    std::string out;
    out.reserve(2 * kChips * 3);
    for (int32_t v : lower) append_line(out, v);
    for (int32_t v : upper) append_line(out, v);
    return out;
}

bool parse_chip_dat(std::string_view text, PassTable& lower, PassTable& upper,
                    std::string& error) {
    NumberReader in(text);
    for (int k = 0; k < 2 * kChips; ++k) {
        int32_t v = 0;
        const ReadStatus s = in.read_line_number(v);
        if (s != ReadStatus::ok) {
            error = describe(s, in.line());
            return false;
        }
        (k < kChips ? lower : upper)[std::size_t(k % kChips)] = v;
    }
    return true;
}

} // namespace tsu
