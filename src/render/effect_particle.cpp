// The seeded particle effects: on a slot's first drawn tick its records are
// seeded from the kind's table row (and the seeded flag set, whichever layer
// the kind paints on); every tick after, each live record ages, moves by its
// speed and is drawn in the colour of its own age. The records live in the
// slot's ef_work until the slot ends.
#include "render/effect_particle.h"

#include "game/game.h"
#include "render/effect_families.h"

#include <algorithm>
#include <array>

namespace tsu {

namespace particle {

namespace {

int32_t& field(Record r, Field f) {
    switch (f) {
    case Field::origin_x: return r.ox();
    case Field::origin_y: return r.oy();
    case Field::angle: return r.angle();
    case Field::size: return r.size();
    case Field::age: return r.age();
    case Field::speed: return r.speed();
    case Field::radius: return r.radius();
    case Field::spare: break;
    }
    return r.spare();
}

int lose(const ParticleKind& k, int speed) {
    switch (k.loss) {
    case Loss::none: return speed;
    case Loss::fixed: return std::max(1, speed - k.loss_by);
    case Loss::quarter: return std::max(1, speed - (speed / 4 + 1));
    case Loss::third: return std::max(1, speed - (speed / 3 + 1));
    }
    return speed;
}

// 157: a spent sparkle is placed again near the slot; the draws come size,
// speed, y, x.
void place_again(EffectSlot& s, Record r) {
    Game& g = s.g;
    r.size() = 1 + g.rnd(10);
    r.speed() = 1 + g.rnd(6);
    r.oy() = s.y() - 60 + g.rnd(40);
    r.ox() = s.x() - 15 + g.rnd(30);
}

// One tick of a live record: age, speed and position, then the size and the
// origin's slow climb that some kinds have.
void move(EffectSlot& s, const ParticleKind& k, Record r, int j) {
    Game& g = s.g;
    r.age() += 1;
    switch (k.motion) {
    case Motion::outward:
        r.speed() = lose(k, r.speed());
        r.radius() += r.speed();
        break;
    case Motion::inward:
        r.speed() = lose(k, r.speed());
        r.radius() -= r.speed();
        break;
    case Motion::turning:
        r.speed() = lose(k, r.speed());
        r.radius() += r.speed();
        r.angle() = 33 * j - r.radius() - 1;
        break;
    case Motion::rising:
        r.speed() = lose(k, r.speed());
        r.radius() += r.speed();
        r.ox() += k.jitter ? g.rnd(3) - 1 : (j % 2 == 0 ? -1 : 1);
        break;
    case Motion::puffing:
        // Jitters sideways, leans the way it was seeded, creeps up.
        r.ox() += g.rnd(3) - 1;
        if (g.frame_count % 2 == 0) r.ox() += r.spare() - 1;
        r.oy() -= 1;
        break;
    case Motion::sparkle:
        r.oy() -= r.speed();
        r.size() -= 1;
        if (r.size() <= 1) place_again(s, r);
        break;
    }
    if (k.size_falls && g.frame_count % 8 == 0) r.size() = std::max(1, r.size() - 1);
    if (k.origin_rises) r.oy() -= g.frame_count % 2;
}

bool draw_particles(EffectSlot& s) {
    const ParticleKind& k = particle_table()[std::size_t(s.info.style)];
    auto& work = s.work();
    if (work[kSeededWord] == 0) seed_particles(s, k);
    effect_shape::PenScope scope(s.canvas);
    for (int j = 0; j < k.count; ++j) {
        const Record r = record(work, j);
        if (r.age() <= 0) continue; // seeded dead: stays invisible
        move(s, k, r, j);
        draw_particle(s, k, r, j);
    }
    return false;
}

} // namespace

void seed_particles(EffectSlot& s, const ParticleKind& k) {
    auto& work = s.work();
    Game& g = s.g;
    for (int j = 0; j < k.count; ++j) {
        const Record r = record(work, j);
        r.clear();
        r.ox() = s.x();
        r.oy() = s.y();
        for (int i = 0; i < k.seed_count; ++i) {
            const Seed& seed = k.seeds[std::size_t(i)];
            int v = seed.base + (seed.range > 0 ? g.rnd(seed.range) : 0);
            if (seed.field == Field::origin_x) v += s.x();
            if (seed.field == Field::origin_y) v += s.y();
            field(r, seed.field) = v;
        }
        if (k.diagonal) r.angle() = 45 + 90 * (j % 4);
        if (k.motion == Motion::turning) r.angle() = 33 * j - r.radius() - 1;
    }
    work[kSeededWord] = 1;
}

} // namespace particle

std::span<const EffectKind> particle_kinds() {
    static const auto kinds = [] {
        const auto table = particle::particle_table();
        std::array<EffectKind, particle::kParticleKinds> out{};
        for (std::size_t i = 0; i < table.size() && i < out.size(); ++i)
            out[i] = effect_shape::shape_kind(table[i].kind, table[i].layer, particle::draw_particles,
                                              table[i].last_age, -1, int32_t(i));
        return out;
    }();
    return kinds;
}

} // namespace tsu
