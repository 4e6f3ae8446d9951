// chip.dat, whatever its bytes: the game's load ends with at most one
// message, and a file that reads whole writes back to text that reads to the
// same tables.
#include "data/stage_dat.h"
#include "data/stage_file.h"
#include "fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsu;
    static fuzz::FuzzRoot root;
    root.write("chip.dat", fuzz::as_text(data, size));
    root.platform.messages.clear();
    const bool ok = load_chips(root.g());
    FUZZ_CHECK(root.platform.messages.size() == (ok ? 0u : 1u));
    if (!ok) return 0;
    PassTable lower{}, upper{};
    std::string error;
    FUZZ_CHECK(parse_chip_dat(format_chip_dat(root.g().pass_lower, root.g().pass_upper), lower,
                              upper, error));
    FUZZ_CHECK(lower == root.g().pass_lower && upper == root.g().pass_upper);
    return 0;
}
