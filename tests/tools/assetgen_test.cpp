// The asset generator run into a folder of its own: every picture and sound
// the game loads is written and nothing else; the sprites keep their key
// colour outside the figure and have the sizes of content/sprites/sizes.txt
// and of the places the game draws them unscaled; the chip sheets agree with
// content/chips.txt; the full-screen pictures keep plain places for the
// game's lines; the sounds are short, normalised and click-free; two runs
// write the same bytes; the look-over sheets are drawn.
#include "game/assets.h"
#include "render/image_io.h"
#include "support/game_fixture.h"
#include "tools/generated_root.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <vector>

#include <unistd.h>

namespace tsu {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr Colour kMagenta = rgb(0xFF00FF);

const std::vector<std::string> kJpegs = {
    "0.jpg", "1.jpg", "2.jpg", "3.jpg", "clear.jpg", "clear2.jpg", "clear3.jpg", "gameover.jpg", "gameover2.jpg",
    "gameover3.jpg", "result.jpg", "result2.jpg", "result3.jpg", "result4.jpg", "result_s.jpg", "result_s2.jpg",
    "result_n.jpg", "help.jpg", "user0.jpg"};

const std::vector<std::string> kSounds = {
    "1.wav", "2.wav", "3.wav", "4.wav", "15.wav", "baku.wav", "coin.wav", "cry.wav", "damage.wav", "powan.wav",
    "down3.wav", "exp.wav", "fire.wav", "fire2.wav", "fukuro.wav", "ice.wav", "item.wav", "item2.wav",
    "jump.wav", "kaifuku.wav", "kaminari.wav", "kaminari2.wav", "key2.wav", "nine.wav", "no.wav", "over.wav",
    "takara.wav", "yo.wav"};

// The sprite files of the game's sprite table, each once.
std::set<std::string> sprite_files() { return std::set<std::string>(kSpriteFiles.begin(), kSpriteFiles.end()); }

std::uint32_t u32(const Bytes& b, std::size_t at) {
    return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8 | std::uint32_t(b[at + 2]) << 16 |
           std::uint32_t(b[at + 3]) << 24;
}
std::uint32_t u16(const Bytes& b, std::size_t at) { return std::uint32_t(b[at]) | std::uint32_t(b[at + 1]) << 8; }

// One line of content/sprites/sizes.txt, read here on its own so the test
// does not take the generator's word for it.
struct SizeLine {
    int w = 0, h = 0;
    std::string key, drawn;
};

std::map<std::string, SizeLine> size_table() {
    std::ifstream in(std::string(TSUMIKIYA_SOURCE_DIR) + "/content/sprites/sizes.txt");
    std::map<std::string, SizeLine> out;
    std::string line;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        std::istringstream s(line);
        std::string file;
        SizeLine l;
        s >> file >> l.w >> l.h >> l.key >> l.drawn;
        out[file] = l;
    }
    return out;
}

// Reads the shared generated root (see generated_root.h).
class GeneratedAssets : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { root_ = testing_support::generated_root(); }
    void SetUp() override { ASSERT_FALSE(root_.empty()) << "the generator failed"; }

    static fs::path cg(const std::string& f) { return root_ / "cg" / f; }
    static fs::path dat(const std::string& f) { return root_ / "dat" / f; }
    static Bitmap picture(const fs::path& p) {
        Bitmap b;
        std::string error;
        EXPECT_TRUE(load_picture(p.string(), b, &error)) << error;
        return b;
    }
    // A folder of this test's own, removed when the test ends however it ends.
    struct Scratch {
        fs::path path;
        explicit Scratch(const std::string& what)
            : path(fs::path(::testing::TempDir()) / ("tsu_assetgen_" + what + "_" + std::to_string(::getpid()))) {
            fs::remove_all(path);
        }
        ~Scratch() {
            std::error_code ec;
            fs::remove_all(path, ec);
        }
    };

    static fs::path root_;
};
fs::path GeneratedAssets::root_;

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

int luminance(Colour c) { return int(((c >> 16) & 0xFF) * 3 + ((c >> 8) & 0xFF) * 6 + (c & 0xFF)) / 10; }

TEST_F(GeneratedAssets, EveryFileTheGameLoadsIsWrittenAndNothingElse) {
    for (const auto& f : sprite_files()) EXPECT_TRUE(fs::is_regular_file(cg(f))) << f;
    for (const auto& f : kJpegs) EXPECT_TRUE(fs::is_regular_file(cg(f))) << f;
    for (const auto& f : kSounds) EXPECT_TRUE(fs::is_regular_file(dat(f))) << f;
    EXPECT_TRUE(fs::is_regular_file(cg("chip.bmp")));
    EXPECT_TRUE(fs::is_regular_file(cg("chip2.bmp")));
    // cg/ holds exactly the pictures above: no leftover of older art.
    std::size_t cg_files = 0;
    for (const auto& e : fs::directory_iterator(root_ / "cg")) {
        const std::string f = e.path().filename().string();
        ++cg_files;
        EXPECT_TRUE(sprite_files().count(f) || std::count(kJpegs.begin(), kJpegs.end(), f) || f == "chip.bmp" ||
                    f == "chip2.bmp")
            << f << " is not a picture the game loads";
    }
    EXPECT_EQ(cg_files, sprite_files().size() + kJpegs.size() + 2);
    std::size_t dat_files = 0;
    for (const auto& e : fs::directory_iterator(root_ / "dat")) {
        ++dat_files;
        EXPECT_EQ(e.path().extension(), ".wav") << e.path(); // my.dat, map*.dat, chip.dat are not ours
    }
    EXPECT_EQ(dat_files, kSounds.size());
    // Every file of the size table is written, and every picture written is in it.
    const auto table = size_table();
    EXPECT_EQ(table.size(), cg_files);
    for (const auto& [f, l] : table) EXPECT_TRUE(fs::is_regular_file(cg(f))) << f;
}

TEST_F(GeneratedAssets, SpritesAre24BitWithTheBottomLeftKeyAndNoHoles) {
    const auto table = size_table();
    for (const auto& f : sprite_files()) {
        const Bytes file = testing::read_bytes(cg(f));
        ASSERT_GT(file.size(), 54u) << f;
        EXPECT_EQ(file[28], 24) << f;
        const Bitmap b = picture(cg(f));
        const bool leaf = f.starts_with("momoji");
        EXPECT_EQ(b.key_colour(), leaf ? kBlack : kMagenta) << f;
        ASSERT_TRUE(table.count(f)) << f;
        EXPECT_EQ(table.at(f).key, leaf ? "black" : "magenta") << f;
        EXPECT_TRUE(key_only_outside(b, b.key_colour())) << f << ": the figure has see-through holes";
        int figure = 0;
        for (const Colour c : b.pixels()) figure += c != b.key_colour();
        EXPECT_GT(figure * 12, int(b.pixels().size())) << f << ": the figure is too small";
    }
}

TEST_F(GeneratedAssets, SizesFollowTheTableAndThePlacesDrawnUnscaled) {
    for (const auto& [f, l] : size_table()) {
        const Bitmap b = picture(cg(f));
        EXPECT_EQ(b.width(), l.w) << f;
        EXPECT_EQ(b.height(), l.h) << f;
    }
    // Pictures drawn unscaled: their size is set by where the game draws them.
    const std::map<std::string, std::pair<int, int>> unscaled = {
        {"fire1.bmp", {80, 20}},     {"fire2.bmp", {80, 20}},     {"fire3.bmp", {80, 20}},
        {"fire_b1.bmp", {100, 40}},  {"fire_b2.bmp", {100, 40}},  {"fire_b3.bmp", {100, 40}},
        {"negi1.bmp", {60, 20}},     {"negi2.bmp", {60, 20}},     {"negi3.bmp", {60, 20}},
        {"hima1.bmp", {60, 20}},     {"hima2.bmp", {60, 20}},     {"hima3.bmp", {60, 20}},
        {"nagi_asi1.bmp", {60, 20}}, {"nagi_asi2.bmp", {60, 20}}, {"nagi_asi3.bmp", {60, 20}},
        {"momoji.bmp", {14, 15}},    {"momoji2.bmp", {14, 15}},   {"teki3.bmp", {300, 150}},
        {"note1.bmp", {84, 20}},     {"maki.bmp", {160, 20}},     {"heart.bmp", {20, 20}},
        {"gold2.bmp", {20, 20}},     {"bom.bmp", {10, 10}},       {"bom2.bmp", {10, 10}},
        {"bom3.bmp", {10, 10}},      {"naruto.bmp", {20, 20}},    {"sora.bmp", {50, 50}},
        {"suzu.bmp", {50, 50}},      {"nagi.bmp", {50, 50}}};
    for (const auto& [f, wh] : unscaled) {
        const Bitmap b = picture(cg(f));
        EXPECT_EQ(b.width(), wh.first) << f;
        EXPECT_EQ(b.height(), wh.second) << f;
    }
    // Enemies are 10 x 10: the editor's palette gives each a 10-pixel row.
    for (int n = 1; n <= 24; ++n) {
        if (n == 3) continue;
        const Bitmap b = picture(cg("teki" + std::to_string(n) + ".bmp"));
        EXPECT_EQ(b.width(), 10) << n;
        EXPECT_EQ(b.height(), 10) << n;
    }
}

TEST_F(GeneratedAssets, HeroinesStandOnTheFloorOfTheirCell) {
    // Drawn 50 x 50 around a 20 x 20 cell: row 34 is the cell's floor.
    for (const char* f : {"sora.bmp", "suzu.bmp", "nagi.bmp"}) {
        const Bitmap b = picture(cg(f));
        int lowest = -1;
        for (int y = 0; y < b.height(); ++y)
            for (int x = 0; x < b.width(); ++x)
                if (b.pixel(x, y) != b.key_colour()) lowest = y;
        EXPECT_EQ(lowest, 34) << f;
    }
}

TEST_F(GeneratedAssets, TheCaterpillarReadsAtEnemySizeAndInThePalette) {
    const Bitmap big = picture(cg("teki3.bmp"));
    // Stretched into 20 x 20 it must still be mostly caterpillar.
    Bitmap small(20, 20, kMagenta);
    Bitmap keyed = big;
    keyed.transparent = true;
    small.stretch_draw({0, 0, 20, 20}, keyed);
    int drawn = 0;
    for (const Colour c : small.pixels()) drawn += c != kMagenta;
    EXPECT_GT(drawn, 120);
    // Its top-left 10 x 10, all the editor's palette shows, holds the icon.
    int icon = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) icon += big.pixel(x, y) != kMagenta;
    EXPECT_GT(icon, 15);
}

std::vector<Colour> chip(const Bitmap& sheet, int j) {
    std::vector<Colour> c;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) c.push_back(sheet.pixel(x, 10 * j + y));
    return c;
}

// The passability column of content/chips.txt for one layer.
std::map<int, int> passability(const std::string& layer) {
    std::ifstream in(std::string(TSUMIKIYA_SOURCE_DIR) + "/content/chips.txt");
    std::map<int, int> out;
    std::string line;
    while (std::getline(in, line)) {
        std::istringstream s(line);
        std::string l;
        int n = 0, pass = 0;
        if (s >> l >> n >> pass && l == layer) out[n] = pass;
    }
    return out;
}

TEST_F(GeneratedAssets, ChipSheetsHoldFiftyDistinctChipsThatLookLikeTheirPassability) {
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
    // The spike floor shows light spikes over a dark base.
    int light_top = 0, dark_base = 0;
    const auto spikes = chip(lower, 13);
    for (int i = 0; i < 50; ++i) light_top += luminance(spikes[std::size_t(i)]) > 150;
    for (int i = 60; i < 100; ++i) dark_base += luminance(spikes[std::size_t(i)]) < 100;
    EXPECT_GT(light_top, 12);
    EXPECT_GT(dark_base, 30);
    // Solid ground is ground: little of it is the black of the sky.
    const auto pass_lower = passability("lower"), pass_upper = passability("upper");
    for (int j = 1; j < 50; ++j) {
        int black = 0;
        for (const Colour c : chip(lower, j)) black += c == kBlack;
        if (pass_lower.at(j) != 0) {
            EXPECT_LT(black, 25) << "solid lower chip " << j << " looks like sky";
        }
    }
    std::set<std::vector<Colour>> upper_seen;
    for (int j = 0; j < 50; ++j) {
        EXPECT_EQ(upper.pixel(0, 10 * j + 9), kMagenta) << "upper chip " << j;
        int drawn = 0;
        for (const Colour c : chip(upper, j)) drawn += c != kMagenta;
        if (j == 0 || j >= 23) {
            EXPECT_EQ(drawn, 0) << "upper chip " << j;
        } else {
            EXPECT_GT(drawn, 4) << "upper chip " << j;
            EXPECT_TRUE(upper_seen.insert(chip(upper, j)).second) << "upper chip " << j << " repeats";
        }
        // A solid overlay (box, ice, vent, crate, barrel, lantern) fills its cell.
        if (pass_upper.at(j) != 0) {
            EXPECT_GT(drawn, 55) << "solid upper chip " << j << " looks see-through";
        }
    }
}

// Largest distance of a pixel's brightness from the region's darkest pixel,
// the darkest and the brightest pixel.
struct Spread {
    int range, darkest, brightest;
};
Spread spread(const Bitmap& b, const Rect& r) {
    int lo = 255, hi = 0;
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) {
            const int l = luminance(b.pixel(x, y));
            lo = std::min(lo, l);
            hi = std::max(hi, l);
        }
    return {hi - lo, lo, hi};
}

TEST_F(GeneratedAssets, JpegPicturesHaveTheirSizesAndPlainPlacesForTheGamesLines) {
    for (const auto& f : kJpegs) {
        const Bitmap b = picture(cg(f));
        const int w = f == "help.jpg" ? 501 : f == "user0.jpg" ? 100 : 512;
        const int h = f == "help.jpg" ? 201 : f == "user0.jpg" ? 217 : 384;
        EXPECT_EQ(b.width(), w) << f;
        EXPECT_EQ(b.height(), h) << f;
    }
    // The play/record line is bright type on the titles: a dark, plain place.
    const std::vector<std::pair<std::string, Rect>> calm = {
        {"0.jpg", {280, 0, 512, 24}}, {"1.jpg", {280, 0, 512, 24}}, {"2.jpg", {0, 0, 200, 24}},
        {"3.jpg", {300, 55, 512, 90}}};
    for (const auto& [f, r] : calm) {
        const Spread s = spread(picture(cg(f)), r);
        EXPECT_LT(s.range, 40) << f;
        EXPECT_LT(s.brightest, 90) << f;
    }
    // The result lines are black with a white shadow: a plain, light place.
    for (const auto& f : kJpegs) {
        Rect r{};
        if (f.starts_with("result")) r = {176, 156, 508, 272};
        else if (f.starts_with("clear") || f.starts_with("gameover")) r = {128, 224, 508, 296};
        else continue;
        const Spread s = spread(picture(cg(f)), r);
        EXPECT_LT(s.range, 24) << f;
        EXPECT_GT(s.darkest, 180) << f;
    }
    // The stage-clear screen writes the gold in black at the top right.
    for (const auto& f : kJpegs) {
        if (!f.starts_with("result")) continue;
        const Spread s = spread(picture(cg(f)), {380, 0, 512, 20});
        EXPECT_GT(s.darkest, 130) << f;
    }
}

TEST_F(GeneratedAssets, TheHelpPictureShowsEveryKeyRow) {
    // Seven rows of keys in two columns, each with its white description.
    const Bitmap b = picture(cg("help.jpg"));
    for (int col = 0; col < 2; ++col)
        for (int row = 0; row < 7; ++row) {
            const int x = 14 + col * 246, y = 32 + row * 23;
            int white = 0, key_cap = 0;
            for (int yy = y; yy < y + 19; ++yy)
                for (int xx = x; xx < x + 240; ++xx) {
                    const int l = luminance(b.pixel(xx, yy));
                    white += l > 200;
                    key_cap += l > 200 && xx < x + 30;
                }
            EXPECT_GT(white, 120) << "column " << col << " row " << row;
            EXPECT_GT(key_cap, 40) << "column " << col << " row " << row;
        }
}

TEST_F(GeneratedAssets, SoundsAre16BitMono22050HzShortNormalisedAndClickFree) {
    std::set<std::string> distinct; // the files as byte strings
    for (const auto& f : kSounds) {
        const Bytes b = testing::read_bytes(dat(f));
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
        EXPECT_TRUE(distinct.insert(std::string(b.begin(), b.end())).second) << f << " sounds like another effect";
    }
}

TEST_F(GeneratedAssets, TwoRunsWriteTheSameBytes) {
    const Scratch scratch("again");
    const fs::path& again = scratch.path;
    ASSERT_TRUE(testing_support::run_assetgen(again));
    std::size_t compared = 0;
    for (const auto& e : fs::recursive_directory_iterator(root_)) {
        if (!e.is_regular_file()) continue;
        const fs::path other = again / fs::relative(e.path(), root_);
        EXPECT_EQ(testing::read_bytes(e.path()), testing::read_bytes(other)) << e.path();
        ++compared;
    }
    std::size_t tracks = 0;
    for (const auto& e : fs::directory_iterator(root_ / "mp3")) tracks += e.is_regular_file();
    EXPECT_EQ(compared, sprite_files().size() + 2 + kJpegs.size() + kSounds.size() + tracks);
}

TEST_F(GeneratedAssets, TheLookOverSheetsAreDrawn) {
    const Scratch scratch("sheets");
    const fs::path& dir = scratch.path;
    ASSERT_TRUE(testing_support::run_assetgen(dir / "root", "--only pictures --sheet \"" + (dir / "sheet.png").string() +
                                                                "\" --chip-sheet \"" + (dir / "chips.png").string() + "\""));
    for (const char* f : {"sheet.png", "chips.png"}) {
        const Bytes b = testing::read_bytes(dir / f);
        ASSERT_GT(b.size(), 24u) << f;
        EXPECT_EQ(std::string(b.begin() + 1, b.begin() + 4), "PNG") << f;
        const auto be32 = [&](std::size_t at) { return b[at] << 24 | b[at + 1] << 16 | b[at + 2] << 8 | b[at + 3]; };
        EXPECT_GT(be32(16), 800) << f; // the IHDR chunk's width and height
        EXPECT_GT(be32(20), 600) << f;
    }
}

} // namespace
} // namespace tsu
