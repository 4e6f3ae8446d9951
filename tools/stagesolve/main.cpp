// tsumikiya-stagesolve: can the heroine reach the exit of a stage with her
// base moves? Prints the verdict and the way, and can write the way as a
// headless input script.
//
//   tsumikiya-stagesolve STAGE.stage|mapN.dat [--chips chips.txt|chip.dat]
//                        [--start-row N] [--phase N] [--script OUT.txt]
//   tsumikiya-stagesolve --traps STAGE.stage|mapN.dat [--chips ...] [--start-row N]...
//
// --traps looks for places where she can be stuck for good instead (and
// for cells the gauge hides at the final scroll); exit code 0 when there
// are none.
//
// Without --chips a stage file uses the chip.dat beside it and a stage
// source the chip source of the project. Exit code 0 when the stage can be
// completed, 1 when it cannot, 2 on a usage or file error.
#include "data/chip_source.h"
#include "data/file_io.h"
#include "data/stage_dat.h"
#include "data/stage_solver.h"
#include "data/stage_traps.h"
#include "data/stage_source.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace {

int usage() {
    std::fputs("usage: tsumikiya-stagesolve STAGE.stage|mapN.dat [--chips chips.txt|chip.dat]\n"
               "                            [--start-row N] [--phase N] [--script OUT.txt]\n"
               "       tsumikiya-stagesolve --traps STAGE.stage|mapN.dat [--chips F] [--start-row N]...\n",
               stderr);
    return 2;
}

int fail(const std::string& where, const std::string& what) {
    std::fprintf(stderr, "tsumikiya-stagesolve: %s: %s\n", where.c_str(), what.c_str());
    return 2;
}

bool ends_with(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

bool to_int(const char* text, int& out) {
    char* end = nullptr;
    const long v = std::strtol(text, &end, 10);
    if (end == text || *end != '\0' || v < -1000 || v > 1000) return false;
    out = int(v);
    return true;
}

std::string default_chips(const std::string& stage) {
    if (!ends_with(stage, ".dat")) return TSUMIKIYA_CHIPS_SOURCE;
    const auto slash = stage.find_last_of('/');
    return (slash == std::string::npos ? std::string() : stage.substr(0, slash + 1)) + "chip.dat";
}

} // namespace

int main(int argc, char** argv) {
    std::string stage_path, chips_path, script_path;
    tsu::SolveOptions options;
    bool traps = false;
    std::vector<int> start_rows;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool has_value = i + 1 < argc;
        if (a == "--chips" && has_value) {
            chips_path = argv[++i];
        } else if (a == "--script" && has_value) {
            script_path = argv[++i];
        } else if (a == "--traps") {
            traps = true;
        } else if (a == "--start-row" && has_value) {
            if (!to_int(argv[++i], options.start_row)) return usage();
            start_rows.push_back(options.start_row);
        } else if (a == "--phase" && has_value) {
            if (!to_int(argv[++i], options.scroll_phase)) return usage();
        } else if (!a.empty() && a[0] != '-' && stage_path.empty()) {
            stage_path = a;
        } else {
            return usage();
        }
    }
    if (stage_path.empty()) return usage();
    if (chips_path.empty()) chips_path = default_chips(stage_path);

    std::string text, error;
    auto grid = std::make_unique<tsu::StageGrid>();
    if (!tsu::read_file(stage_path, text, error)) return fail(stage_path, error);
    if (ends_with(stage_path, ".dat")) {
        tsu::StageDatProgress progress;
        if (!tsu::parse_stage_dat(text, *grid, progress)) return fail(stage_path, progress.error);
    } else if (!tsu::parse_stage_source(text, *grid, error)) {
        return fail(stage_path, error);
    }

    tsu::PassTable lower{}, upper{};
    if (!tsu::read_file(chips_path, text, error)) return fail(chips_path, error);
    const bool chips_ok = ends_with(chips_path, ".dat")
                              ? tsu::parse_chip_dat(text, lower, upper, error)
                              : tsu::parse_chip_source(text, lower, upper, error);
    if (!chips_ok) return fail(chips_path, error);

    if (traps) {
        tsu::TrapOptions o;
        if (!start_rows.empty()) o.start_rows = start_rows;
        const tsu::StageTraps t = tsu::find_traps(*grid, lower, upper, o);
        std::printf("%s: %s (%d moments explored)\n", stage_path.c_str(), t.summary().c_str(), t.states);
        return t.limit || t.stuck_states > 0 || !t.hidden.empty() ? 1 : 0;
    }
    const tsu::SolveResult r = tsu::solve_stage(*grid, lower, upper, options);
    std::fputs((stage_path + ": " + tsu::describe_path(r)).c_str(), stdout);
    if (!script_path.empty() && r.completable) {
        if (!tsu::write_file_atomic(script_path, tsu::input_script(r), error))
            return fail(script_path, error);
    }
    return r.completable ? 0 : 1;
}
