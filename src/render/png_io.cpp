// PNG pictures (writing only: screenshots of the headless runner, contact
// sheets of the asset tools) through libpng's simplified interface, which
// reports errors by its return value.
#include "render/image_io.h"

#include <png.h>

#include <cstdint>
#include <cstring>
#include <vector>

namespace tsu {

bool save_png(const std::string& path, const Bitmap& pic, std::string* error) {
    if (pic.empty()) {
        if (error != nullptr) *error = "cannot save an empty picture: " + path;
        return false;
    }
    std::vector<std::uint8_t> rgb_bytes(std::size_t(pic.width()) * std::size_t(pic.height()) * 3);
    std::size_t i = 0;
    for (const Colour c : pic.pixels()) {
        rgb_bytes[i++] = std::uint8_t(c >> 16);
        rgb_bytes[i++] = std::uint8_t(c >> 8);
        rgb_bytes[i++] = std::uint8_t(c);
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(pic.width());
    image.height = png_uint_32(pic.height());
    image.format = PNG_FORMAT_RGB;
    if (png_image_write_to_file(&image, path.c_str(), 0, rgb_bytes.data(), 0, nullptr) == 0) {
        if (error != nullptr) *error = std::string("cannot write PNG (") + image.message + "): " + path;
        png_image_free(&image);
        return false;
    }
    return true;
}

} // namespace tsu
