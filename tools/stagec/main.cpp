// tsumikiya-stagec: turns stage sources into stage files and back, and the
// chip source into chip.dat.
//
//   tsumikiya-stagec compile   SOURCE.stage  OUT.dat
//   tsumikiya-stagec decompile IN.dat        OUT.stage
//   tsumikiya-stagec chips     CHIPS.txt     OUT/chip.dat
#include "data/chip_source.h"
#include "data/file_io.h"
#include "data/stage_dat.h"
#include "data/stage_source.h"

#include <cstdio>
#include <memory>
#include <string>

namespace {

int usage() {
    std::fputs("usage: tsumikiya-stagec compile SOURCE.stage OUT.dat\n"
               "       tsumikiya-stagec decompile IN.dat OUT.stage\n"
               "       tsumikiya-stagec chips CHIPS.txt OUT/chip.dat\n",
               stderr);
    return 2;
}

int fail(const std::string& where, const std::string& what) {
    std::fprintf(stderr, "tsumikiya-stagec: %s: %s\n", where.c_str(), what.c_str());
    return 1;
}

std::string base_name(const std::string& path) {
    const auto slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

int write(const std::string& path, const std::string& data) {
    std::string error;
    if (!tsu::write_file_atomic(path, data, error)) return fail(path, error);
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 4) return usage();
    const std::string command = argv[1], in_path = argv[2], out_path = argv[3];

    std::string text, error;
    if (!tsu::read_file(in_path, text, error)) return fail(in_path, error);

    if (command == "compile") {
        auto grid = std::make_unique<tsu::StageGrid>();
        if (!tsu::parse_stage_source(text, *grid, error)) return fail(in_path, error);
        return write(out_path, tsu::format_stage_dat(*grid));
    }
    if (command == "decompile") {
        auto grid = std::make_unique<tsu::StageGrid>();
        tsu::StageDatProgress progress;
        if (!tsu::parse_stage_dat(text, *grid, progress)) return fail(in_path, progress.error);
        return write(out_path,
                     tsu::format_stage_source(*grid, "stage source of " + base_name(in_path)));
    }
    if (command == "chips") {
        tsu::PassTable lower{}, upper{};
        if (!tsu::parse_chip_source(text, lower, upper, error)) return fail(in_path, error);
        return write(out_path, tsu::format_chip_dat(lower, upper));
    }
    return usage();
}
