// Random and damaged files fed to the stage and save loaders: whatever the
// bytes, a load ends with a result, at most one message, and a grid whose
// values all index their tables safely.
#include "data/save_file.h"
#include "data/stage_file.h"
#include "data_files.h"

#include <gtest/gtest.h>

#include <random>

namespace tsu::testing {
namespace {

std::string mutate(std::string text, std::mt19937& rng) {
    const char* pieces[] = {"-", "2147483647", "-2147483648", "99999999999", " ", "\r\n", "x",
                            "\n", "\r", "\t", "", "26", "23", "50", "-1", "\x81", "0 0"};
    const int edits = 1 + int(rng() % 6);
    for (int e = 0; e < edits && !text.empty(); ++e) {
        const std::size_t at = rng() % text.size();
        switch (rng() % 4) {
        case 0: text[at] = char(rng()); break;
        case 1: text.insert(at, pieces[rng() % std::size(pieces)]); break;
        case 2: text.erase(at, rng() % 12); break;
        default: text.resize(at); break;
        }
    }
    return text;
}

// Numbers that parse but lie anywhere in 32 bits.
std::string wild_stage(std::mt19937& rng) {
    StageGrid grid;
    std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
    for (cell& c : grid.cells) {
        if (rng() % 50 != 0) continue;
        c = cell{any(rng), any(rng), rng() % 2 ? any(rng) : int32_t(rng() % 40) - 5};
    }
    grid.weather = any(rng);
    return format_stage_dat(grid);
}

void expect_safe_grid(const Game& g) {
    int bad = 0;
    for (const auto& column : g.map)
        for (const cell& c : column)
            bad += c.lower < 0 || c.lower > 49 || c.upper < 0 || c.upper > 22 || c.teki < 0 ||
                   c.teki > 25;
    EXPECT_EQ(bad, 0);
    for (const tman& t : g.teki) {
        if (t.alive >= 1) {
            EXPECT_TRUE(t.kind >= 1 && t.kind <= 25);
        }
    }
}

TEST(LoaderFuzz, StageFilesOfAnyShape) {
    DataRoot root;
    root.write_plain_chips();
    Game& g = root.g();
    std::mt19937 rng(2024);
    StageGrid base;
    for (int c = 0; c < 100; ++c) {
        base.at(c, 18).lower = 1;
        base.at(c, 10).upper = int32_t(c % 25);
        base.at(c, 17).teki = int32_t(c % 27);
    }
    const std::string good = format_stage_dat(base);
    for (int i = 0; i < 300; ++i) {
        std::string text;
        switch (i % 3) {
        case 0: text = mutate(good, rng); break;
        case 1: text = wild_stage(rng); break;
        default:
            text.resize(rng() % 4000);
            for (char& ch : text) ch = char(rng() % 4 == 0 ? '\n' : rng());
        }
        root.write("map0.dat", text);
        root.platform.messages.clear();
        const bool ok = load_stage(g, 0);
        EXPECT_EQ(root.platform.messages.size(), ok ? 0u : 1u);
        expect_safe_grid(g);
    }
}

TEST(LoaderFuzz, SaveFilesOfAnyShape) {
    DataRoot root;
    Game& g = root.g();
    g.my.place = "東京";
    g.my.name = "忍";
    g.comment = "〜";
    g.my.initialized = 1;
    ASSERT_TRUE(write_save(g));
    const std::string good = root.read("my.dat");
    std::mt19937 rng(99);
    for (int i = 0; i < 3000; ++i) {
        std::string text = mutate(good, rng);
        if (i % 10 == 0) {
            text.resize(rng() % 600);
            for (char& ch : text) ch = char(rng());
        }
        root.write("my.dat", text);
        root.platform.messages.clear();
        const SaveLoad r = load_save(g);
        EXPECT_LE(root.platform.messages.size(), 1u);
        if (r == SaveLoad::loaded) {
            EXPECT_TRUE(root.platform.messages.empty());
        }
        // Whatever was read can be written again: damaged texts decode to
        // text that Shift-JIS can hold. (Every 20th round: a write syncs the
        // disk.)
        if (i % 20 == 0) {
            EXPECT_TRUE(write_save(g)) << i;
        }
    }
}

} // namespace
} // namespace tsu::testing
