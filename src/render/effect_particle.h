// The seeded particle effects: the records they keep in a slot's ef_work,
// and a particle kind as data (how its records are seeded, how they move,
// what they look like and their colour ramps).
//
// ef_work word 0 is the seeded flag (0 at spawn). From word 3 (byte offset
// 12) follow up to 10 records of 11 words: +4 angle in degrees, +8 origin x,
// +12 origin y, +16 radius, +20 speed, +24 size or streak length, +32 the
// particle's age (alive while > 0); +0, +28, +36, +40 are free for a kind's
// own use.
#pragma once
#include "render/effect_kind.h"
#include "render/effect_shape.h"

#include <array>
#include <cstdint>
#include <span>

namespace tsu::particle {

inline constexpr int kSeededWord = 0;
inline constexpr int kFirstWord = 3;
inline constexpr int kRecordWords = 11;
inline constexpr int kMaxRecords = 10;

// One record inside ef_work.
class Record {
  public:
    explicit Record(int32_t* words) : w_(words) {}
    int32_t& spare() const { return w_[0]; } // +0
    int32_t& angle() const { return w_[1]; }
    int32_t& ox() const { return w_[2]; }
    int32_t& oy() const { return w_[3]; }
    int32_t& radius() const { return w_[4]; }
    int32_t& speed() const { return w_[5]; }
    int32_t& size() const { return w_[6]; }
    int32_t& age() const { return w_[8]; }
    void clear() const {
        for (int i = 0; i < kRecordWords; ++i) w_[i] = 0;
    }

  private:
    int32_t* w_;
};

inline Record record(std::array<int32_t, kEffectWorkWords>& work, int j) {
    return Record(work.data() + kFirstWord + kRecordWords * j);
}

// A seeded field: base + random(range) (no draw when range is 0). The
// origin's base counts from the slot's x or y.
enum class Field { origin_x, origin_y, angle, size, age, speed, radius, spare };
struct Seed {
    Field field;
    int base, range;
};

// How the speed falls each tick (never below 1).
enum class Loss { none, fixed, quarter, third }; // by n, by speed div 4 + 1, by speed div 3 + 1

enum class Motion {
    outward, // radius += speed
    inward,  // radius -= speed: converging on the origin
    turning, // the bomb's rings: radius += speed, angle 33 j - radius - 1
    rising,  // radius += speed straight up from the origin; the origin drifts or jitters
    puffing, // a smoke puff: jitters sideways and creeps up
    sparkle, // rises by its speed, shrinks, and is placed again near the slot when spent
};

enum class Shape {
    streak,       // a line on the angle, shortening each tick (kind 164)
    converge,     // a line from the radius outward, thick and long at first (167)
    dot,          // a dot of half-size `size`
    ring_dot,     // a dot of half-size max(1, 16 - age div 2)
    pair,         // two dots, at the angle and opposite it
    star,         // the sign ★ in a bold font of the record's size
    puff,         // groups of three smoke dots
    ember,        // a dot of flame with a flickering hot core
    sparkle,      // a small upright ellipse
    cross_streak, // a straight streak that keeps its length
    square,       // a square of half-size `size`
    dot_streak,   // a dot with a streak trailing it
    rising_streak // a vertical line below the point
};

using effect_shape::Step;

struct ParticleKind {
    int32_t kind = 0;
    EffectLayer layer = EffectLayer::view;
    int32_t last_age = 0;
    int count = 10;
    std::array<Seed, 8> seeds{}; // in the order of their random draws
    int seed_count = 0;
    Loss loss = Loss::fixed;
    int loss_by = 3;
    Motion motion = Motion::outward;
    bool size_falls = false;   // size - 1 on frames where frame_count mod 8 is 0 (at least 1)
    bool origin_rises = false; // origin y - (frame_count mod 2) each tick
    Shape shape = Shape::dot;
    std::span<const Step> ramp{};  // by the particle's age; brush = pen
    std::span<const Step> ramp2{}; // a second part's colours (the dot of dot_streak, odd records of 82, the core of ember)
    int pen0 = 1, pen_div = 0;     // pen width max(1, pen0 - age div pen_div); pen0 when pen_div is 0
    int len_mul = 1, len_div = 1;  // dot_streak: streak length size * mul / div
    int dot_div = 1;               // dot_streak: dot half-size size / dot_div
    int flicker = 0;               // dot: > 0 adds random(flicker) to the half-size
    bool diagonal = false;         // angles 45 + 90 (j mod 4) instead of a seeded angle
    bool jitter = false;           // rising: the origin jitters by random(3) - 1; else drifts by j's parity
};

// How many particle kinds the table holds.
inline constexpr std::size_t kParticleKinds = 30;

// Every particle kind, in kind number order.
std::span<const ParticleKind> particle_table();
// The entry of a kind number, or null.
const ParticleKind* find_particle_kind(int32_t kind);

// Seeds the slot's records (once; sets the seeded flag).
void seed_particles(EffectSlot& s, const ParticleKind& k);
// Draws one live record after its tick's update; j is its index 0..9.
void draw_particle(EffectSlot& s, const ParticleKind& k, Record r, int j);

} // namespace tsu::particle
