// The particle kinds as data: seeding, motion, shape and colour ramps of
// every seeded particle effect. Ramps list the colours a record takes as its
// own age grows (brush = pen); a ramp's last step holds from then on.
#include "render/effect_particle.h"

#include <algorithm>

namespace tsu::particle {

namespace {

using F = Field;
using M = Motion;
using Sh = Shape;

constexpr Seed S(Field f, int base, int range) { return Seed{f, base, range}; }

// ---- ramps -----------------------------------------------------------------------

constexpr std::array<Step, 8> kRainbowSpark = {{{4, rgb(0xFFFFFF)}, {6, rgb(0x00FFFF)},
                                                {8, rgb(0x00FF00)}, {10, rgb(0xFFFF00)},
                                                {12, rgb(0xFF8000)}, {14, rgb(0xFF0000)},
                                                {16, rgb(0xFF00FF)}, {99, rgb(0x0080C0)}}};
constexpr std::array<Step, 14> kVioletSpark = {
    {{2, rgb(0x5500FF)}, {4, rgb(0x3300CC)}, {6, rgb(0x7733FF)}, {8, rgb(0x5522FF)},
     {10, rgb(0xBC79FF)}, {12, rgb(0xA346FF)}, {13, rgb(0xFFFFFF)}, {14, rgb(0x00FFFF)},
     {16, rgb(0x8E1EFF)}, {18, rgb(0x7C00F9)}, {20, rgb(0xCC00CB)}, {22, rgb(0x75009B)},
     {24, rgb(0x7D005A)}, {99, rgb(0x7D007A)}}};
constexpr std::array<Step, 10> kRedEmber = {
    {{3, rgb(0xFF0000)}, {5, rgb(0xDD0000)}, {7, rgb(0xBB0000)}, {9, rgb(0x990000)},
     {11, rgb(0x770000)}, {13, rgb(0x550000)}, {15, rgb(0x440000)}, {17, rgb(0x330000)},
     {19, rgb(0x220000)}, {99, rgb(0x110000)}}};
constexpr std::array<Step, 4> kOrangeEmber = {
    {{5, rgb(0xFFCC00)}, {9, rgb(0xDD9900)}, {13, rgb(0xBB6600)}, {99, rgb(0x993300)}}};
// 125..128: bright at first, cooling to dark as the ring opens.
constexpr std::array<Step, 7> kRing125 = {
    {{4, rgb(0xFFDDFF)}, {7, rgb(0xEECCDD)}, {10, rgb(0xDDAABB)}, {13, rgb(0xBB8899)},
     {16, rgb(0x997766)}, {20, rgb(0x776644)}, {99, rgb(0x334400)}}};
constexpr std::array<Step, 7> kRing126 = {
    {{4, rgb(0xFFAADD)}, {7, rgb(0xEE99BB)}, {10, rgb(0xDD88AA)}, {13, rgb(0xBB7799)},
     {16, rgb(0x996666)}, {20, rgb(0x775544)}, {99, rgb(0x443311)}}};
constexpr std::array<Step, 7> kRing127 = {
    {{4, rgb(0xFF66DD)}, {7, rgb(0xEE55BB)}, {10, rgb(0xDD44AA)}, {13, rgb(0xBB3399)},
     {16, rgb(0x991166)}, {20, rgb(0x770044)}, {99, rgb(0x440011)}}};
constexpr std::array<Step, 7> kRing128 = {
    {{4, rgb(0xFF66BB)}, {7, rgb(0xEE55AA)}, {10, rgb(0xDD4488)}, {13, rgb(0xBB3377)},
     {16, rgb(0x991155)}, {20, rgb(0x550033)}, {99, rgb(0x330022)}}};
constexpr std::array<Step, 7> kSmoke = {
    {{8, rgb(0x777777)}, {16, rgb(0x666666)}, {24, rgb(0x555555)}, {32, rgb(0x444444)},
     {40, rgb(0x333333)}, {48, rgb(0x222222)}, {99, rgb(0x111111)}}};
constexpr std::array<Step, 9> kFlame = {
    {{5, rgb(0xEEAA00)}, {9, rgb(0xEE8800)}, {13, rgb(0xEE6600)}, {17, rgb(0xDD4400)},
     {21, rgb(0xAA2200)}, {25, rgb(0x880000)}, {29, rgb(0x550000)}, {33, rgb(0x330000)},
     {99, rgb(0x110000)}}};
// The ember's core: young cores pick among the first three, old ones the last.
constexpr std::array<Step, 5> kHotCore = {{{0, rgb(0xFFCC00)}, {1, rgb(0xFF9900)},
                                           {2, rgb(0xFF4400)}, {3, rgb(0xFF1100)},
                                           {99, rgb(0xAA0000)}}};
// 164 and the cyan kinds: up to 6 pale cyan, one colour an age to deep blue.
constexpr std::array<Step, 12> kCyan164 = {
    {{6, rgb(0x99FFFF)}, {7, rgb(0x55FFFF)}, {8, rgb(0x00FFFF)}, {9, rgb(0x00DDFF)},
     {10, rgb(0x00BBFF)}, {11, rgb(0xE099EE)}, {12, rgb(0x0077CC)}, {13, rgb(0x0055AA)},
     {14, rgb(0x003388)}, {15, rgb(0x001166)}, {16, rgb(0x000044)}, {99, rgb(0x000022)}}};
// 163: the same colours two ages earlier.
constexpr std::array<Step, 12> kCyan163 = {
    {{4, rgb(0x99FFFF)}, {5, rgb(0x55FFFF)}, {6, rgb(0x00FFFF)}, {7, rgb(0x00DDFF)},
     {8, rgb(0x00BBFF)}, {9, rgb(0xE099EE)}, {10, rgb(0x0077CC)}, {11, rgb(0x0055AA)},
     {12, rgb(0x003388)}, {13, rgb(0x001166)}, {14, rgb(0x000044)}, {99, rgb(0x000022)}}};
constexpr std::array<Step, 14> kCyan165 = {
    {{6, rgb(0x99FFFF)}, {7, rgb(0x55FFFF)}, {8, rgb(0x00FFFF)}, {9, rgb(0x00DDFF)},
     {10, rgb(0x00BBFF)}, {11, rgb(0xE099EE)}, {12, rgb(0x0077CC)}, {13, rgb(0x0055AA)},
     {14, rgb(0x003388)}, {15, rgb(0x001177)}, {16, rgb(0x000066)}, {17, rgb(0x000055)},
     {18, rgb(0x001144)}, {99, rgb(0x000033)}}};
constexpr std::array<Step, 14> kBlood = {
    {{4, rgb(0xFF0000)}, {6, rgb(0xEE0000)}, {8, rgb(0xDF0000)}, {10, rgb(0xCF0000)},
     {12, rgb(0xBF0000)}, {14, rgb(0xAF0000)}, {16, rgb(0x9F0000)}, {18, rgb(0x8F0000)},
     {20, rgb(0x7F0000)}, {22, rgb(0x6F0000)}, {24, rgb(0x5F0000)}, {26, rgb(0x4F0000)},
     {28, rgb(0x330000)}, {99, rgb(0x220000)}}};
// 161 (and 248): up to 6 red, 7..10, 11..14, 15..18, 19..23, then dark.
constexpr std::array<Step, 6> kHurt = {{{6, rgb(0xFF0000)}, {10, rgb(0xDD2200)},
                                        {14, rgb(0xBB3300)}, {18, rgb(0x992200)},
                                        {23, rgb(0x661100)}, {99, rgb(0x330000)}}};
constexpr std::array<Step, 12> kStar = {
    {{4, rgb(0x22FF77)}, {6, rgb(0x00FF55)}, {9, rgb(0x22EE44)}, {11, rgb(0x44DD33)},
     {13, rgb(0x66CC22)}, {15, rgb(0x88BB11)}, {17, rgb(0xAAAA00)}, {18, rgb(0x888800)},
     {19, rgb(0x665500)}, {20, rgb(0x442200)}, {21, rgb(0x331100)}, {99, rgb(0x220000)}}};
constexpr std::array<Step, 6> kCharge = {{{5, rgb(0xFFFFFF)}, {8, rgb(0xFFFF99)},
                                          {11, rgb(0xFFDD55)}, {14, rgb(0xEEAA22)},
                                          {17, rgb(0x996600)}, {99, rgb(0x553300)}}};
constexpr std::array<Step, 6> kGreenCharge = {{{5, rgb(0x99FFFF)}, {8, rgb(0x00FF55)},
                                               {11, rgb(0x00DD33)}, {14, rgb(0x00AA11)},
                                               {17, rgb(0x006600)}, {99, rgb(0x003300)}}};
constexpr std::array<Step, 10> kGreenSpark = {
    {{4, rgb(0x00FF00)}, {6, rgb(0x00DD00)}, {8, rgb(0x00BB00)}, {10, rgb(0x009900)},
     {12, rgb(0x007700)}, {14, rgb(0x005500)}, {16, rgb(0x004400)}, {18, rgb(0x003300)},
     {20, rgb(0x002200)}, {99, rgb(0x001100)}}};
constexpr std::array<Step, 14> kSage = {
    {{3, rgb(0xDDEECC)}, {5, rgb(0xCCDDBB)}, {7, rgb(0xBBCCAA)}, {9, rgb(0xAABB99)},
     {11, rgb(0x99AA88)}, {13, rgb(0x889977)}, {15, rgb(0x778866)}, {17, rgb(0x667755)},
     {19, rgb(0x556644)}, {21, rgb(0x445533)}, {23, rgb(0x334422)}, {25, rgb(0x223311)},
     {27, rgb(0x112200)}, {99, rgb(0x001100)}}};
constexpr std::array<Step, 14> kSlate = {
    {{3, rgb(0xCCDDEE)}, {5, rgb(0xBBCCDD)}, {7, rgb(0xAABBCC)}, {9, rgb(0x99AABB)},
     {11, rgb(0x8899AA)}, {13, rgb(0x778899)}, {15, rgb(0x667788)}, {17, rgb(0x556677)},
     {19, rgb(0x445566)}, {21, rgb(0x334455)}, {23, rgb(0x223344)}, {25, rgb(0x112233)},
     {27, rgb(0x001122)}, {99, rgb(0x000011)}}};
constexpr std::array<Step, 14> kSky = {
    {{3, rgb(0x99FFFF)}, {5, rgb(0x77FFFF)}, {7, rgb(0x55FFFF)}, {9, rgb(0x33EEFF)},
     {11, rgb(0x11DDFF)}, {13, rgb(0x00CCEE)}, {15, rgb(0x00BBDD)}, {17, rgb(0x0099CC)},
     {19, rgb(0x0077BB)}, {21, rgb(0x005599)}, {23, rgb(0x003377)}, {25, rgb(0x001155)},
     {27, rgb(0x000033)}, {99, rgb(0x000011)}}};
// 213: ice shards, white first.
constexpr std::array<Step, 6> kIce = {{{6, rgb(0xFFFFFF)}, {12, rgb(0xAACCCC)},
                                       {18, rgb(0x669999)}, {24, rgb(0x446666)},
                                       {30, rgb(0x223333)}, {99, rgb(0x001122)}}};
constexpr std::array<Step, 6> kBlock = {{{4, rgb(0xEE55AA)}, {8, rgb(0xDD4488)},
                                         {12, rgb(0xBB3377)}, {16, rgb(0x992255)},
                                         {20, rgb(0x551133)}, {99, rgb(0x331122)}}};
constexpr std::array<Step, 6> kLeafStreak = {{{6, rgb(0xAAFFAA)}, {10, rgb(0x99FF99)},
                                              {14, rgb(0x55DD55)}, {18, rgb(0x22AA22)},
                                              {22, rgb(0x006600)}, {99, rgb(0x003300)}}};
constexpr std::array<Step, 5> kLeafDot = {{{6, rgb(0x99DD99)}, {11, rgb(0x55AA55)},
                                           {16, rgb(0x228822)}, {21, rgb(0x005500)},
                                           {99, rgb(0x000000)}}};

// ---- the kinds ---------------------------------------------------------------------

// Seeds of the outward kinds: angle, size, age, speed, radius, drawn in that order.
constexpr std::array<Seed, 8> burst(int size0, int size_n, int age0, int age_n, int speed0,
                                    int speed_n, int radius0, int radius_n) {
    return {S(F::angle, 0, 360), S(F::size, size0, size_n), S(F::age, age0, age_n),
            S(F::speed, speed0, speed_n), S(F::radius, radius0, radius_n)};
}
// The bomb's rings: only the age is drawn.
constexpr std::array<Seed, 8> turning(int radius, int speed) {
    return {S(F::age, 1, 9), S(F::radius, radius, 0), S(F::speed, speed, 0)};
}

constexpr std::array<ParticleKind, kParticleKinds> kTable = {{
    {.kind = 39, .last_age = 17, .seeds = burst(5, 10, 1, 9, 7, 5, 0, 3), .seed_count = 5,
     .size_falls = true, .shape = Sh::streak, .ramp = kRainbowSpark, .pen0 = 3, .pen_div = 2},
    {.kind = 40, .last_age = 15, .count = 2, .seeds = burst(1, 4, 1, 9, 7, 5, 3, 4),
     .seed_count = 5, .shape = Sh::dot, .ramp = kVioletSpark, .flicker = 2},
    {.kind = 82, .last_age = 16, .seeds = burst(1, 4, 1, 9, 10, 7, 9, 0), .seed_count = 5,
     .size_falls = true, .shape = Sh::dot, .ramp = kRedEmber, .ramp2 = kOrangeEmber},
    {.kind = 125, .layer = EffectLayer::light, .last_age = 25, .seeds = turning(20, 100),
     .seed_count = 3, .loss = Loss::quarter, .motion = M::turning, .shape = Sh::ring_dot,
     .ramp = kRing125},
    {.kind = 126, .layer = EffectLayer::light, .last_age = 25, .seeds = turning(12, 80),
     .seed_count = 3, .loss = Loss::quarter, .motion = M::turning, .shape = Sh::ring_dot,
     .ramp = kRing126},
    {.kind = 127, .layer = EffectLayer::light, .last_age = 25, .seeds = turning(15, 60),
     .seed_count = 3, .loss = Loss::quarter, .motion = M::turning, .shape = Sh::ring_dot,
     .ramp = kRing127},
    {.kind = 128, .layer = EffectLayer::light, .last_age = 25, .seeds = turning(10, 30),
     .seed_count = 3, .loss = Loss::quarter, .motion = M::turning, .shape = Sh::ring_dot,
     .ramp = kRing128},
    {.kind = 146, .last_age = 40, .count = 7,
     .seeds = {S(F::origin_x, -10, 9), S(F::spare, 0, 3), S(F::origin_y, -10, 20),
               S(F::size, 5, 5), S(F::age, 0, 15)},
     .seed_count = 5, .loss = Loss::none, .motion = M::puffing, .shape = Sh::puff, .ramp = kSmoke},
    {.kind = 147, .last_age = 30,
     .seeds = {S(F::origin_x, -10, 20), S(F::origin_y, -15, 30), S(F::size, 0, 4),
               S(F::age, 1, 9), S(F::speed, 2, 10)},
     .seed_count = 5, .loss_by = 1, .motion = M::rising, .shape = Sh::ember, .ramp = kFlame,
     .ramp2 = kHotCore, .jitter = true},
    {.kind = 157, .last_age = 26,
     .seeds = {S(F::origin_x, -15, 30), S(F::origin_y, -60, 40), S(F::size, 1, 10),
               S(F::age, 1, 9), S(F::speed, 1, 6)},
     .seed_count = 5, .loss = Loss::none, .motion = M::sparkle, .shape = Sh::sparkle,
     .ramp = kCyan164},
    {.kind = 158, .last_age = 26,
     .seeds = {S(F::origin_x, -8, 7), S(F::origin_y, -8, 7), S(F::size, 10, 5), S(F::age, 1, 9),
               S(F::speed, 6, 3), S(F::radius, 3, 3)},
     .seed_count = 6, .loss = Loss::quarter, .shape = Sh::cross_streak, .ramp = kCyan164,
     .diagonal = true},
    {.kind = 159, .last_age = 17, .seeds = burst(1, 4, 1, 9, 10, 15, 0, 0), .seed_count = 5,
     .size_falls = true, .shape = Sh::dot, .ramp = kBlood},
    {.kind = 160, .last_age = 17, .seeds = burst(1, 3, 1, 9, 10, 10, 5, 0), .seed_count = 5,
     .size_falls = true, .shape = Sh::dot, .ramp = kCyan164},
    {.kind = 161, .last_age = 32, .seeds = burst(2, 10, 1, 9, 13, 5, 10, 0), .seed_count = 5,
     .size_falls = true, .origin_rises = true, .shape = Sh::pair, .ramp = kHurt},
    {.kind = 162, .layer = EffectLayer::light, .last_age = 22,
     .seeds = burst(8, 7, 1, 10, 13, 15, 0, 0), .seed_count = 5, .size_falls = true,
     .origin_rises = true, .shape = Sh::star, .ramp = kStar},
    {.kind = 163, .last_age = 17, .seeds = burst(5, 10, 1, 9, 7, 5, 3, 5), .seed_count = 5,
     .shape = Sh::streak, .ramp = kCyan163, .pen0 = 3, .pen_div = 2},
    {.kind = 164, .last_age = 20, .seeds = burst(10, 10, 1, 9, 13, 5, 10, 15), .seed_count = 5,
     .shape = Sh::streak, .ramp = kCyan164, .pen0 = 5, .pen_div = 2},
    {.kind = 165, .last_age = 27, .seeds = burst(15, 15, 1, 9, 16, 10, 7, 10), .seed_count = 5,
     .loss_by = 4, .shape = Sh::streak, .ramp = kCyan165, .pen0 = 5, .pen_div = 2},
    {.kind = 167, .last_age = 22, .seeds = burst(1, 4, 1, 9, 10, 15, 200, 50), .seed_count = 5,
     .motion = M::inward, .size_falls = true, .shape = Sh::converge, .ramp = kCharge, .pen0 = 11,
     .pen_div = 1},
    {.kind = 168, .last_age = 22, .seeds = burst(1, 4, 1, 9, 10, 15, 170, 50), .seed_count = 5,
     .motion = M::inward, .size_falls = true, .shape = Sh::converge, .ramp = kCharge, .pen0 = 11,
     .pen_div = 1},
    {.kind = 169, .last_age = 22, .seeds = burst(1, 4, 1, 9, 10, 15, 100, 50), .seed_count = 5,
     .motion = M::inward, .size_falls = true, .shape = Sh::converge, .ramp = kGreenCharge,
     .pen0 = 11, .pen_div = 1},
    {.kind = 180, .layer = EffectLayer::light, .last_age = 17,
     .seeds = burst(5, 10, 1, 6, 7, 5, 3, 3), .seed_count = 5, .shape = Sh::streak,
     .ramp = kGreenSpark, .pen0 = 3, .pen_div = 2},
    {.kind = 189, .last_age = 17, .seeds = burst(10, 20, 1, 9, 15, 15, 10, 10), .seed_count = 5,
     .size_falls = true, .shape = Sh::dot_streak, .ramp = kSage, .ramp2 = kSage, .len_div = 2,
     .dot_div = 8},
    {.kind = 190, .last_age = 17, .seeds = burst(10, 20, 1, 9, 15, 15, 5, 5), .seed_count = 5,
     .size_falls = true, .shape = Sh::dot_streak, .ramp = kSlate, .ramp2 = kSlate, .len_div = 2,
     .dot_div = 8},
    {.kind = 191, .last_age = 17, .seeds = burst(10, 20, 1, 9, 10, 10, 0, 5), .seed_count = 5,
     .size_falls = true, .shape = Sh::dot_streak, .ramp = kSky, .ramp2 = kSky, .len_div = 2,
     .dot_div = 8},
    {.kind = 213, .last_age = 32, .seeds = burst(4, 3, 1, 9, 4, 4, 3, 0), .seed_count = 5,
     .loss_by = 1, .size_falls = true, .origin_rises = true, .shape = Sh::square, .ramp = kIce},
    {.kind = 248, .last_age = 30,
     .seeds = {S(F::origin_x, -10, 20), S(F::origin_y, -15, 30), S(F::size, 8, 7),
               S(F::age, 1, 9), S(F::speed, 2, 10), S(F::radius, 2, 10)},
     .seed_count = 6, .loss_by = 1, .motion = M::rising, .shape = Sh::rising_streak,
     .ramp = kHurt, .pen0 = 2},
    {.kind = 262, .layer = EffectLayer::light, .last_age = 22,
     .seeds = burst(1, 3, 1, 3, 13, 15, 0, 0), .seed_count = 5, .loss = Loss::third,
     .shape = Sh::dot, .ramp = kBlock},
    {.kind = 263, .layer = EffectLayer::light, .last_age = 17,
     .seeds = burst(5, 10, 3, 9, 7, 5, 0, 0), .seed_count = 5, .shape = Sh::streak,
     .ramp = kCyan164, .pen0 = 3, .pen_div = 2},
    {.kind = 266, .last_age = 22, .seeds = burst(1, 4, 1, 9, 10, 15, 50, 20), .seed_count = 5,
     .loss_by = 2, .motion = M::inward, .size_falls = true, .shape = Sh::dot_streak,
     .ramp = kLeafStreak, .ramp2 = kLeafDot, .len_mul = 4, .dot_div = 1},
}};

} // namespace

std::span<const ParticleKind> particle_table() { return kTable; }

const ParticleKind* find_particle_kind(int32_t kind) {
    for (const ParticleKind& k : kTable)
        if (k.kind == kind) return &k;
    return nullptr;
}

} // namespace tsu::particle
