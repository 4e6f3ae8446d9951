// What every picture reader must do with any bytes: load them, or refuse
// them with a reason; a picture that loads has a size within the loader's
// limits and as many pixels as that size says.
#pragma once
#include "fuzz_game.h"
#include "render/file_bytes.h"
#include "render/image_io.h"

namespace tsu::fuzz {

// Writes the input to `file` in a data root of its own and reads it with
// `load` (load_bmp, load_jpeg).
inline void check_picture_reader(const uint8_t* data, size_t size, const char* file,
                                 bool (*load)(const std::string&, Bitmap&, std::string*)) {
    static FuzzRoot root;
    root.write(file, as_text(data, size));
    Bitmap pic;
    std::string error;
    if (!load(root.dat(file), pic, &error)) {
        FUZZ_CHECK(!error.empty() && pic.width() == 0);
        return;
    }
    FUZZ_CHECK(pic.width() >= 1 && pic.width() <= kMaxPictureSide && pic.height() >= 1 &&
               pic.height() <= kMaxPictureSide);
    FUZZ_CHECK(pic.pixels().size() == std::size_t(pic.width()) * std::size_t(pic.height()));
}

} // namespace tsu::fuzz
