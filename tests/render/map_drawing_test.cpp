// Map drawing: opaque lower chips, transparent upper chips with the item
// chips hidden in play, the editor's markers, the scroll, the vents' phases,
// chip numbers outside the tables, and nothing on the title.
#include "render/map_drawing.h"

#include "support/game_fixture.h"

#include <gtest/gtest.h>

#include <vector>

namespace tsu {
namespace {

constexpr Colour kSky = rgb(0x123456);
constexpr Colour kKeyColour = rgb(0xFF00FF);
constexpr Colour kBagColour = rgb(0xFFCC00);
constexpr Colour kEnemyColour = rgb(0x00EE77);

Colour lower_colour(int k) { return rgb(0x40, 0x00, 4 * k); }
Colour upper_colour(int k) { return rgb(0x00, 0x40, 4 * k); }

// A keyed tile: the key colour all round, its colour in the middle 10 x 10.
Bitmap keyed_tile(Colour c) {
    Bitmap b(20, 20, kKeyColour);
    b.brush_colour = c;
    b.fill_rect(Rect{5, 5, 15, 15});
    b.transparent = true;
    return b;
}

struct MapDrawing : ::testing::Test, testing::GameFixture {
    MapDrawing() {
        Game& gm = g();
        for (int k = 0; k < 50; ++k) {
            // Lower chips carry the key colour in their corner: it must be copied too.
            Bitmap lower(20, 20, lower_colour(k));
            lower.set_pixel(0, 19, kKeyColour);
            gm.chip_img[std::size_t(k)] = lower;
            gm.chip2_img[std::size_t(k)] = keyed_tile(upper_colour(k));
        }
        gm.cg_img[40] = keyed_tile(kBagColour);
        gm.cg_img[50] = Bitmap(4, 4, kEnemyColour); // an opaque enemy sprite
        gm.teki_type[4].image = 50;                 // enemy type 3
        gm.teki_type[4].size = 15;
        gm.mode = 1;
        gm.cg.fill(kSky);
    }
    cell& at(int column, int row) { return g().view_cell(column, row); }
    Colour px(int x, int y) { return g().cg.pixel(x, y); }
    int live_vent_shots() {
        int n = 0;
        for (int i = 1; i <= 100; ++i)
            if (g().teki_shot[std::size_t(i)].alive >= 1) ++n;
        return n;
    }
};

TEST_F(MapDrawing, NothingIsDrawnOnTheTitle) {
    g().mode = 0;
    at(0, 0).lower = 3;
    at(1, 0).upper = 6;
    at(2, 0).upper = 14;
    g().frame_count = 18; // the vent at column 2 would fire
    map_drawing(g());
    EXPECT_EQ(px(10, 10), kSky);
    EXPECT_EQ(px(30, 10), kSky);
    EXPECT_EQ(live_vent_shots(), 0);
}

TEST_F(MapDrawing, LowerChipsAreOpaqueAndZeroLeavesTheBackground) {
    at(0, 0).lower = 3;
    at(1, 0).lower = 0;
    at(25, 19).lower = 7; // the last, cut column and row
    map_drawing(g());
    EXPECT_EQ(px(0, 0), lower_colour(3));
    EXPECT_EQ(px(19, 18), lower_colour(3));
    EXPECT_EQ(px(0, 19), kKeyColour); // copied, not keyed out
    EXPECT_EQ(px(20, 0), kSky);
    EXPECT_EQ(px(39, 19), kSky);
    EXPECT_EQ(px(511, 383), lower_colour(7));
}

// Upper chip k sits in view column k of row 0.
struct UpperChips : MapDrawing {
    void place_all() {
        for (int k = 1; k <= 22; ++k) at(k, 0).upper = k;
        g().frame_count = 1; // keep the vent quiet
    }
    bool tile_shown(int k) { return px(20 * k + 10, 10) == upper_colour(k); }
};

TEST_F(UpperChips, ItemChipsAndTheBagAreHiddenInPlay) {
    place_all();
    map_drawing(g());
    for (int k = 1; k <= 22; ++k) {
        const bool hidden = k <= 5 || (k >= 9 && k <= 13);
        EXPECT_EQ(tile_shown(k), !hidden) << "upper chip " << k;
        EXPECT_EQ(px(20 * k, 0), kSky) << "keyed corner of upper chip " << k;
    }
    EXPECT_EQ(px(9 * 20 + 10, 10), kSky);
}

TEST_F(UpperChips, TheEditorShowsEveryChipAndTheBagSprite) {
    g().editor = true;
    place_all();
    map_drawing(g());
    for (int k = 1; k <= 22; ++k)
        if (k != 9) {
            EXPECT_TRUE(tile_shown(k)) << "upper chip " << k;
        }
    EXPECT_EQ(px(9 * 20 + 10, 10), kBagColour);
    EXPECT_EQ(px(9 * 20, 0), kSky);
}

TEST_F(UpperChips, UpperChipsDrawOverTheLowerOnes) {
    at(3, 2).lower = 4;
    at(3, 2).upper = 7;
    map_drawing(g());
    EXPECT_EQ(px(70, 50), upper_colour(7));
    EXPECT_EQ(px(61, 41), lower_colour(4));
}

TEST_F(MapDrawing, TheViewStartsAtTheScrolledColumn) {
    g().scroll = 5;
    g().map[6][1].lower = 3; // map column 5, row 0
    g().map[5][1].lower = 8; // map column 4: scrolled off
    map_drawing(g());
    EXPECT_EQ(px(10, 10), lower_colour(3));
    EXPECT_EQ(px(510, 10), kSky);
}

TEST_F(MapDrawing, EnemiesShowAsTheirTemplateSpriteOnlyInTheEditor) {
    at(2, 3).teki = 3;
    map_drawing(g());
    EXPECT_EQ(px(50, 70), kSky);
    g().editor = true;
    map_drawing(g());
    // Stretched to the template's half size 15 around the cell centre (50, 70).
    EXPECT_EQ(px(35, 55), kEnemyColour);
    EXPECT_EQ(px(64, 84), kEnemyColour);
    EXPECT_EQ(px(34, 70), kSky);
    EXPECT_EQ(px(65, 70), kSky);
    EXPECT_EQ(px(50, 85), kSky);
}

TEST_F(MapDrawing, ChipAndEnemyNumbersOutsideTheTablesDrawNothing) {
    g().editor = true;
    at(0, 0).lower = 50;
    at(1, 0).lower = -1;
    at(2, 0).upper = 50;
    at(3, 0).upper = 1000;
    at(4, 0).upper = -4;
    at(5, 0).teki = 100; // no template row 101
    at(6, 0).teki = 7;   // a template whose picture index is out of range
    g().teki_type[8].image = 250;
    g().teki_type[8].size = 10;
    map_drawing(g());
    for (int c = 0; c <= 6; ++c) EXPECT_EQ(px(20 * c + 10, 10), kSky) << c;
}

// ---- the vents ------------------------------------------------------------------

TEST(VentPhase, EachCellFiresEveryTwentyTicksOnItsOwnPhase) {
    for (int fc = 0; fc < 60; ++fc) {
        EXPECT_EQ(vent_fires(0, 0, fc), fc % 20 == 0) << fc;
        EXPECT_EQ(vent_fires(1, 0, fc), fc % 20 == 19) << fc; // a tick earlier
        EXPECT_EQ(vent_fires(3, 4, fc), fc % 20 == 13) << fc;
    }
    EXPECT_TRUE(vent_fires(25, 19, 99999996));
}

TEST_F(MapDrawing, VentsFireEnemyShotsUpwardOnTheirPhase) {
    g().scroll = 3;
    at(0, 0).upper = 14;
    at(1, 0).upper = 14;
    std::vector<int> fired_at, columns;
    for (int fc = 1; fc <= 40; ++fc) {
        g().frame_count = fc;
        const int before = live_vent_shots();
        map_drawing(g());
        if (live_vent_shots() > before) {
            fired_at.push_back(fc);
            const tman& s = g().teki_shot[std::size_t(g().teki_shot_next + 1)];
            columns.push_back(s.x);
            EXPECT_EQ(s.y, 0);
            EXPECT_EQ(s.image, 12);
            EXPECT_EQ(s.vy, -1);
            EXPECT_EQ(s.vx, 0);
        }
    }
    EXPECT_EQ(fired_at, (std::vector<int>{19, 20, 39, 40}));
    EXPECT_EQ(columns, (std::vector<int>{1, 0, 1, 0})); // view columns
}

TEST_F(MapDrawing, VentsFireInTheEditorToo) {
    g().editor = true;
    at(4, 6).upper = 14;
    g().frame_count = 10; // 4 + 10 + 6 = 20
    map_drawing(g());
    EXPECT_EQ(live_vent_shots(), 1);
}

} // namespace
} // namespace tsu
