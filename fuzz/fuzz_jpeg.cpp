// A JPEG file, whatever its bytes, loads or is refused with a reason; a
// picture that loads has a size within the loader's limits and as many
// pixels as that size says.
#include "fuzz_game.h"
#include "render/file_bytes.h"
#include "render/image_io.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace tsu;
    static fuzz::FuzzRoot root;
    root.write("in.jpg", fuzz::as_text(data, size));
    Bitmap pic;
    std::string error;
    if (!load_jpeg(root.dat("in.jpg"), pic, &error)) {
        FUZZ_CHECK(!error.empty() && pic.width() == 0);
        return 0;
    }
    FUZZ_CHECK(pic.width() >= 1 && pic.width() <= kMaxPictureSide && pic.height() >= 1 &&
               pic.height() <= kMaxPictureSide);
    FUZZ_CHECK(pic.pixels().size() == std::size_t(pic.width()) * std::size_t(pic.height()));
    return 0;
}
