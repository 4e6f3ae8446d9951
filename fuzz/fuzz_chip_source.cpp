// The chip source, whatever its text, parses or fails with a line number;
// one that parses compiles to a chip.dat that reads back to the same tables.
#include "data/chip_source.h"
#include "data/stage_dat.h"
#include "fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsu;
    PassTable lower{}, upper{}, lower2{}, upper2{};
    std::string error;
    if (!parse_chip_source(fuzz::as_text(data, size), lower, upper, error)) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    FUZZ_CHECK(parse_chip_dat(format_chip_dat(lower, upper), lower2, upper2, error));
    FUZZ_CHECK(lower2 == lower && upper2 == upper);
    return 0;
}
