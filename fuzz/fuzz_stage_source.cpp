// A stage source, whatever its text, parses or fails with a line number. One
// that parses compiles to a stage file; that file decompiles to a source
// that compiles to the very same file.
#include "data/stage_dat.h"
#include "data/stage_source.h"
#include "fuzz_game.h"

#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsu;
    static auto grid = std::make_unique<StageGrid>();
    static auto again = std::make_unique<StageGrid>();
    std::string error;
    if (!parse_stage_source(fuzz::as_text(data, size), *grid, error)) {
        FUZZ_CHECK(!error.empty());
        return 0;
    }
    const std::string compiled = format_stage_dat(*grid);
    StageDatProgress progress;
    FUZZ_CHECK(parse_stage_dat(compiled, *again, progress));
    FUZZ_CHECK(*again == *grid);
    const std::string source = format_stage_source(*again, "round trip");
    FUZZ_CHECK(parse_stage_source(source, *again, error));
    FUZZ_CHECK(format_stage_dat(*again) == compiled);
    return 0;
}
