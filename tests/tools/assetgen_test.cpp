// The interim asset generator: runs it into a folder of its own and checks
// the data root it writes: every picture and sound the game loads, the
// sprites' key colours, the sizes the game draws unscaled, the chip sheets,
// the calm places of the JPEG pictures, the WAV format, and that two runs
// write the same bytes.
#include "render/image_io.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <vector>

#include <unistd.h>

namespace tsu {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr Colour kMagenta = rgb(0xFF00FF);

const std::vector<std::string>& sprite_files() {
    static const std::vector<std::string> files = [] {
        std::vector<std::string> f = {
            "sora", "teki1", "heart", "s0", "s1", "teki2", "teki3", "teki4", "teki5", "teki6", "t0", "t1", "t2",
            "t3", "teki7", "teki8", "teki9", "teki10", "teki11", "teki12", "teki13", "teki14", "teki15", "maki",
            "nine", "gold2", "ex", "ex2", "dia", "bom", "togarasi", "fire1", "fire2", "fire3", "bunsin", "bom2",
            "maki2", "maki3", "heart2", "gold", "gold3", "gold4", "shuri", "naruto", "negi", "kunai", "kunai1",
            "kunai2", "kunai3", "negi1", "negi2", "negi3", "note", "note1", "momoji", "momoji2", "suzu", "suzu2",
            "hima", "hima1", "hima2", "hima3", "rora", "bom3", "nico", "shuri2", "sora_fly", "sora_fly2",
            "suzu_fly", "suzu_fly2", "hane", "fire_b1", "fire_b2", "fire_b3", "nagi", "nagi_fly1", "nagi_fly2",
            "nagi_dai", "tako", "nagi_asi1", "nagi_asi2", "nagi_asi3", "tako_asi"};
        for (int n = 16; n <= 24; ++n) f.push_back("teki" + std::to_string(n));
        for (auto& s : f) s += ".bmp";
        return f;
    }();
    return files;
}

const std::vector<std::string> kJpegs = {
    "0.jpg", "1.jpg", "2.jpg", "3.jpg", "clear.jpg", "clear2.jpg", "clear3.jpg", "gameover.jpg", "gameover2.jpg",
    "gameover3.jpg", "result.jpg", "result2.jpg", "result3.jpg", "result4.jpg", "result_s.jpg", "result_s2.jpg",
    "result_n.jpg", "help.jpg", "user0.jpg"};

const std::vector<std::string> kSounds = {
    "1.wav", "2.wav", "3.wav", "4.wav", "15.wav", "baku.wav", "coin.wav", "cry.wav", "damage.wav", "powan.wav",
    "down3.wav", "exp.wav", "fire.wav", "fire2.wav", "fukuro.wav", "ice.wav", "item.wav", "item2.wav",
    "jump.wav", "kaifuku.wav", "kaminari.wav", "kaminari2.wav", "key2.wav", "nine.wav", "no.wav", "over.wav",
    "takara.wav", "yo.wav"};

Bytes read(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t u32(const Bytes& b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}
std::uint32_t u16(const Bytes& b, std::size_t at) { return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8; }

// Runs the generator once for the whole suite, into two folders.
class InterimAssets : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        const fs::path exe = fs::path(TSUMIKIYA_GAME_DIR) / ".." / "tools" / "assetgen" / "tsumikiya-assetgen";
        std::string folder = "tsu_assetgen_";
        folder += std::to_string(::getpid());
        base_ = fs::path(::testing::TempDir()) / folder;
        fs::remove_all(base_);
        for (const char* run : {"a", "b"}) {
            std::string cmd = "\"";
            cmd += exe.string();
            cmd += "\" \"";
            cmd += (base_ / run).string();
            cmd += "\"";
            status_ = status_ != 0 ? status_ : std::system(cmd.c_str());
        }
    }
    static void TearDownTestSuite() { fs::remove_all(base_); }
    void SetUp() override { ASSERT_EQ(status_, 0) << "the generator failed"; }

    static fs::path cg(const std::string& f) { return base_ / "a" / "cg" / f; }
    static fs::path dat(const std::string& f) { return base_ / "a" / "dat" / f; }
    static Bitmap picture(const fs::path& p) {
        Bitmap b;
        std::string error;
        EXPECT_TRUE(load_picture(p.string(), b, &error)) << error;
        return b;
    }

    static fs::path base_;
    static int status_;
};
fs::path InterimAssets::base_;
int InterimAssets::status_ = 0;

// True when every pixel of the key colour is joined to the picture's edge
// through key pixels: the figure has no see-through holes.
bool key_only_outside(const Bitmap& b, Colour key) {
    const int w = b.width(), h = b.height();
    std::vector<std::uint8_t> seen(std::size_t(w * h), 0);
    std::vector<std::pair<int, int>> todo;
    for (int x = 0; x < w; ++x) todo.insert(todo.end(), {{x, 0}, {x, h - 1}});
    for (int y = 0; y < h; ++y) todo.insert(todo.end(), {{0, y}, {w - 1, y}});
    while (!todo.empty()) {
        const auto [x, y] = todo.back();
        todo.pop_back();
        if (x < 0 || y < 0 || x >= w || y >= h || seen[std::size_t(y * w + x)] || b.pixel(x, y) != key) continue;
        seen[std::size_t(y * w + x)] = 1;
        todo.insert(todo.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
    }
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (b.pixel(x, y) == key && !seen[std::size_t(y * w + x)]) return false;
    return true;
}

TEST_F(InterimAssets, EveryFileTheGameLoadsIsWrittenAndNoStageFiles) {
    for (const auto& f : sprite_files()) EXPECT_TRUE(fs::is_regular_file(cg(f))) << f;
    for (const auto& f : kJpegs) EXPECT_TRUE(fs::is_regular_file(cg(f))) << f;
    for (const auto& f : kSounds) EXPECT_TRUE(fs::is_regular_file(dat(f))) << f;
    EXPECT_TRUE(fs::is_regular_file(cg("chip.bmp")));
    EXPECT_TRUE(fs::is_regular_file(cg("chip2.bmp")));
    std::size_t dat_files = 0;
    for (const auto& e : fs::directory_iterator(base_ / "a" / "dat")) {
        ++dat_files;
        EXPECT_EQ(e.path().extension(), ".wav") << e.path(); // my.dat, map*.dat, chip.dat are not ours
    }
    EXPECT_EQ(dat_files, kSounds.size());
}

TEST_F(InterimAssets, SpritesAre24BitWithTheBottomLeftKeyAndNoHoles) {
    for (const auto& f : sprite_files()) {
        const Bytes file = read(cg(f));
        ASSERT_GT(file.size(), 54u) << f;
        EXPECT_EQ(file[28], 24) << f;
        const Bitmap b = picture(cg(f));
        const bool leaf = f.starts_with("momoji");
        EXPECT_EQ(b.key_colour(), leaf ? kBlack : kMagenta) << f;
        EXPECT_TRUE(key_only_outside(b, b.key_colour())) << f;
        int figure = 0;
        for (const Colour c : b.pixels()) figure += c != b.key_colour();
        EXPECT_GT(figure * 12, int(b.pixels().size())) << f << ": the figure is too small";
    }
}

TEST_F(InterimAssets, SizesOfThePicturesDrawnUnscaledOrByRow) {
    const std::map<std::string, std::pair<int, int>> sizes = {
        {"fire1.bmp", {80, 20}},     {"fire2.bmp", {80, 20}},     {"fire3.bmp", {80, 20}},
        {"fire_b1.bmp", {100, 40}},  {"fire_b2.bmp", {100, 40}},  {"fire_b3.bmp", {100, 40}},
        {"negi1.bmp", {60, 20}},     {"negi2.bmp", {60, 20}},     {"negi3.bmp", {60, 20}},
        {"hima1.bmp", {60, 20}},     {"hima2.bmp", {60, 20}},     {"hima3.bmp", {60, 20}},
        {"nagi_asi1.bmp", {60, 20}}, {"nagi_asi2.bmp", {60, 20}}, {"nagi_asi3.bmp", {60, 20}},
        {"momoji.bmp", {14, 15}},    {"momoji2.bmp", {14, 15}},   {"nine.bmp", {30, 30}},
        {"hane.bmp", {300, 150}},    {"teki3.bmp", {300, 150}},   {"note.bmp", {64, 64}},
        {"note1.bmp", {64, 64}},     {"maki.bmp", {160, 20}},     {"heart.bmp", {20, 20}},
        {"gold2.bmp", {20, 20}},     {"bom.bmp", {10, 10}},       {"bom2.bmp", {10, 10}},
        {"bom3.bmp", {10, 10}},      {"sora.bmp", {50, 50}},      {"suzu.bmp", {50, 50}},
        {"nagi.bmp", {50, 50}},      {"teki1.bmp", {10, 10}},     {"teki24.bmp", {10, 10}}};
    for (const auto& [f, wh] : sizes) {
        const Bitmap b = picture(cg(f));
        EXPECT_EQ(b.width(), wh.first) << f;
        EXPECT_EQ(b.height(), wh.second) << f;
    }
}

std::vector<Colour> chip(const Bitmap& sheet, int j) {
    std::vector<Colour> c;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) c.push_back(sheet.pixel(x, 10 * j + y));
    return c;
}

TEST_F(InterimAssets, ChipSheetsHoldFiftyDistinctChips) {
    const Bitmap lower = picture(cg("chip.bmp")), upper = picture(cg("chip2.bmp"));
    ASSERT_EQ(lower.width(), 10);
    ASSERT_EQ(lower.height(), 500);
    ASSERT_EQ(upper.width(), 10);
    ASSERT_EQ(upper.height(), 500);
    std::set<std::vector<Colour>> seen;
    for (int j = 0; j < 50; ++j) EXPECT_TRUE(seen.insert(chip(lower, j)).second) << "lower chip " << j << " repeats";
    // The exit stands out: bright yellow and white in most of its pixels.
    int bright = 0;
    for (const Colour c : chip(lower, 6)) bright += ((c >> 16) & 0xFF) > 0xE0 && ((c >> 8) & 0xFF) > 0xD0;
    EXPECT_GT(bright, 50);
    for (int j = 0; j < 50; ++j) {
        EXPECT_EQ(upper.pixel(0, 10 * j + 9), kMagenta) << "upper chip " << j;
        int drawn = 0;
        for (const Colour c : chip(upper, j)) drawn += c != kMagenta;
        if (j == 0 || j >= 23) EXPECT_EQ(drawn, 0) << "upper chip " << j;
        else EXPECT_GT(drawn, 4) << "upper chip " << j;
    }
}

// Largest distance of a pixel's brightness from the region's darkest pixel,
// and the brightest pixel: a calm, dark region has both low.
std::pair<int, int> spread(const Bitmap& b, const Rect& r) {
    int lo = 255, hi = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const Colour c = b.pixel(x, y);
            const int l = int(((c >> 16) & 0xFF) * 3 + ((c >> 8) & 0xFF) * 6 + (c & 0xFF)) / 10;
            lo = std::min(lo, l);
            hi = std::max(hi, l);
        }
    return {hi - lo, hi};
}

TEST_F(InterimAssets, JpegPicturesHaveTheirSizesAndCalmPlacesForTheGamesLines) {
    for (const auto& f : kJpegs) {
        const Bitmap b = picture(cg(f));
        const int w = f == "help.jpg" ? 501 : f == "user0.jpg" ? 100 : 512;
        const int h = f == "help.jpg" ? 201 : f == "user0.jpg" ? 217 : 384;
        EXPECT_EQ(b.width(), w) << f;
        EXPECT_EQ(b.height(), h) << f;
    }
    const std::vector<std::pair<std::string, Rect>> calm = {
        {"0.jpg", {280, 0, 512, 24}}, {"1.jpg", {280, 0, 512, 24}}, {"2.jpg", {0, 0, 200, 24}},
        {"3.jpg", {300, 55, 512, 90}}};
    for (const auto& [f, r] : calm) {
        const auto [range, brightest] = spread(picture(cg(f)), r);
        EXPECT_LT(range, 40) << f;
        EXPECT_LT(brightest, 90) << f;
    }
    for (const auto& f : kJpegs) {
        if (!f.starts_with("clear") && !f.starts_with("gameover") && !f.starts_with("result")) continue;
        const auto [range, brightest] = spread(picture(cg(f)), {284, 164, 508, 256});
        EXPECT_LT(range, 24) << f;
        EXPECT_LT(brightest, 60) << f;
    }
}

TEST_F(InterimAssets, SoundsAre16BitMono22050HzShortNormalisedAndClickFree) {
    for (const auto& f : kSounds) {
        const Bytes b = read(dat(f));
        ASSERT_GE(b.size(), 44u) << f;
        EXPECT_EQ(std::string(b.begin(), b.begin() + 4), "RIFF") << f;
        EXPECT_EQ(std::string(b.begin() + 8, b.begin() + 16), "WAVEfmt ") << f;
        EXPECT_EQ(u32(b, 4), b.size() - 8) << f;
        EXPECT_EQ(u32(b, 16), 16u) << f;
        EXPECT_EQ(u16(b, 20), 1u) << f;      // PCM
        EXPECT_EQ(u16(b, 22), 1u) << f;      // mono
        EXPECT_EQ(u32(b, 24), 22050u) << f;
        EXPECT_EQ(u32(b, 28), 44100u) << f;
        EXPECT_EQ(u16(b, 32), 2u) << f;
        EXPECT_EQ(u16(b, 34), 16u) << f;
        EXPECT_EQ(std::string(b.begin() + 36, b.begin() + 40), "data") << f;
        const std::uint32_t data = u32(b, 40);
        ASSERT_EQ(data, b.size() - 44) << f;
        const double seconds = data / 2 / 22050.0;
        EXPECT_GE(seconds, 0.05) << f;
        EXPECT_LE(seconds, 1.5) << f;
        int peak = 0;
        const auto sample = [&](std::size_t i) { return int(std::int16_t(u16(b, 44 + 2 * i))); };
        const std::size_t n = data / 2;
        for (std::size_t i = 0; i < n; ++i) peak = std::max(peak, std::abs(sample(i)));
        EXPECT_GE(peak, 29000) << f; // normalised to 90 % of full scale
        EXPECT_LE(peak, 29500) << f;
        EXPECT_LT(std::abs(sample(0)), 200) << f; // starts and ends at rest: no clicks
        EXPECT_LT(std::abs(sample(n - 1)), 200) << f;
    }
}

TEST_F(InterimAssets, TwoRunsWriteTheSameBytes) {
    std::size_t compared = 0;
    for (const auto& e : fs::recursive_directory_iterator(base_ / "a")) {
        if (!e.is_regular_file()) continue;
        const fs::path other = base_ / "b" / fs::relative(e.path(), base_ / "a");
        EXPECT_EQ(read(e.path()), read(other)) << e.path();
        ++compared;
    }
    EXPECT_EQ(compared, sprite_files().size() + 2 + kJpegs.size() + kSounds.size());
}

} // namespace
} // namespace tsu
