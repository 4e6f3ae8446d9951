// BMP pictures: reading the uncompressed kinds (1, 4 and 8-bit palettes,
// 24-bit, 32-bit with or without bit-field masks; bottom-up and top-down;
// the old 12-byte core header too) and writing 24-bit bottom-up files.
// Every size and offset from the file is checked against the data before use,
// so a damaged or hostile file is refused rather than read past its end.
#include "render/file_bytes.h"
#include "render/image_io.h"

#include <array>
#include <bit>
#include <cstdint>

namespace tsu {
namespace {

constexpr std::size_t kMaxFileBytes = std::size_t(kMaxPictureSide) * kMaxPictureSide * 4 + (1u << 20);

struct Reader {
    const std::vector<std::uint8_t>& d;
    std::uint32_t u16(std::size_t at) const { return std::uint32_t(d[at]) | std::uint32_t(d[at + 1]) << 8; }
    std::uint32_t u32(std::size_t at) const { return u16(at) | u16(at + 2) << 16; }
};

// Scales the bits of one colour mask to 0..255 (a 32-bit bit-field pixel).
struct Channel {
    std::uint32_t mask = 0;
    int shift = 0;
    std::uint32_t max = 0;
    explicit Channel(std::uint32_t m) : mask(m) {
        if (m == 0) return;
        shift = std::countr_zero(m);
        max = m >> shift;
    }
    std::uint32_t get(std::uint32_t px) const {
        if (max == 0) return 0;
        return ((px & mask) >> shift) * 255u / max;
    }
};

bool decode(const std::vector<std::uint8_t>& d, Bitmap& out, std::string& why) {
    const Reader rd{d};
    auto fail = [&why](const char* reason) {
        why = reason;
        return false;
    };
    if (d.size() < 26 || d[0] != 'B' || d[1] != 'M') return fail("not a BMP file");
    const std::uint64_t bits_at = rd.u32(10);
    const std::uint32_t header = rd.u32(14);
    long long w = 0, h = 0;
    std::uint32_t bpp = 0, compression = 0, colours_used = 0;
    std::size_t palette_entry = 4;
    if (header == 12) { // the old core header: 16-bit sizes, 3-byte palette entries
        w = rd.u16(18);
        h = rd.u16(20);
        bpp = rd.u16(24);
        palette_entry = 3;
    } else if (header >= 40 && 14 + std::uint64_t(header) <= d.size()) {
        w = std::int32_t(rd.u32(18));
        h = std::int32_t(rd.u32(22));
        bpp = rd.u16(28);
        compression = rd.u32(30);
        colours_used = rd.u32(46);
    } else {
        return fail("unknown BMP header");
    }
    const bool top_down = h < 0;
    if (top_down) h = -h;
    if (w <= 0 || h <= 0 || w > kMaxPictureSide || h > kMaxPictureSide) return fail("bad BMP size");
    if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 24 && bpp != 32) return fail("unsupported BMP depth");

    // Colour masks of 32-bit pixels: the usual 8-8-8, or the file's bit fields.
    std::array<std::uint32_t, 3> masks{0x00FF0000u, 0x0000FF00u, 0x000000FFu};
    if (compression == 3 && bpp == 32) {
        if (d.size() < 66) return fail("truncated BMP");
        masks = {rd.u32(54), rd.u32(58), rd.u32(62)};
    } else if (compression != 0) {
        return fail("compressed BMP files are not supported");
    }

    std::array<Colour, 256> palette{};
    palette.fill(kBlack); // indices past the file's entries draw black
    if (bpp <= 8) {
        std::uint64_t n = colours_used != 0 ? colours_used : (1u << bpp);
        if (n > 256) n = 256;
        const std::uint64_t at = 14 + std::uint64_t(header);
        if (at + n * palette_entry > d.size()) return fail("truncated BMP palette");
        for (std::uint64_t i = 0; i < n; ++i) {
            const std::size_t p = std::size_t(at + i * palette_entry);
            palette[std::size_t(i)] = rgb(d[p + 2], d[p + 1], d[p]);
        }
    }

    const std::uint64_t stride = (std::uint64_t(w) * bpp + 31) / 32 * 4;
    if (bits_at > d.size() || stride * std::uint64_t(h) > d.size() - bits_at)
        return fail("truncated BMP pixels");

    std::vector<Colour> px(std::size_t(w) * std::size_t(h));
    const Channel cr(masks[0]), cg(masks[1]), cb(masks[2]);
    for (long long r = 0; r < h; ++r) {
        const std::uint8_t* s = d.data() + bits_at + std::size_t(r) * stride;
        Colour* row = px.data() + std::size_t(top_down ? r : h - 1 - r) * std::size_t(w);
        for (long long x = 0; x < w; ++x) {
            switch (bpp) {
            case 1: row[x] = palette[(s[x >> 3] >> (7 - (x & 7))) & 1]; break;
            case 4: row[x] = palette[(s[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F]; break;
            case 8: row[x] = palette[s[x]]; break;
            case 24: row[x] = rgb(s[3 * x + 2], s[3 * x + 1], s[3 * x]); break;
            default: {
                const std::uint32_t v = rd.u32(std::size_t(s - d.data()) + std::size_t(4 * x));
                row[x] = rgb(int(cr.get(v)), int(cg.get(v)), int(cb.get(v)));
            }
            }
        }
    }
    out.resize(int(w), int(h));
    out.pixels().swap(px);
    return true;
}

void put16(std::vector<std::uint8_t>& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void put32(std::vector<std::uint8_t>& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

} // namespace

bool load_bmp(const std::string& path, Bitmap& out, std::string* error) {
    std::vector<std::uint8_t> data;
    if (!read_file_bytes(path, data, kMaxFileBytes, error)) return false;
    std::string why;
    if (!decode(data, out, why)) {
        if (error != nullptr) *error = why + ": " + path;
        return false;
    }
    return true;
}

bool save_bmp(const std::string& path, const Bitmap& pic, std::string* error) {
    const auto w = std::uint32_t(pic.width()), h = std::uint32_t(pic.height());
    const std::uint32_t stride = (w * 3 + 3) / 4 * 4;
    const std::uint32_t image = stride * h;
    std::vector<std::uint8_t> b;
    b.reserve(54 + image);
    b.push_back('B');
    b.push_back('M');
    put32(b, 54 + image); // file size
    put32(b, 0);          // reserved
    put32(b, 54);         // pixel data offset
    put32(b, 40);         // info header size
    put32(b, w);
    put32(b, h);          // positive: bottom-up rows
    put16(b, 1);          // planes
    put16(b, 24);         // bits per pixel
    put32(b, 0);          // uncompressed
    put32(b, image);
    put32(b, 3780);       // 96 DPI in pixels per metre
    put32(b, 3780);
    put32(b, 0);
    put32(b, 0);
    for (std::uint32_t r = 0; r < h; ++r) {
        const int y = int(h - 1 - r);
        for (std::uint32_t x = 0; x < w; ++x) {
            const Colour c = pic.pixel(int(x), y);
            b.push_back(std::uint8_t(c));
            b.push_back(std::uint8_t(c >> 8));
            b.push_back(std::uint8_t(c >> 16));
        }
        for (std::uint32_t p = w * 3; p < stride; ++p) b.push_back(0);
    }
    return write_file_bytes(path, b, error);
}

} // namespace tsu
