// An effect kind as data: which layer it paints on, the function that draws
// one slot of it, how its life ends and how its age runs. The renderer's walk
// (effects.cpp) knows nothing of any particular kind; each family of kinds
// (texts now, shapes and particles later) lists its kinds in its own file and
// the registry (effect_kinds.cpp) gathers the families.
#pragma once
#include "render/effect_pool.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

namespace tsu {

struct Game;
class Bitmap;

enum class EffectLayer { view, light }; // the game view cg, or the light layer bak

enum class EffectEnd {
    after_age, // the age has passed `limit`
    y_at_most, // the stored y is `limit` or less
    by_drawer, // the drawer itself reports the end (for rules that need what it measured)
    never,     // keeps its slot until a later spawn reuses it
};

// One slot while the renderer draws it. The fields of the pool are reached
// through the accessors; px, py are the position as it stood before the
// bounce offset moved it, and `bounce` is this tick's offset.
struct EffectKind;

struct EffectSlot {
    Game& g;
    const EffectKind& info; // the kind's table entry
    Bitmap& canvas; // the kind's layer
    std::size_t i;  // slot 0..99
    int px = 0, py = 0;
    int bounce = 0;

    EffectPool& pool() const;
    int32_t& age() const { return pool().ef_age[i]; }
    int32_t& kind() const { return pool().ef_kind[i]; }
    int32_t& x() const { return pool().ef_x[i]; }
    int32_t& y() const { return pool().ef_y[i]; }
    int32_t& a() const { return pool().ef_a[i]; }
    int32_t& b() const { return pool().ef_b[i]; }
    int32_t& c() const { return pool().ef_c[i]; }
    int32_t& d() const { return pool().ef_d[i]; }
    std::string& text() const { return pool().ef_text[i]; }
    std::array<int32_t, kEffectWorkWords>& work() const { return pool().ef_work[i]; }
};

// Draws one slot. Returns true when the kind's own end rule says the slot
// ends this tick (only read for EffectEnd::by_drawer).
using EffectDrawer = bool (*)(EffectSlot&);

struct EffectKind {
    int32_t kind = 0;
    EffectLayer layer = EffectLayer::view;
    EffectDrawer draw = nullptr;         // null: the kind draws nothing
    EffectEnd end = EffectEnd::never;
    int32_t limit = 0;                   // the age or y of the end rule
    int32_t end_value = 0;               // the age written at the end: 0 or -1
    bool clears_text = false;            // the end also empties the slot's text
    bool half_speed = false;             // ages only on odd frame_count
    bool bounces = false;                // the bounce offset moves y; one more age after the end test
    int32_t style = 0;                   // which look of the family's own table the drawer uses
};

// The kind's entry, or null for a number no family lists (such a slot draws
// nothing and keeps its slot until it is reused).
const EffectKind* find_effect_kind(int32_t kind);

// Kind numbers the registry can hold: 0..kMaxEffectKind.
inline constexpr int32_t kMaxEffectKind = 511;

} // namespace tsu
