// A stage file, whatever its bytes, loads into the game with at most one
// message, and every value the grid ends up with indexes its table safely:
// lower chips 0..49, upper chips 0..22, enemy types 0..25, and no enemy of
// another kind comes alive. The input is the compact form of stage_compact.h.
#include "data/stage_dat.h"
#include "data/stage_file.h"
#include "fuzz_game.h"
#include "stage_compact.h"

namespace {

tsu::fuzz::FuzzRoot& root() {
    static tsu::fuzz::FuzzRoot r;
    return r;
}

// Whether every value of the grid and every live enemy is safe to use. The
// check itself is left out of the coverage: it is no code under test.
__attribute__((no_sanitize("coverage"))) bool grid_is_safe(const tsu::Game& g) {
    unsigned bad = 0;
    for (const auto& column : g.map)
        for (const tsu::cell& c : column)
            bad |= unsigned(c.lower) > 49u | unsigned(c.upper) > 22u | unsigned(c.teki) > 25u;
    for (const tsu::tman& t : g.teki) bad |= t.alive >= 1 && unsigned(t.kind - 1) > 24u;
    return bad == 0;
}

} // namespace

// The freed buffers of a 30,001-line load are big; a smaller quarantine
// lets their memory come back instead of new pages every run (a use after
// free within a run is still caught).
extern "C" const char* __asan_default_options() { return "quarantine_size_mb=8"; }

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tsu::PassTable lower{}, upper{};
    for (int k = 1; k <= 5; ++k) lower[std::size_t(k)] = 1;
    upper[6] = 1;
    root().write("chip.dat", tsu::format_chip_dat(lower, upper));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsu;
    auto& r = root();
    Game& g = r.g();
    static fuzz::StageExpander expander;
    r.write("map0.dat", expander.expand(data, size));
    r.platform.messages.clear();
    const bool ok = load_stage(g, 0);
    FUZZ_CHECK(r.platform.messages.size() == (ok ? 0u : 1u));
    FUZZ_CHECK(grid_is_safe(g));
    return 0;
}
