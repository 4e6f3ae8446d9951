// The save file, whatever its bytes, loads with at most one message. What
// was read is written again, and that file loads and writes to the very same
// bytes: a save survives any number of load-save rounds.
#include "data/save_file.h"
#include "fuzz_game.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsu;
    static fuzz::FuzzRoot root;
    Game& g = root.g();
    root.write("my.dat", fuzz::as_text(data, size));
    root.platform.messages.clear();
    reset_save_values(g);
    g.save_memory = SaveMemory{}; // nothing of the last input's texts
    const SaveLoad r = load_save(g);
    // A file never reset shows "初期化しました" after a whole read.
    FUZZ_CHECK(root.platform.messages.size() == (r == SaveLoad::loaded ? 0u : 1u));
    if (r == SaveLoad::failed) return 0;
    root.platform.messages.clear();
    FUZZ_CHECK(write_save(g));
    const std::string first = root.read("my.dat");
    FUZZ_CHECK(load_save(g) == SaveLoad::loaded);
    FUZZ_CHECK(write_save(g));
    FUZZ_CHECK(root.read("my.dat") == first);
    FUZZ_CHECK(root.platform.messages.empty());
    return 0;
}
