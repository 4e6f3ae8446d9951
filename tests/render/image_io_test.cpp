// Picture files: BMP of every kind the loader reads, JPEG and PNG round
// trips, the first-bytes dispatch, and damaged or hostile files.
#include "render/image_io.h"

#include "render/pixel_art.h"
#include "support/game_fixture.h"

#include <gtest/gtest.h>
#include <png.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <random>
#include <vector>

namespace tsu {
namespace {
using namespace tsu::test;
using Bytes = std::vector<std::uint8_t>;

std::string temp(const std::string& name) { return ::testing::TempDir() + "/tsu_io_" + name; }

void write(const std::string& path, const Bytes& b) {
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
}

void put16(Bytes& b, std::uint32_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}
void put32(Bytes& b, std::uint32_t v) {
    put16(b, v & 0xFFFF);
    put16(b, v >> 16);
}

// A BMP file with a 40-byte header; `rows` are the stored rows, padded here.
Bytes bmp(int w, int h, int bpp, const std::vector<Colour>& palette, const std::vector<Bytes>& rows,
          std::uint32_t compression = 0, const std::vector<std::uint32_t>& masks = {}) {
    const std::uint32_t stride = (std::uint32_t(w) * std::uint32_t(bpp) + 31) / 32 * 4;
    const std::uint32_t offset = 54 + std::uint32_t(masks.size() * 4 + palette.size() * 4);
    Bytes b{'B', 'M'};
    put32(b, offset + stride * std::uint32_t(rows.size()));
    put32(b, 0);
    put32(b, offset);
    put32(b, 40);
    put32(b, std::uint32_t(w));
    put32(b, std::uint32_t(h));
    put16(b, 1);
    put16(b, std::uint32_t(bpp));
    put32(b, compression);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, std::uint32_t(palette.size()));
    put32(b, 0);
    for (const auto m : masks) put32(b, m);
    for (const Colour c : palette) put32(b, c & 0xFFFFFF);
    for (Bytes r : rows) {
        r.resize(stride, 0);
        b.insert(b.end(), r.begin(), r.end());
    }
    return b;
}

Bitmap load_ok(const Bytes& file, const std::string& name) {
    write(temp(name), file);
    Bitmap b;
    std::string error;
    EXPECT_TRUE(load_bmp(temp(name), b, &error)) << error;
    return b;
}

TEST(BmpFiles, Save24BitAndLoadBackExactlyWithRowPadding) {
    const Bitmap pic = from_art({"ogb", "#.k"});
    ASSERT_TRUE(save_bmp(temp("rt.bmp"), pic));
    const Bytes file = testing::read_bytes(temp("rt.bmp"));
    ASSERT_EQ(file.size(), 54u + 2 * 12);
    EXPECT_EQ(file[28], 24);
    EXPECT_EQ(file[54], 0x00); // the first stored row is the bottom one: black
    Bitmap back;
    ASSERT_TRUE(load_bmp(temp("rt.bmp"), back));
    EXPECT_EQ(art(back), art(pic));
}

TEST(BmpFiles, PaletteDepths) {
    const std::vector<Colour> pal{kWhite, kRed, kGreen, kBlue};
    EXPECT_EQ(art(load_ok(bmp(3, 2, 8, pal, {{3, 2, 1}, {0, 1, 0}}), "p8.bmp")), lines({".o.", "bgo"}));
    EXPECT_EQ(art(load_ok(bmp(3, 2, 4, pal, {{0x12, 0x30}, {0x01, 0x20}}), "p4.bmp")), lines({".og", "ogb"}));
    EXPECT_EQ(art(load_ok(bmp(10, 1, 1, {kBlack, kWhite}, {{0xA0, 0x40}}), "p1.bmp")), ".#.######.");
    // An index past the palette reads as black.
    EXPECT_EQ(art(load_ok(bmp(2, 1, 8, pal, {{9, 1}}), "p8x.bmp")), "#o");
}

TEST(BmpFiles, TrueColourAndTopDown) {
    EXPECT_EQ(art(load_ok(bmp(2, 1, 24, {}, {{0, 0, 255, 255, 0, 0}}), "t24.bmp")), "ob");
    EXPECT_EQ(art(load_ok(bmp(2, 1, 32, {}, {{0, 255, 0, 77, 255, 255, 255, 0}}), "t32.bmp")), "g.");
    Bytes top = bmp(1, 2, 24, {}, {{0, 0, 255}, {255, 0, 0}});
    top[22] = 0xFE; // height -2: rows stored top first
    top[23] = top[24] = top[25] = 0xFF;
    EXPECT_EQ(art(load_ok(top, "td.bmp")), lines({"o", "b"}));
    // 32-bit with bit fields: 0xRRGGBBxx layout.
    const Bytes bf = bmp(1, 1, 32, {}, {{0x00, 0x00, 0x00, 0xFF}}, 3, {0xFF000000u, 0x00FF0000u, 0x0000FF00u});
    EXPECT_EQ(art(load_ok(bf, "bf.bmp")), "o");
}

TEST(BmpFiles, DamagedAndHostileFilesAreRefusedAndLeaveThePictureAlone) {
    const Bytes good = bmp(2, 2, 24, {}, {{0, 0, 255, 0, 0, 255}, {0, 0, 255, 0, 0, 255}});
    std::vector<Bytes> bad;
    bad.push_back(Bytes(good.begin(), good.end() - 3));           // truncated pixels
    bad.push_back(Bytes(good.begin(), good.begin() + 20));        // truncated header
    Bytes huge = good;
    huge[18] = huge[19] = huge[20] = 0x7F;                         // width 8 million
    bad.push_back(huge);
    Bytes far = good;
    far[10] = far[11] = far[12] = far[13] = 0xFF;                  // pixel offset past the end
    bad.push_back(far);
    Bytes depth = good;
    depth[28] = 16;                                                 // unsupported depth
    bad.push_back(depth);
    Bytes rle = good;
    rle[30] = 1;                                                    // compressed
    bad.push_back(rle);
    Bytes pal = bmp(2, 1, 8, {kRed, kRed}, {{0, 1}});
    pal[46] = 200;                                                  // palette past the end
    bad.push_back(Bytes(pal.begin(), pal.begin() + 70));
    bad.push_back(Bytes{'B', 'M'});
    bad.push_back(Bytes{});
    std::mt19937 rng(7);
    for (int n = 0; n < 200; ++n) {
        Bytes noise(std::size_t(rng() % 300));
        for (auto& v : noise) v = std::uint8_t(rng());
        if (noise.size() > 2 && n % 2 == 0) {
            noise[0] = 'B';
            noise[1] = 'M';
        }
        bad.push_back(noise);
    }
    for (std::size_t i = 0; i < bad.size(); ++i) {
        write(temp("bad.bmp"), bad[i]);
        Bitmap b(1, 1, kGreen);
        std::string error;
        EXPECT_FALSE(load_bmp(temp("bad.bmp"), b, &error)) << i;
        EXPECT_FALSE(error.empty()) << i;
        EXPECT_EQ(art(b), "g") << i;
    }
    Bitmap b;
    EXPECT_FALSE(load_bmp(temp("missing.bmp"), b));
}

Bitmap blocks() {
    Bitmap pic(32, 16, kWhite);
    pic.brush_colour = kRed;
    pic.fill_rect({0, 0, 16, 8});
    pic.brush_colour = kBlue;
    pic.fill_rect({16, 8, 32, 16});
    return pic;
}

bool near(Colour a, Colour b, int tolerance) {
    for (int shift : {0, 8, 16})
        if (std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF)) > tolerance) return false;
    return true;
}

TEST(JpegFiles, RoundTripKeepsSizeAndColours) {
    const Bitmap pic = blocks();
    std::string error;
    ASSERT_TRUE(save_jpeg(temp("rt.jpg"), pic, 95, &error)) << error;
    Bitmap back;
    ASSERT_TRUE(load_jpeg(temp("rt.jpg"), back, &error)) << error;
    ASSERT_EQ(back.width(), 32);
    ASSERT_EQ(back.height(), 16);
    EXPECT_TRUE(near(back.pixel(3, 3), kRed, 8));
    EXPECT_TRUE(near(back.pixel(28, 12), kBlue, 8));
    EXPECT_TRUE(near(back.pixel(28, 3), kWhite, 8));
    EXPECT_EQ(back.pixel(3, 3) >> 24, 0xFFu);
}

TEST(JpegFiles, SameInputGivesTheSameBytes) {
    ASSERT_TRUE(save_jpeg(temp("a.jpg"), blocks()));
    ASSERT_TRUE(save_jpeg(temp("b.jpg"), blocks()));
    EXPECT_EQ(testing::read_bytes(temp("a.jpg")), testing::read_bytes(temp("b.jpg")));
}

TEST(JpegFiles, TruncatedAndCorruptFilesAreRefused) {
    ASSERT_TRUE(save_jpeg(temp("full.jpg"), blocks()));
    const Bytes full = testing::read_bytes(temp("full.jpg"));
    std::vector<Bytes> bad{Bytes(full.begin(), full.begin() + std::ptrdiff_t(full.size() / 2)),
                           Bytes(full.begin(), full.begin() + 4), Bytes{0xFF, 0xD8}};
    Bytes flipped = full;
    for (std::size_t i = full.size() / 3; i < full.size() - 2; i += 7) flipped[i] ^= 0x5A;
    bad.push_back(flipped);
    std::mt19937 rng(11);
    for (int n = 0; n < 100; ++n) {
        Bytes noise(2 + rng() % 2000);
        for (auto& v : noise) v = std::uint8_t(rng());
        noise[0] = 0xFF;
        noise[1] = 0xD8;
        bad.push_back(noise);
    }
    for (std::size_t i = 0; i < bad.size(); ++i) {
        write(temp("bad.jpg"), bad[i]);
        Bitmap b(1, 1, kGreen);
        std::string error;
        EXPECT_FALSE(load_jpeg(temp("bad.jpg"), b, &error)) << i;
        EXPECT_FALSE(error.empty()) << i;
        EXPECT_EQ(art(b), "g") << i;
    }
}

TEST(JpegFiles, HugeDeclaredSizeIsRefused) {
    ASSERT_TRUE(save_jpeg(temp("size.jpg"), blocks()));
    Bytes file = testing::read_bytes(temp("size.jpg"));
    // The frame header (FF C0): height and width follow the length and precision.
    for (std::size_t i = 2; i + 8 < file.size(); ++i)
        if (file[i] == 0xFF && file[i + 1] == 0xC0) {
            file[i + 5] = 0xFF; // height 65 000 and more
            file[i + 7] = 0xFF;
            break;
        }
    write(temp("size.jpg"), file);
    Bitmap b;
    EXPECT_FALSE(load_jpeg(temp("size.jpg"), b));
}

TEST(PictureFiles, KindIsToldByTheFirstBytes) {
    ASSERT_TRUE(save_bmp(temp("bmp_named.jpg"), from_art({"og"})));
    ASSERT_TRUE(save_jpeg(temp("jpeg_named.bmp"), blocks()));
    Bitmap a, b, c;
    EXPECT_TRUE(load_picture(temp("bmp_named.jpg"), a));
    EXPECT_EQ(art(a), "og");
    EXPECT_TRUE(load_picture(temp("jpeg_named.bmp"), b));
    EXPECT_EQ(b.width(), 32);
    write(temp("text.bmp"), Bytes{'h', 'e', 'l', 'l', 'o'});
    std::string error;
    EXPECT_FALSE(load_picture(temp("text.bmp"), c, &error));
    EXPECT_FALSE(error.empty());
}

TEST(PictureFiles, LoadingKeepsTheDrawingState) {
    ASSERT_TRUE(save_bmp(temp("state.bmp"), from_art({"og", "bk"})));
    Bitmap b;
    b.transparent = true;
    b.brush_colour = kBlue;
    ASSERT_TRUE(load_picture(temp("state.bmp"), b));
    EXPECT_TRUE(b.transparent);
    EXPECT_EQ(b.brush_colour, kBlue);
    EXPECT_EQ(b.key_colour(), kBlue);
}

TEST(PngFiles, WrittenPixelsReadBackExactly) {
    const Bitmap pic = from_art({"og#", "b.k"});
    ASSERT_TRUE(save_png(temp("rt.png"), pic));
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    ASSERT_NE(png_image_begin_read_from_file(&image, temp("rt.png").c_str()), 0);
    image.format = PNG_FORMAT_RGB;
    ASSERT_EQ(image.width, 3u);
    ASSERT_EQ(image.height, 2u);
    std::vector<std::uint8_t> px(PNG_IMAGE_SIZE(image));
    ASSERT_NE(png_image_finish_read(&image, nullptr, px.data(), 0, nullptr), 0);
    Bitmap back(3, 2);
    for (int i = 0; i < 6; ++i)
        back.set_pixel(i % 3, i / 3, rgb(px[std::size_t(3 * i)], px[std::size_t(3 * i + 1)], px[std::size_t(3 * i + 2)]));
    EXPECT_EQ(art(back), art(pic));
    EXPECT_FALSE(save_png("/nonexistent/dir/x.png", pic));
    EXPECT_FALSE(save_png(temp("empty.png"), Bitmap()));
}

} // namespace
} // namespace tsu
