// The trap finder (see stage_traps.h): a walk forward over every moment of
// play reachable from the starts, layer by layer (one layer per scroll and
// phase), then a walk back over the moments at the final scroll from those
// that reach an exit or cost a life.
//
// Boxes and ice left of the final view are not tracked: on the way forward
// each of them within the tick's reach is taken as broken and as whole. That
// can only add moments she could not really reach, so no trap is missed;
// tracking which of them are broken would multiply the moments by every
// subset of a stack of boxes. Those in the final view are tracked exactly.
#include "data/stage_traps.h"

#include <algorithm>
#include <array>
#include <memory>
#include <unordered_map>

namespace tsu {

namespace {

using namespace solver;

// A moment of one layer (one scroll and phase): her view cell, jump,
// walk target and shuriken as a number below kLocal, and the set of
// broken cells.
constexpr int kRows = kLastRow + 1;
constexpr int kLocal = (kLastViewColumn + 1) * kRows * (kJumpTicks + 1) * 3 * 2;
constexpr int kFinalLayer = kScrollMax * kScrollPeriod;

int local_of(const State& s) {
    return (((s.vx * kRows + s.y) * (kJumpTicks + 1) + s.jump) * 3 + (s.tdx + 1)) * 2 + (s.shot ? 1 : 0);
}

int layer_of(const State& s) { return s.scroll * kScrollPeriod + s.phase; }

State state_of(int layer, uint64_t item) {
    State s;
    s.scroll = layer / kScrollPeriod;
    s.phase = layer % kScrollPeriod;
    s.mask = uint32_t(item >> 16);
    int l = int(item & 0xFFFF);
    s.shot = (l & 1) != 0;
    l /= 2;
    s.tdx = l % 3 - 1;
    l /= 3;
    s.jump = l % (kJumpTicks + 1);
    l /= kJumpTicks + 1;
    s.y = l % kRows;
    s.vx = l / kRows;
    return s;
}

// The moments of one layer, numbered in the order they were found: those
// with nothing broken in a table, the others hashed.
struct Layer {
    std::vector<int32_t> plain = std::vector<int32_t>(kLocal, -1);
    std::unordered_map<uint64_t, int32_t> masked;
    std::vector<uint64_t> items; // mask << 16 | local

    static uint64_t item_of(const State& s) { return uint64_t(s.mask) << 16 | uint64_t(local_of(s)); }
    int32_t find(const State& s) const {
        if (s.mask == 0) return plain[std::size_t(local_of(s))];
        const auto it = masked.find(item_of(s));
        return it == masked.end() ? -1 : it->second;
    }
    // True when the moment is new.
    bool add(const State& s) {
        const int32_t number = int32_t(items.size());
        if (s.mask == 0) {
            int32_t& slot = plain[std::size_t(local_of(s))];
            if (slot >= 0) return false;
            slot = number;
        } else if (!masked.try_emplace(item_of(s), number).second) {
            return false;
        }
        items.push_back(item_of(s));
        return true;
    }
};

constexpr int kFirstTrackedColumn = kScrollMax - 1; // the view's left neighbour at the end

// The sets of broken cells to try a tick from `s` with: its own, and with
// every subset of the untracked boxes and ice the tick can touch (columns
// from two left of her, where the view's push and a step left reach, to
// three right, where the box stop looks after a step right; her row and
// the rows above and below).
void variants_of(Course& course, const State& s, std::vector<uint32_t>& out) {
    out.assign(1, s.mask);
    const int c = s.column(), from = s.scroll < kScrollMax ? c - 2 : c - 1;
    for (int x = from; x <= c + 3 && x < kFirstTrackedColumn; ++x)
        for (int r = s.y - 1; r <= s.y + 1; ++r) {
            const int b = course.breakable(x, r);
            if (b < 0) continue;
            const std::size_t n = out.size();
            for (std::size_t i = 0; i < n; ++i) out.push_back(course.with_broken(out[i], b));
        }
}

// The keys worth trying from `s`: Up only where she stands, Z only with a
// tracked box or ice block within reach of where the tick can take her.
struct Keys {
    std::array<uint8_t, 16> codes{};
    int count = 0;
    const uint8_t* begin() const { return codes.data(); }
    const uint8_t* end() const { return codes.data() + count; }
};

Keys keys_from(Course& course, const State& s) {
    Keys keys;
    const bool standing = course.solid(s.column(), s.y + 1, s.mask);
    bool target = false;
    for (int c = s.column(); c <= s.column() + 3 && !target; ++c)
        for (int r = s.y - 1; r <= s.y + 1 && !target; ++r) {
            const int b = course.breakable(c, r);
            target = b >= 0 && c >= kFirstTrackedColumn && !course.broken(s.mask, b);
        }
    for (uint8_t code = 0; code < 16; ++code) {
        const Action a = Action::from(code);
        if (!Action::valid_code(code) || (a.jump && !standing) || (a.attack && !target)) continue;
        keys.codes[std::size_t(keys.count++)] = code;
    }
    return keys;
}

void add_cell(std::vector<Cell>& cells, Cell c) {
    if (std::find(cells.begin(), cells.end(), c) == cells.end()) cells.push_back(c);
}

void sort_cells(std::vector<Cell>& cells) {
    std::sort(cells.begin(), cells.end(), [](const Cell& a, const Cell& b) {
        return a.column != b.column ? a.column < b.column : a.row < b.row;
    });
}

} // namespace

std::string StageTraps::summary() const {
    if (limit) return "exploration stopped after " + std::to_string(states) + " moments: nothing proven";
    std::string s;
    auto list = [&s](const char* what, const std::vector<Cell>& cells) {
        if (cells.empty()) return;
        s += s.empty() ? "" : "; ";
        s += what;
        for (const Cell& c : cells) s += " (" + std::to_string(c.column) + "," + std::to_string(c.row) + ")";
    };
    list("stuck for good at", traps);
    if (traps.empty() && stuck_states > 0) s += "stuck in the air at the final scroll";
    list("hidden behind the gauge at", hidden);
    return s.empty() ? "none" : s;
}

StageTraps find_traps(const StageGrid& grid, const PassTable& pass_lower, const PassTable& pass_upper,
                      const TrapOptions& options) {
    StageTraps out;
    Course course(grid, pass_lower, pass_upper);

    // Forward, layer by layer: every tick moves her to a later scroll or
    // phase, until the final scroll, whose moments lead only to each other.
    std::vector<std::unique_ptr<Layer>> layers(kFinalLayer + 1);
    auto layer = [&layers](int id) -> Layer& {
        auto& l = layers[std::size_t(id)];
        if (!l) l = std::make_unique<Layer>();
        return *l;
    };
    auto next_of = [&course](const Tick& t) {
        State n = t.next;
        n.mask = course.forget_left_of(n.mask, kFirstTrackedColumn);
        return n;
    };
    std::vector<uint32_t> masks;
    for (int row : options.start_rows)
        for (int phase = 0; phase < kScrollPeriod; ++phase) {
            State start;
            start.vx = options.start_column;
            start.y = row;
            start.phase = phase;
            if (!course.solid(start.column(), start.y, 0)) layer(layer_of(start)).add(start);
        }
    std::size_t explored = 0;
    for (int id = 0; id <= kFinalLayer; ++id) {
        if (!layers[std::size_t(id)]) continue;
        Layer& here = *layers[std::size_t(id)];
        for (std::size_t i = 0; i < here.items.size(); ++i) { // the final layer grows as it goes
            if (explored++ >= std::size_t(options.max_states)) {
                out.limit = true;
                out.states = int(explored);
                return out;
            }
            State s = state_of(id, here.items[i]);
            variants_of(course, s, masks);
            for (const uint32_t mask : masks) {
                s.mask = mask;
                for (uint8_t code : keys_from(course, s)) {
                    const Tick t = course.step(s, Action::from(code));
                    if (t.outcome != Outcome::go) continue;
                    const State n = next_of(t);
                    layer(layer_of(n)).add(n);
                }
            }
        }
        if (id < kFinalLayer) layers[std::size_t(id)].reset();
    }
    out.states = int(explored);

    // Back, at the final scroll (where every box and ice block she can touch
    // is tracked): the moments that lead to an exit or a lost life.
    const Layer& last = layer(kFinalLayer);
    const std::size_t n = last.items.size();
    std::vector<char> free(n, 0);
    std::vector<std::vector<int32_t>> before(n); // moments one tick earlier
    std::vector<int32_t> work;
    for (std::size_t i = 0; i < n; ++i) {
        const State s = state_of(kFinalLayer, last.items[i]);
        for (uint8_t code : keys_from(course, s)) {
            const Tick t = course.step(s, Action::from(code));
            if (t.outcome == Outcome::invalid) continue;
            if (t.outcome != Outcome::go) {
                if (free[i] == 0) work.push_back(int32_t(i));
                free[i] = 1;
            } else {
                before[std::size_t(last.find(next_of(t)))].push_back(int32_t(i));
            }
        }
        if (s.vx < kGaugeColumns && s.y >= kGaugeFirstRow) add_cell(out.hidden, Cell{s.column(), s.y});
    }
    while (!work.empty()) {
        const int32_t i = work.back();
        work.pop_back();
        for (int32_t p : before[std::size_t(i)])
            if (free[std::size_t(p)] == 0) {
                free[std::size_t(p)] = 1;
                work.push_back(p);
            }
    }
    for (std::size_t i = 0; i < n; ++i) {
        if (free[i] != 0) continue;
        out.stuck_states += 1;
        const State s = state_of(kFinalLayer, last.items[i]);
        if (course.solid(s.column(), s.y + 1, s.mask)) add_cell(out.traps, Cell{s.column(), s.y});
    }
    sort_cells(out.traps);
    sort_cells(out.hidden);
    return out;
}

} // namespace tsu
