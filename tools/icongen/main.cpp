// tsumikiya-icongen: the game's desktop icons, drawn from our own sprites.
// The first heroine stands on a round night sky with a moon, cut out of the
// sprite by its key colour and enlarged by whole pixels; the smaller sizes
// are averaged down from the largest so they stay readable.
//
//   tsumikiya-icongen OUT_DIR [--content DIR]
//   writes OUT_DIR/<size>x<size>/tsumikiya.png for 32, 48, 128 and 256.
#include "assetgen/picture_set.h"
#include "assetgen/source_text.h"

#include "render/text_engine.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <vector>

namespace {

using tsu::Bitmap;
using tsu::Colour;

// A picture with an alpha channel (ARGB, 0 alpha = see-through).
struct Icon {
    int size = 0;
    std::vector<std::uint32_t> argb;
    std::uint32_t& at(int x, int y) { return argb[std::size_t(y) * std::size_t(size) + std::size_t(x)]; }
};

std::uint32_t argb(int a, int r, int g, int b) {
    return std::uint32_t(a) << 24 | std::uint32_t(r) << 16 | std::uint32_t(g) << 8 | std::uint32_t(b);
}

// The round sky: dark blue getting lighter toward the bottom, a pale moon
// upper right, edges smoothed by covering each pixel with 4 x 4 samples.
Icon sky(int size) {
    Icon icon{size, std::vector<std::uint32_t>(std::size_t(size) * std::size_t(size), 0)};
    const double c = size / 2.0, r = size / 2.0 - size / 64.0;
    const double mx = size * 0.70, my = size * 0.28, mr = size * 0.13;
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            int inside = 0, moon = 0;
            for (int sy = 0; sy < 4; ++sy)
                for (int sx = 0; sx < 4; ++sx) {
                    const double px = x + (sx + 0.5) / 4, py = y + (sy + 0.5) / 4;
                    inside += std::hypot(px - c, py - c) <= r;
                    moon += std::hypot(px - mx, py - my) <= mr;
                }
            if (inside == 0) continue;
            const double t = double(y) / size;
            int red = int(20 + 40 * t), green = int(28 + 50 * t), blue = int(80 + 70 * t);
            red += (235 - red) * moon / 16;
            green += (225 - green) * moon / 16;
            blue += (160 - blue) * moon / 16;
            icon.at(x, y) = argb(255 * inside / 16, red, green, blue);
        }
    return icon;
}

// The sprite's pixels that are not its key colour, enlarged by whole pixels
// and set on the sky, feet near the bottom.
void put_sprite(Icon& icon, const Bitmap& sprite) {
    const Colour key = sprite.key_colour();
    int x0 = sprite.width(), y0 = sprite.height(), x1 = -1, y1 = -1;
    for (int y = 0; y < sprite.height(); ++y)
        for (int x = 0; x < sprite.width(); ++x)
            if (sprite.pixel(x, y) != key) {
                x0 = std::min(x0, x);
                y0 = std::min(y0, y);
                x1 = std::max(x1, x);
                y1 = std::max(y1, y);
            }
    if (x1 < 0) return;
    const int w = x1 - x0 + 1, h = y1 - y0 + 1;
    const int scale = std::max(1, (icon.size * 3 / 4) / std::max(w, h));
    const int left = (icon.size - w * scale) / 2, top = icon.size - icon.size / 10 - h * scale;
    for (int y = 0; y < h * scale; ++y)
        for (int x = 0; x < w * scale; ++x) {
            const Colour c = sprite.pixel(x0 + x / scale, y0 + y / scale);
            if (c == key) continue;
            const int ix = left + x, iy = top + y;
            if (ix >= 0 && iy >= 0 && ix < icon.size && iy < icon.size) icon.at(ix, iy) = 0xFF000000u | (c & 0xFFFFFFu);
        }
}

// Averages a picture down to `size` (alpha-weighted, so edges stay clean).
Icon shrink(const Icon& big, int size) {
    Icon out{size, std::vector<std::uint32_t>(std::size_t(size) * std::size_t(size), 0)};
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            const int sx0 = x * big.size / size, sx1 = (x + 1) * big.size / size;
            const int sy0 = y * big.size / size, sy1 = (y + 1) * big.size / size;
            double a = 0, r = 0, g = 0, b = 0;
            int n = 0;
            for (int sy = sy0; sy < sy1; ++sy)
                for (int sx = sx0; sx < sx1; ++sx, ++n) {
                    const std::uint32_t p = big.argb[std::size_t(sy) * std::size_t(big.size) + std::size_t(sx)];
                    const double pa = (p >> 24) / 255.0;
                    a += pa;
                    r += pa * ((p >> 16) & 255);
                    g += pa * ((p >> 8) & 255);
                    b += pa * (p & 255);
                }
            if (a <= 0) continue;
            out.at(x, y) = argb(int(std::lround(255 * a / n)), int(std::lround(r / a)), int(std::lround(g / a)),
                                int(std::lround(b / a)));
        }
    return out;
}

bool write_png(const std::string& path, const Icon& icon) {
    std::vector<std::uint8_t> rgba;
    rgba.reserve(icon.argb.size() * 4);
    for (const std::uint32_t p : icon.argb) {
        rgba.push_back(std::uint8_t(p >> 16));
        rgba.push_back(std::uint8_t(p >> 8));
        rgba.push_back(std::uint8_t(p));
        rgba.push_back(std::uint8_t(p >> 24));
    }
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    image.width = png_uint_32(icon.size);
    image.height = png_uint_32(icon.size);
    image.format = PNG_FORMAT_RGBA;
    if (png_image_write_to_file(&image, path.c_str(), 0, rgba.data(), 0, nullptr) != 0) return true;
    std::cerr << "tsumikiya-icongen: cannot write " << path << ": " << image.message << "\n";
    png_image_free(&image);
    return false;
}

} // namespace

int main(int argc, char** argv) {
    std::string out, content = TSUMIKIYA_CONTENT_DIR;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (a == "--content" && i + 1 < argc) content = argv[++i];
        else if (out.empty() && !a.starts_with("--")) out = a;
        else out.clear(), i = argc;
    }
    if (out.empty()) {
        std::cerr << "usage: tsumikiya-icongen OUT_DIR [--content DIR]\n";
        return 1;
    }
    try {
        std::string error;
        const std::string font = tsu::find_japanese_font(&error);
        if (!font.empty()) tsu::set_default_text_engine(tsu::make_freetype_text_engine(font, &error));
        tsu::assetgen::PictureSet pictures(content);
        Icon master = sky(256);
        put_sprite(master, pictures.get("sora.bmp", "icongen"));
        for (const int size : {256, 128, 48, 32}) {
            const std::string folder = out + "/" + std::to_string(size) + "x" + std::to_string(size);
            std::filesystem::create_directories(folder);
            if (!write_png(folder + "/tsumikiya.png", size == 256 ? master : shrink(master, size))) return 1;
        }
        tsu::set_default_text_engine(nullptr);
    } catch (const tsu::assetgen::SourceError& e) {
        std::cerr << "tsumikiya-icongen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}
