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
                            "\n", "\r", "\t", "26", "23", "50", "-1", "\x81", "0 0"};
    for (int e = int(rng() % 6); e >= 0 && !text.empty(); --e) {
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

std::string random_bytes(std::mt19937& rng, std::size_t most) {
    std::string s(rng() % most, '\0');
    for (char& c : s) c = char(rng() % 5 == 0 ? '\n' : rng());
    return s;
}

TEST(LoaderFuzz, StageFilesOfAnyShapeLeaveASafeGrid) {
    DataRoot root;
    root.write_plain_chips();
    Game& g = root.g();
    std::mt19937 rng(2024);
    StageGrid base;
    for (int c = 0; c < 100; ++c) base.at(c, 10) = cell{c % 3, c % 25, c % 27};
    const std::string good = format_stage_dat(base);
    std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
    for (int i = 0; i < 150; ++i) {
        std::string text = i % 3 == 0 ? mutate(good, rng) : random_bytes(rng, 4000);
        if (i % 3 == 1) { // well-formed numbers anywhere in 32 bits
            StageGrid wild;
            for (int k = 0; k < 200; ++k)
                wild.cells[rng() % wild.cells.size()] = cell{any(rng), any(rng), any(rng)};
            wild.weather = any(rng);
            text = format_stage_dat(wild);
        }
        root.write("map0.dat", text);
        root.platform.messages.clear();
        const bool ok = load_stage(g, 0);
        EXPECT_EQ(root.messages().size(), ok ? 0u : 1u);
        int bad = 0;
        for (const auto& column : g.map)
            for (const cell& c : column)
                bad += c.lower < 0 || c.lower > 49 || c.upper < 0 || c.upper > 22 || c.teki < 0 ||
                       c.teki > 25;
        for (const tman& t : g.teki) bad += t.alive >= 1 && (t.kind < 1 || t.kind > 25);
        ASSERT_EQ(bad, 0) << i;
    }
}

TEST(LoaderFuzz, SaveFilesOfAnyShapeLoadOrFailWithOneMessage) {
    DataRoot root;
    Game& g = root.g();
    g.my.place = "東京", g.my.name = "忍", g.comment = "〜", g.my.initialized = 1;
    ASSERT_TRUE(write_save(g));
    const std::string good = root.read("my.dat");
    std::mt19937 rng(99);
    for (int i = 0; i < 1500; ++i) {
        root.write("my.dat", i % 10 == 0 ? random_bytes(rng, 600) : mutate(good, rng));
        root.platform.messages.clear();
        const SaveLoad r = load_save(g);
        EXPECT_EQ(root.messages().size(), r == SaveLoad::loaded ? 0u : 1u);
        // Whatever was read can be written again: damaged texts decode to
        // text that Shift-JIS holds. (Only now and then: a write syncs.)
        if (i % 20 == 0) {
            EXPECT_TRUE(write_save(g)) << i;
        }
    }
}

} // namespace
} // namespace tsu::testing
