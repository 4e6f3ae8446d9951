// The shape effects: every kind's layer, life and end value against the kind
// table; the pi of each kind; the exact looks of the spark burst (9), the
// shock rings (88) and the twinkle (66); the lightning's walk and flash; the
// screen shake; the big picture's leap.
#include "render/effect_families.h"
#include "render/effect_kind.h"
#include "render/effect_shape.h"
#include "render/effect_test_engine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <vector>

namespace tsu {
namespace {

using test::EffectGame;
using test::ink_box;
using effect_shape::Pi;

// ---- the kind table ---------------------------------------------------------------

constexpr EffectLayer kV = EffectLayer::view, kL = EffectLayer::light;

struct TableRow {
    int kind;
    EffectLayer layer;
    int last_age; // -1: no age limit
    int end_value;
};

// Every drawn kind that is not a plain text: layer, the age after which it
// ends and the age it is left with.
constexpr TableRow kTable[] = {
    {3, kV, 15, -1},   {7, kV, 30, 0},    {9, kV, 15, 0},    {10, kV, 15, 0},   {11, kV, 15, 0},
    {12, kV, 15, -1},  {21, kV, 25, -1},  {25, kV, 15, -1},  {27, kV, 15, -1},  {28, kV, 15, -1},
    {29, kV, 15, -1},  {30, kV, 15, -1},  {31, kV, 15, -1},  {32, kV, 0, -1},   {33, kV, 15, -1},
    {34, kV, 15, -1},  {35, kV, 15, -1},  {36, kV, 15, -1},  {37, kV, 20, -1},  {39, kV, 17, -1},
    {40, kV, 15, -1},  {41, kV, 15, -1},  {42, kV, 14, -1},  {43, kV, 15, -1},  {44, kV, 15, -1},
    {50, kV, 15, -1},  {51, kV, 15, -1},  {52, kV, 15, -1},  {53, kV, 15, -1},  {54, kV, 15, -1},
    {55, kV, 15, -1},  {56, kV, 15, -1},  {57, kV, 15, -1},  {58, kV, 15, -1},  {59, kV, 15, -1},
    {60, kV, 15, -1},  {62, kV, 28, -1},  {63, kV, 28, -1},  {64, kV, 30, -1},  {66, kL, 20, 0},
    {70, kV, 15, -1},  {71, kV, 15, 0},   {75, kV, 15, -1},  {76, kV, 15, -1},  {77, kV, 15, 0},
    {78, kV, 15, -1},  {79, kV, 15, -1},  {82, kV, 16, -1},  {83, kV, 15, -1},  {88, kV, 20, -1},
    {90, kV, 15, -1},  {92, kV, 20, -1},  {93, kV, 15, -1},  {94, kV, 15, -1},  {96, kV, 28, -1},
    {111, kV, 20, -1}, {113, kV, 20, -1}, {116, kV, 15, 0},  {117, kV, 15, -1}, {118, kV, 18, -1},
    {120, kV, 38, -1}, {121, kL, 38, -1}, {122, kV, 15, -1}, {125, kL, 25, -1}, {126, kL, 25, -1},
    {127, kL, 25, -1}, {128, kL, 25, -1}, {129, kL, 20, -1}, {135, kL, 5, -1},  {137, kV, 5, -1},
    {139, kV, 15, -1}, {140, kV, 60, -1}, {146, kV, 40, -1}, {147, kV, 30, -1}, {148, kV, 16, -1},
    {149, kV, 16, -1}, {150, kV, 16, -1}, {156, kV, 25, -1}, {157, kV, 26, -1}, {158, kV, 26, -1},
    {159, kV, 17, -1}, {160, kV, 17, -1}, {161, kV, 32, -1}, {162, kL, 22, -1}, {163, kV, 17, -1},
    {164, kV, 20, -1}, {165, kV, 27, -1}, {166, kV, 6, -1},  {167, kV, 22, -1}, {168, kV, 22, -1},
    {169, kV, 22, -1}, {170, kV, 20, 0},  {171, kV, 15, 0},  {172, kV, 10, -1}, {174, kV, -1, 0},
    {175, kL, 10, -1}, {176, kV, 10, -1}, {177, kV, 40, -1}, {178, kL, 16, -1}, {179, kL, 16, -1},
    {180, kL, 17, -1}, {189, kV, 17, -1}, {190, kV, 17, -1}, {191, kV, 17, -1}, {213, kV, 32, -1},
    {229, kL, 20, -1}, {236, kV, 15, -1}, {248, kV, 30, -1}, {249, kV, 16, -1}, {250, kV, 5, -1},
    {251, kV, 20, -1}, {262, kL, 22, -1}, {263, kL, 17, -1}, {266, kV, 22, -1}, {468, kL, 15, -1},
};

bool is_segment(int kind) { return kind == 135 || kind == 137 || kind == 166; }

struct ShapeGame : EffectGame {
    std::size_t spawn_kind(int kind, int x = 256, int y = 192) {
        if (is_segment(kind)) spawn_segment_effect(g(), x - 100, y - 150, x + 60, y + 150, kind);
        else spawn_effect(g(), x, y, kind, "ab");
        return std::size_t(pool().effect_cursor);
    }
    // One renderer pass over a black view and a black light layer.
    void pass() {
        g().cg.fill(kBlack);
        g().bak.fill(kBlack);
        draw_effects(g());
    }
    static bool all_black(const Bitmap& b) {
        return std::all_of(b.pixels().begin(), b.pixels().end(), [](Colour c) { return c == kBlack; });
    }
};

TEST(ShapeKindTable, EveryKindHasItsLayerLimitAndEndValue) {
    for (const TableRow& row : kTable) {
        const EffectKind* k = find_effect_kind(row.kind);
        ASSERT_NE(k, nullptr) << row.kind;
        EXPECT_NE(k->draw, nullptr) << row.kind;
        EXPECT_EQ(k->layer, row.layer) << row.kind;
        EXPECT_FALSE(k->half_speed || k->bounces || k->clears_text) << row.kind;
        if (row.last_age < 0) {
            EXPECT_EQ(k->end, EffectEnd::never) << row.kind;
        } else {
            EXPECT_EQ(k->end, EffectEnd::after_age) << row.kind;
            EXPECT_EQ(k->limit, row.last_age) << row.kind;
            EXPECT_EQ(k->end_value, row.end_value) << row.kind;
        }
    }
}

TEST(ShapeKindTable, TheShapeFamiliesListExactlyTheTabledKinds) {
    std::multiset<int> listed;
    for (const auto family : {square_kinds(), dot_ring_kinds(), shock_ring_kinds(), twinkle_kinds(),
                              line_kinds(), glow_kinds(), heart_kinds(), lightning_kinds(),
                              particle_kinds(), big_picture_kinds(), shake_kinds()})
        for (const EffectKind& k : family) listed.insert(k.kind);
    std::multiset<int> tabled;
    for (const TableRow& row : kTable) tabled.insert(row.kind);
    EXPECT_EQ(listed, tabled); // each kind once, none missing, none extra
}

TEST_F(ShapeGame, EveryKindLivesItsLifeAndLeavesItsEndValue) {
    for (const TableRow& row : kTable) {
        pool().free_all();
        const std::size_t s = spawn_kind(row.kind);
        int ticks = 0;
        while (pool().ef_age[s] >= 1 && ticks < 300) {
            pass();
            ++ticks;
        }
        if (row.last_age < 0) {
            EXPECT_EQ(ticks, 300) << row.kind; // still there
            continue;
        }
        // Spawned with age 1, drawn with ages 2 .. last + 1.
        EXPECT_EQ(ticks, std::max(1, row.last_age)) << row.kind;
        EXPECT_EQ(pool().ef_age[s], row.end_value) << row.kind;
    }
}

TEST_F(ShapeGame, EveryKindPaintsOnItsOwnLayerOnly) {
    for (const TableRow& row : kTable) {
        if (row.kind == 7 || row.kind == 250) continue; // no picture loaded; a black view shakes unseen
        pool().free_all();
        spawn_kind(row.kind);
        bool painted = false;
        for (int t = 0; t < 3 && !painted; ++t) {
            pass();
            const Bitmap& own = row.layer == kL ? g().bak : g().cg;
            const Bitmap& other = row.layer == kL ? g().cg : g().bak;
            EXPECT_TRUE(all_black(other)) << row.kind << " tick " << t;
            painted = !all_black(own);
        }
        EXPECT_TRUE(painted) << row.kind;
    }
}

TEST_F(ShapeGame, DrawersLeaveAThinPenAndASolidBrush) {
    for (const TableRow& row : kTable) {
        pool().free_all();
        spawn_kind(row.kind);
        g().cg.pen_width = g().bak.pen_width = 7;
        pass();
        const Bitmap& own = row.layer == kL ? g().bak : g().cg;
        EXPECT_EQ(own.brush_style, BrushStyle::solid) << row.kind;
        if (row.kind != 7 && row.kind != 250) {
            EXPECT_EQ(own.pen_width, 1) << row.kind;
        }
    }
}

// ---- pi -----------------------------------------------------------------------------

TEST(ShapePi, PointsOnCirclesTruncateTowardZero) {
    using effect_shape::on_circle;
    EXPECT_EQ(on_circle(100, 100, 0, 10, Pi::p3_1415), (effect_shape::Point{110, 100}));
    // cos(135 deg) * 10 = -7.07..: toward zero, not down.
    EXPECT_EQ(on_circle(100, 100, 135, 10, Pi::p3_1415), (effect_shape::Point{93, 107}));
    // Half a turn of a long radius shows which pi a kind takes: sin(180 * 3.14 / 180)
    // * 1000 is 1.59, with 3.1415 it is 0.09.
    EXPECT_EQ(on_circle(0, 0, 180, 1000, Pi::p3_14).y, 1);
    EXPECT_EQ(on_circle(0, 0, 180, 1000, Pi::p3_1415).y, 0);
}

TEST(ShapePi, FifteenKindsTakePiAs314) {
    const std::set<int> short_pi = {41, 42, 51, 52, 78, 79, 90, 92, 93, 94, 120, 121, 148, 176, 236};
    for (const TableRow& row : kTable)
        EXPECT_EQ(effect_shape::pi_for(row.kind) == Pi::p3_14, short_pi.count(row.kind) == 1) << row.kind;
}

// ---- dots ---------------------------------------------------------------------------------

TEST(ShapeDots, OneColourDotsMatchTheCanvasEllipse) {
    for (int h : {-3, 0, 1, 2, 3, 5, 8, 15, 40})
        for (const auto& [cx, cy] : {std::pair{50, 40}, std::pair{0, 0}, std::pair{99, 3}, std::pair{-4, 70},
                                     std::pair{60, 79}, std::pair{500, 500}}) {
            Bitmap fast(100, 80, kBlack), slow(100, 80, kBlack);
            for (Bitmap* b : {&fast, &slow}) {
                b->pen_width = 1;
                b->pen_colour = b->brush_colour = rgb(0x12AB34);
            }
            effect_shape::dot(fast, cx, cy, h);
            slow.ellipse(cx - h, cy - h, cx + h, cy + h);
            EXPECT_TRUE(fast.pixels() == slow.pixels()) << h << " at " << cx << "," << cy;
        }
}

TEST(ShapeDots, TwoColourDotsKeepTheirRim) {
    Bitmap b(40, 40, kBlack);
    b.pen_colour = rgb(0xFFFFFF);
    b.brush_colour = rgb(0xFF0000);
    effect_shape::dot(b, 20, 20, 6);
    EXPECT_EQ(b.pixel(14, 20), rgb(0xFFFFFF));
    EXPECT_EQ(b.pixel(20, 20), rgb(0xFF0000));
}

// ---- kind 9: the spark burst ------------------------------------------------------------

TEST_F(ShapeGame, SparkBurstSquaresSitWhereTheirRandomAnglesPutThem) {
    const int x = 200, y = 150;
    const std::size_t s = spawn_kind(9, x, y);
    for (int age : {2, 9, 16}) {
        pool().ef_age[s] = age - 1;
        Random expect = g().random; // the same draws as the renderer will make
        pass();
        Bitmap want(kViewWidth, kViewHeight, kBlack);
        const Colour brush[] = {rgb(0xFF55FF), rgb(0xEE44EE), rgb(0xBB33AA), rgb(0x772466), rgb(0x440022)};
        const Colour pen[] = {rgb(0xFF44FF), rgb(0xEE33EE), rgb(0x992499), rgb(0x440044), rgb(0x000000)};
        for (int step = 1; step <= 6; ++step) {
            const int u = std::min(age + step, 15);
            want.brush_colour = brush[std::min(u / 3, 4)];
            want.pen_colour = pen[std::min(u / 3, 4)];
            const int r = 3 * u + 10, h = 5 - u / 5;
            for (int j = 1; j <= 5; ++j) {
                const double a = j * expect(60) * 3.1415 / 180;
                const int cx = x + int(std::cos(a) * r), cy = y + int(std::sin(a) * r);
                want.rectangle(cx - h, cy - h - u, cx + h, cy + h - u);
            }
        }
        EXPECT_TRUE(g().cg.pixels() == want.pixels()) << "age " << age;
        EXPECT_EQ(g().random.draws(), expect.draws()) << "30 draws of random(60) per tick";
    }
}

// ---- kind 88: the shock rings --------------------------------------------------------------

TEST_F(ShapeGame, ShockRingsOpenAndThinWithTheAge) {
    const int x = 256, y = 192;
    const std::size_t s = spawn_kind(88, x, y);
    const Colour by_age[] = {rgb(0xFFFFFF), rgb(0xFFFFFF), rgb(0xFFFF00), rgb(0xFCB803), rgb(0xFD3A02),
                             rgb(0xFF0000), rgb(0x9E1212), rgb(0x711313), rgb(0x491414), rgb(0x763434)};
    for (int age : {2, 5, 9, 15, 16, 17, 21}) {
        pool().ef_age[s] = age - 1;
        pass();
        Bitmap want(kViewWidth, kViewHeight, kBlack);
        want.brush_style = BrushStyle::clear;
        want.pen_colour = by_age[std::min(age, 9)];
        auto ring = [&](int r, int w) {
            want.pen_width = w;
            want.ellipse(x - r, y - r, x + r, y + r);
        };
        ring(150 + 5 * age, 15 - age);
        for (int step = 1; step <= 3 && age + step < 18; ++step)
            ring(27 * (age + step) - 27, std::max(1, 40 - 2 * (age + step)));
        EXPECT_TRUE(g().cg.pixels() == want.pixels()) << "age " << age;
    }
}

TEST_F(ShapeGame, ShockRingsFirstFrameHasItsOuterEdgeAt160PlusHalfThePen) {
    spawn_kind(88, 256, 192);
    pass(); // age 2: outer ring radius 160, pen 13 (6 px beyond the radius)
    const auto box = ink_box(g().cg, rgb(0xFFFF00));
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->left, 256 - 160 - 6);
    EXPECT_EQ(box->top, 192 - 160 - 6);
}

// ---- kind 66: the twinkle -------------------------------------------------------------------

TEST_F(ShapeGame, TwinkleCrossSwellsOnTheLightLayer) {
    const std::size_t s = spawn_kind(66, 256, 192);
    pool().ef_age[s] = 6;
    pass(); // age 7: k = 7 * 7 / 3 = 16, big cross half-length 32 with a 5 px pen
    EXPECT_TRUE(all_black(g().cg));
    Bitmap lit = g().bak;
    for (Colour& c : lit.pixels()) c = c == kBlack ? kBlack : kWhite;
    EXPECT_EQ(ink_box(lit, kWhite), (Rect{256 - 34, 192 - 34, 256 + 35, 192 + 35}));
    pool().ef_age[s] = 13;
    pass(); // age 14: the crosses are gone to a point, six dots circle at radius 34
            // at 60 j + 28 degrees; the widest pair at 28 and 208 degrees, 30 px out
    lit = g().bak;
    for (Colour& c : lit.pixels()) c = c == kBlack ? kBlack : kWhite;
    const auto box = ink_box(lit, kWhite);
    ASSERT_TRUE(box.has_value());
    EXPECT_EQ(box->left, 256 - 30 - 1);
    EXPECT_EQ(box->right, 256 + 30 + 1);
    EXPECT_EQ(lit.pixel(256, 192 - 10), kBlack); // nothing between the point and the dots
}

// ---- kind 135: lightning ---------------------------------------------------------------------

int toward(int from, int to, int step) { return from < to ? from + step : from - step; }

TEST_F(ShapeGame, LightningWalkStartsAgainFromTheStartEveryTick) {
    spawn_segment_effect(g(), 100, 0, 300, 380, 135);
    const std::size_t s = std::size_t(pool().effect_cursor);
    for (int t = 0; t < 3; ++t) {
        pool().ef_c[s] = -999; // wherever the last walk ended, the next starts at (a, b)
        pool().ef_d[s] = 999;
        Random expect = g().random;
        expect(4); // the pen width
        int c = 100, d = 0;
        for (int k = 0; k < 40; ++k) {
            c = toward(c, 300, 1 + expect(15));
            d = toward(d, 380, 1 + expect(15));
        }
        pass();
        EXPECT_EQ(pool().ef_c[s], c) << t;
        EXPECT_EQ(pool().ef_d[s], d) << t;
        EXPECT_EQ(pool().ef_a[s], 100);
        EXPECT_EQ(pool().ef_b[s], 0);
        EXPECT_EQ(g().random.draws(), expect.draws());
    }
}

TEST_F(ShapeGame, LightningFlashesTheLightLayerForItsFirstAges) {
    spawn_segment_effect(g(), 400, 0, 450, 380, 135);
    const Colour flash[] = {rgb(0x4600FF), rgb(0x030082), kBlack, kBlack, kBlack}; // ages 2..6
    const Colour bolt[] = {rgb(0xFFFFFF), rgb(0x00FFFF), rgb(0x4600FF), rgb(0x030082), rgb(0x00FFFF)};
    for (int i = 0; i < 5; ++i) {
        pass();
        EXPECT_EQ(g().bak.pixel(0, 383), flash[i]) << "age " << i + 2;
        EXPECT_TRUE(ink_box(g().bak, bolt[i]).has_value()) << "age " << i + 2;
        EXPECT_TRUE(all_black(g().cg));
    }
    EXPECT_EQ(pool().ef_age[std::size_t(pool().effect_cursor)], -1); // drawn at age 6, then freed
}

TEST_F(ShapeGame, BoltOnTheViewDoesNotFlash) {
    spawn_segment_effect(g(), 100, 0, 300, 380, 137);
    pass();
    EXPECT_EQ(g().cg.pixel(511, 383), kBlack);
    EXPECT_TRUE(ink_box(g().cg, rgb(0xFFFFFF)).has_value());
    EXPECT_TRUE(all_black(g().bak));
}

// ---- kind 250: the shake -----------------------------------------------------------------------

TEST_F(ShapeGame, ShakeMovesWhatWasDrawnBeforeItAndNotWhatComesAfter) {
    // Find a tick whose shake moves both ways.
    int dx = 0, dy = 0;
    for (std::uint64_t seed = 1; dx == 0 || dy == 0; ++seed) {
        g().random.reseed(seed);
        Random probe = g().random;
        dy = probe(11) - 5; // y is drawn first
        dx = probe(11) - 5;
    }
    pool().effect_cursor = 19;
    spawn_effect(g(), 100, 100, 32, ""); // slot 20: a red box, drawn before the shake
    spawn_effect(g(), 0, 0, 250, "");    // slot 21
    spawn_effect(g(), 300, 200, 32, ""); // slot 22: drawn after it
    g().cg.fill(kBlack);
    g().cg.set_pixel(50, 60, kWhite); // the map and sprites drawn before the effects
    g().bak.fill(kBlack);
    draw_effects(g());
    EXPECT_EQ(g().cg.pixel(50 + dx, 60 + dy), kWhite);
    EXPECT_EQ(ink_box(g().cg, rgb(0xFF0000))->left, std::min(90 + dx, 290));
    const Rect early{90 + dx, 90 + dy, 110 + dx, 110 + dy};
    EXPECT_EQ(g().cg.pixel(early.left, early.top), rgb(0xFF0000));
    EXPECT_EQ(g().cg.pixel(early.right - 1, early.bottom - 1), rgb(0xFF0000));
    EXPECT_EQ(g().cg.pixel(290, 190), rgb(0xFF0000)); // the later box where it was put
    EXPECT_EQ(g().cg.pixel(309, 209), rgb(0xFF0000));
}

// ---- kind 7: the big picture -------------------------------------------------------------------

TEST_F(ShapeGame, BigPictureLeapsUpThenFallsAway) {
    g().cg_img[6] = Bitmap(4, 3, rgb(0x00FF00));
    const std::size_t s = spawn_kind(7, 200, 300);
    std::vector<int> steps;
    int y = 300;
    for (int t = 0; t < 30; ++t) {
        pass();
        steps.push_back(pool().ef_y[s] - y);
        y = pool().ef_y[s];
        if (t == 0) {
            EXPECT_EQ(ink_box(g().cg, rgb(0x00FF00)), (Rect{50, 195, 54, 198}));
        }
    }
    const std::vector<int> want = {-30, -30, -20, -20, -10, -10, -5, -5, -5, -5, -5, -5, 2, 2, 2,
                                   5,   5,   12,  12,  12,  22,  22, 22, 22, 22, 22, 22, 22, 22, 22};
    EXPECT_EQ(steps, want);
    EXPECT_EQ(pool().ef_age[s], 0);
}

// ---- hearts -----------------------------------------------------------------------------------

TEST_F(ShapeGame, HeartIsFilledAndItsFillStaysInside) {
    const std::size_t s = spawn_kind(229, 256, 192);
    pool().ef_age[s] = 9;
    pass(); // age 10: lobes of radius 5 at y = 192 - 20, tip 10 px below
    const Bitmap& b = g().bak;
    const Colour pink = b.pixel(256, 172 + 5);
    int lit = 0, in_pink = 0;
    for (Colour c : b.pixels()) {
        lit += c != kBlack;
        in_pink += c == pink;
    }
    EXPECT_EQ(lit, in_pink); // outline and fill in one colour
    const auto box = ink_box(b, pink);
    ASSERT_TRUE(box.has_value());
    EXPECT_LE(box->width(), 21);
    EXPECT_LE(box->height(), 16);
    EXPECT_NE(b.pixel(256, 172 + 5), kBlack); // the inside of the V is filled
    EXPECT_EQ(b.pixel(256, 172 - 5), kBlack); // the dip between the lobes is not
}

TEST_F(ShapeGame, HeartsNearTheEdgesNeverSpillOverTheLayer) {
    for (int kind : {129, 229})
        for (int x : {0, 4, 256, 507, 511})
            for (int y : {0, 6, 192, 379, 383}) {
                pool().free_all();
                const std::size_t s = spawn_kind(kind, x, y);
                const int rise = 2, grow = kind == 129 ? 3 : 5, r0 = kind == 129 ? 4 : 3;
                while (pool().ef_age[s] >= 1) {
                    const int age = pool().ef_age[s] + 1;
                    pass();
                    const int r = r0 + age / grow, cy = y - rise * age;
                    for (int py = 0; py < kViewHeight; ++py)
                        for (int px = 0; px < kViewWidth; ++px) {
                            if (g().bak.pixel(px, py) == kBlack) continue;
                            ASSERT_TRUE(px >= x - 2 * r && px <= x + 2 * r && py >= cy - r && py <= cy + 2 * r)
                                << kind << " at " << x << "," << y << " age " << age << ": " << px << "," << py;
                        }
                }
            }
}

TEST_F(ShapeGame, KindsFarOutsideTheViewDrawNothingAndEndOnTime) {
    for (const TableRow& row : kTable) {
        if (row.last_age < 0) continue;
        for (const auto& [x, y] : {std::pair{-100000, 50}, std::pair{50, 100000}, std::pair{1000000, -1000000}}) {
            pool().free_all();
            const std::size_t s = spawn_kind(row.kind, x, y);
            int ticks = 0;
            while (pool().ef_age[s] >= 1 && ticks < 100) {
                pass();
                ++ticks;
                if (row.kind != 135) { // the storm's flash lights the whole layer wherever the bolt is
                    EXPECT_TRUE(all_black(g().cg) && all_black(g().bak)) << row.kind << " at " << x;
                }
            }
            EXPECT_EQ(ticks, std::max(1, row.last_age)) << row.kind;
        }
    }
}

} // namespace
} // namespace tsu
