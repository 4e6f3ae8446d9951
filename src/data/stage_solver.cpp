// The stage solver's search: the heroine's tick on the grid as a pure
// function of a small state, and a cheapest-first search over it (fewest
// ticks on spikes, then fewest ticks).
#include "data/stage_solver.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <queue>
#include <unordered_map>

namespace tsu {

namespace {

constexpr int kLastViewColumn = 25; // right-most view column
constexpr int kPushColumn = 21;     // right of it the view scrolls every tick
constexpr int kScrollMax = 74;      // the view stops with columns 74..99 in sight
constexpr int kScrollPeriod = 12;   // ticks per column of the automatic scroll
constexpr int kLastRow = 19;        // below it she has fallen out
constexpr int kBorderRow = 20;      // the floor border just below the view
constexpr int kJumpTicks = 5;
constexpr int kExitChip = 6;        // lower chip
constexpr int kSpikeChip = 13;      // lower chip
constexpr int kBoxChip = 6;         // upper chip: stops her walk, breaks
constexpr int kIceChip = 8;         // upper chip: breaks

// Where she is between two ticks. `tdx` is her walk target relative to her
// column: -1 after the view's push left her target behind, +1 after she
// walked against the right end of the map, else 0.
struct State {
    int vx = 0;     // view column 0..25
    int y = 0;      // row 0..19
    int jump = 0;   // rising ticks left 0..5
    int scroll = 0; // 0..74
    int phase = 0;  // the scroll's sub-counter 0..11 (11 also stands for "scroll next tick")
    int tdx = 0;
    bool shot = false; // a shuriken thrown this tick lies in her cell
    uint32_t mask = 0; // which breakable cells are gone (an interned set)

    int column() const { return vx + scroll; }
    uint64_t key() const {
        uint64_t k = uint64_t(vx);
        k = k << 5 | uint64_t(y);
        k = k << 3 | uint64_t(jump);
        k = k << 7 | uint64_t(scroll);
        k = k << 4 | uint64_t(phase);
        k = k << 2 | uint64_t(tdx + 1);
        k = k << 1 | uint64_t(shot ? 1 : 0);
        return k | uint64_t(mask) << 32;
    }
};

// The keys of one tick.
struct Action {
    Walk walk = Walk::none;
    bool jump = false;
    bool attack = false;
    uint8_t code() const {
        return uint8_t(uint8_t(walk) | (jump ? 4 : 0) | (attack ? 8 : 0));
    }
    static Action from(uint8_t c) { return Action{Walk(c & 3), (c & 4) != 0, (c & 8) != 0}; }
};

enum class Outcome { go, dead, exit, invalid };

struct Tick {
    Outcome outcome = Outcome::go;
    State next;
    bool on_spikes = false;
    int broke = -1; // index of the breakable cell the shuriken broke
};

// A forbidden stretch: states over a bottomless column in it are not taken.
struct Forbidden {
    int first = 0, last = -1;
};

class Course {
  public:
    Course(const StageGrid& grid, const PassTable& lower, const PassTable& upper)
        : grid_(grid), lower_(lower), upper_(upper) {
        index_.fill(-1);
        for (int c = 0; c < kStageColumns; ++c)
            for (int r = 0; r <= kBorderRow; ++r) {
                const int u = grid.at(c, r).upper;
                if (u == kBoxChip || u == kIceChip) {
                    index_[std::size_t(c * (kBorderRow + 1) + r)] = int(cells_.size());
                    cells_.push_back(Cell{c, r});
                }
            }
        words_ = (cells_.size() + 63) / 64;
        std::vector<Cell> exits;
        for (int c = 0; c < kStageColumns; ++c)
            for (int r = 0; r <= kLastRow; ++r)
                if (grid.at(c, r).lower == kExitChip) exits.push_back(Cell{c, r});
        for (int c = 0; c < kStageColumns; ++c)
            for (int r = 0; r <= kLastRow; ++r) {
                int best = 1 << 20;
                for (const Cell& e : exits)
                    best = std::min(best, std::max(std::abs(e.column - c), std::abs(e.row - r)));
                ahead_[std::size_t(c * (kLastRow + 1) + r)] = best;
            }
        intern(std::vector<uint64_t>(words_, 0));
    }

    const std::vector<Cell>& breakables() const { return cells_; }
    // Fewest ticks from a cell to the nearest exit, walls aside.
    int ticks_to_exit(int c, int r) const {
        return ahead_[std::size_t(std::clamp(c, 0, kStageColumns - 1) * (kLastRow + 1) +
                                  std::clamp(r, 0, kLastRow))];
    }

    uint32_t intern(const std::vector<uint64_t>& set) {
        auto [it, added] = mask_ids_.try_emplace(set, uint32_t(masks_.size()));
        if (added) masks_.push_back(set);
        return it->second;
    }
    uint32_t with_broken(uint32_t mask, int index) {
        std::vector<uint64_t> set = masks_[mask];
        set[std::size_t(index / 64)] |= uint64_t(1) << (index % 64);
        return intern(set);
    }
    bool broken(uint32_t mask, int index) const {
        return (masks_[mask][std::size_t(index / 64)] >> (index % 64) & 1) != 0;
    }

    // The chips of a map cell; outside the grid (left of column 0, right of
    // column 99, above row 0) the game's map is empty.
    int lower(int c, int r) const {
        if (c < 0 || c >= kStageColumns || r < 0) return 0;
        return grid_.at(c, std::min(r, kStageRows - 1)).lower;
    }
    int upper(int c, int r, uint32_t mask) const {
        if (c < 0 || c >= kStageColumns || r < 0) return 0;
        const int b = breakable(c, r);
        if (b >= 0 && broken(mask, b)) return 0;
        return grid_.at(c, std::min(r, kStageRows - 1)).upper;
    }
    int breakable(int c, int r) const {
        if (c < 0 || c >= kStageColumns || r < 0 || r > kBorderRow) return -1;
        return index_[std::size_t(c * (kBorderRow + 1) + r)];
    }
    static int pass(const PassTable& t, int chip) { return chip < 0 || chip > 99 ? 0 : t[std::size_t(chip)]; }
    bool solid(int c, int r, uint32_t mask) const {
        return pass(lower_, lower(c, r)) != 0 || pass(upper_, upper(c, r, mask)) != 0;
    }
    int lower_pass(int c, int r) const { return pass(lower_, lower(c, r)); }
    // Nothing solid between the row below her and the floor border.
    bool bottomless(int c, int y, uint32_t mask) const {
        for (int r = y + 1; r <= kBorderRow; ++r)
            if (solid(c, r, mask)) return false;
        return true;
    }

    // One tick of play from `s` with the keys of `a`, in the order of the
    // main tick: scroll, collision pass, player step (keys, jump, walk, the
    // box stop, gravity, her shuriken, bounds), collision pass, Z.
    Tick step(const State& s, const Action& a) {
        Tick t;
        State n = s;
        const int shot_column = s.shot ? s.column() : -1, shot_row = s.y;
        const uint32_t mask = s.mask;

        n.phase = s.phase + 1;
        if (n.phase >= kScrollPeriod) {
            n.phase = 0;
            if (n.scroll < kScrollMax) {
                n.scroll += 1;
                n.vx -= 1;
            }
        }
        auto solid_at = [&](int x, int r) { return solid(x + n.scroll, r, mask); };

        int tx = a.walk == Walk::right ? n.vx + 1 : a.walk == Walk::left ? n.vx - 1 : n.vx + s.tdx;
        if (a.jump) {
            if (!solid_at(n.vx, n.y + 1)) return invalid(t);
            n.jump = kJumpTicks;
        }
        if (n.vx < tx) {
            if (solid_at(n.vx + 1, n.y))
                tx = n.vx;
            else
                n.vx += 1;
        }
        if (tx < n.vx) {
            if (solid_at(n.vx - 1, n.y))
                tx = n.vx;
            else
                n.vx -= 1;
        }
        if (upper(n.vx + 1 + n.scroll, n.y, mask) == kBoxChip) tx = n.vx;
        if (n.jump < 1) {
            if (!solid_at(n.vx, n.y + 1)) n.y += 1;
        } else {
            n.jump -= 1;
            if (!solid_at(n.vx, n.y - 1)) n.y -= 1;
        }

        // Her shuriken, thrown last tick from her cell, flies one column.
        bool shot_alive = false;
        if (shot_column >= 0 && shot_column - n.scroll >= 0) {
            const int to = shot_column + 1;
            shot_alive = lower_pass(to, shot_row) != 1 && to - n.scroll <= kLastViewColumn;
        }

        if (n.vx < 0) n.vx = 0;
        if (n.vx > kLastViewColumn) n.vx = kLastViewColumn;
        if (n.vx > kPushColumn) n.phase = kScrollPeriod - 1;
        if (n.scroll >= kScrollMax) n.phase = 0; // no more scrolling: the phase is moot
        if (n.y < 0) n.y = 0;
        if (n.y > kLastRow || solid_at(n.vx, n.y)) {
            t.outcome = Outcome::dead;
            return t;
        }
        n.tdx = std::clamp(tx - n.vx, -1, 1);

        if (shot_alive) {
            const int b = breakable(shot_column + 1, shot_row);
            if (b >= 0 && !broken(mask, b)) {
                n.mask = with_broken(mask, b);
                t.broke = b;
            }
        }
        if (lower(n.column(), n.y) == kExitChip) t.outcome = Outcome::exit;
        t.on_spikes = lower(n.column(), n.y + 1) == kSpikeChip;

        // Z at the end of the tick: a shuriken from her own cell (not with
        // Right held, which throws from the next column), only worth it with
        // something to break beside her.
        n.shot = false;
        if (a.attack) {
            if (a.walk == Walk::right) return invalid(t);
            const int b = breakable(n.column() + 1, n.y);
            if (b < 0 || broken(n.mask, b)) return invalid(t);
            n.shot = true;
        }
        t.next = n;
        return t;
    }

  private:
    static Tick& invalid(Tick& t) {
        t.outcome = Outcome::invalid;
        return t;
    }

    const StageGrid& grid_;
    const PassTable& lower_;
    const PassTable& upper_;
    std::array<int, kStageColumns*(kBorderRow + 1)> index_{};
    std::vector<Cell> cells_;
    std::array<int, kStageColumns*(kLastRow + 1)> ahead_{};
    std::size_t words_ = 0;
    std::vector<std::vector<uint64_t>> masks_;
    std::map<std::vector<uint64_t>, uint32_t> mask_ids_;
};

struct Node {
    State state;
    int32_t parent = -1;
    uint8_t action = 0;
    uint32_t spikes = 0;
    uint32_t ticks = 0;
    uint32_t presses = 0; // Up and Z presses
    int broke = -1;
    bool exit = false;
};

struct Search {
    std::vector<Node> nodes;
    int goal = -1;
    int furthest = 0; // the node standing in the right-most column
    bool limit = false;
};

bool has_exit(const StageGrid& grid) {
    for (int c = 0; c < kStageColumns; ++c)
        for (int r = 0; r <= kLastRow; ++r)
            if (grid.at(c, r).lower == kExitChip) return true;
    return false;
}

Search run_search(Course& course, const SolveOptions& o, const Forbidden& forbidden) {
    Search s;
    State start;
    start.vx = o.start_column;
    start.y = o.start_row;
    start.phase = std::clamp(o.scroll_phase, 0, kScrollPeriod - 1);
    start.scroll = o.scroll;
    if (start.scroll >= kScrollMax) start.phase = 0;
    start.jump = o.jump;
    start.tdx = std::clamp(o.target_offset, -1, 1);
    s.nodes.push_back(Node{start, -1, 0, 0, 0, 0, -1, false});

    // Every exit is one node: the search ends when it comes out of the queue.
    constexpr uint64_t kExitKey = ~uint64_t(0);
    std::unordered_map<uint64_t, int32_t> seen;
    seen.reserve(1 << 16);
    seen.emplace(start.key(), 0);
    using Entry = std::pair<uint64_t, int32_t>; // (cost, node)
    std::priority_queue<Entry, std::vector<Entry>, std::greater<>> open;
    open.emplace(0, 0);
    std::vector<bool> done(1, false);
    // Fewest ticks on spikes, then fewest ticks, then fewest key presses;
    // the ticks still needed to an exit are estimated from below (she moves
    // at most a column and a row a tick), which keeps the search on course.
    auto cost_of = [&](const Node& n) {
        const uint64_t ahead = n.exit ? 0 : uint64_t(course.ticks_to_exit(n.state.column(), n.state.y));
        return uint64_t(n.spikes) << 44 | (uint64_t(n.ticks) + ahead) << 20 | n.presses;
    };

    auto over_forbidden_pit = [&](const State& st) {
        const int c = st.column();
        return c >= forbidden.first && c <= forbidden.last && course.bottomless(c, st.y, st.mask);
    };

    uint32_t popped = 0;
    while (!open.empty()) {
        if (o.cancel != nullptr && (++popped & 4095u) == 0 && o.cancel->load(std::memory_order_relaxed)) {
            s.limit = true;
            return s;
        }
        const auto [cost, id] = open.top();
        open.pop();
        if (done[std::size_t(id)]) continue;
        done[std::size_t(id)] = true;
        const Node here = s.nodes[std::size_t(id)];
        if (here.exit) {
            s.goal = id;
            return s;
        }
        const State& f = s.nodes[std::size_t(s.furthest)].state;
        const bool standing = course.solid(here.state.column(), here.state.y + 1, here.state.mask);
        if (standing && here.state.column() > f.column()) s.furthest = id;
        for (uint8_t code = 0; code < 16; ++code) {
            if ((code & 3) == 3) continue;
            const Tick t = course.step(here.state, Action::from(code));
            if (t.outcome == Outcome::invalid || t.outcome == Outcome::dead) continue;
            const bool exit = t.outcome == Outcome::exit;
            if (!exit && over_forbidden_pit(t.next)) continue;
            const Action a = Action::from(code);
            const Node next{t.next,
                            id,
                            code,
                            here.spikes + (t.on_spikes ? 1u : 0u),
                            here.ticks + 1,
                            here.presses + (a.jump ? 1u : 0u) + (a.attack ? 1u : 0u),
                            t.broke,
                            exit};
            const uint64_t key = exit ? kExitKey : t.next.key();
            auto [it, added] = seen.try_emplace(key, int32_t(s.nodes.size()));
            if (!added) {
                Node& old = s.nodes[std::size_t(it->second)];
                if (done[std::size_t(it->second)] || cost_of(old) <= cost_of(next)) continue;
                old = next;
            } else {
                s.nodes.push_back(next);
                done.push_back(false);
            }
            open.emplace(cost_of(next), it->second);
            if (int(s.nodes.size()) >= o.max_states) {
                s.limit = true;
                return s;
            }
        }
    }
    return s;
}

std::vector<PathStep> path_of(const Search& s) {
    std::vector<PathStep> path;
    for (int32_t id = s.goal; id >= 0; id = s.nodes[std::size_t(id)].parent) {
        const Node& n = s.nodes[std::size_t(id)];
        const Action a = Action::from(n.action);
        PathStep p;
        p.tick = int(n.ticks);
        p.cell = Cell{n.state.column(), n.state.y};
        p.scroll = n.state.scroll;
        if (n.parent >= 0) {
            p.walk = a.walk;
            p.jump = a.jump;
            p.attack = a.attack;
        }
        path.push_back(p);
    }
    std::reverse(path.begin(), path.end());
    return path;
}

std::vector<PitCrossing> pit_crossings(Course& course, const Search& s) {
    std::vector<PitCrossing> pits;
    std::vector<int32_t> chain;
    for (int32_t id = s.goal; id >= 0; id = s.nodes[std::size_t(id)].parent) chain.push_back(id);
    std::reverse(chain.begin(), chain.end());
    bool inside = false;
    for (int32_t id : chain) {
        const Node& n = s.nodes[std::size_t(id)];
        const int c = n.state.column();
        const bool over = !course.solid(c, n.state.y + 1, n.state.mask) &&
                          course.bottomless(c, n.state.y, n.state.mask);
        if (over && !inside) pits.push_back(PitCrossing{c, c, int(n.ticks), int(n.ticks), false});
        if (over) {
            PitCrossing& p = pits.back();
            p.first_column = std::min(p.first_column, c);
            p.last_column = std::max(p.last_column, c);
            p.last_tick = int(n.ticks);
        }
        inside = over;
    }
    return pits;
}

} // namespace

SolveResult solve_stage(const StageGrid& grid, const std::array<int32_t, 100>& pass_lower,
                        const std::array<int32_t, 100>& pass_upper, int start_row) {
    SolveOptions o;
    o.start_row = start_row;
    return solve_stage(grid, pass_lower, pass_upper, o);
}

SolveResult solve_stage(const StageGrid& grid, const std::array<int32_t, 100>& pass_lower,
                        const std::array<int32_t, 100>& pass_upper, const SolveOptions& options) {
    SolveResult r;
    if (options.start_row < 0 || options.start_row > kLastRow || options.start_column < 0 ||
        options.start_column > kLastViewColumn) {
        r.reason = "the start cell lies outside the view";
        return r;
    }
    if (options.scroll < 0 || options.scroll > kScrollMax || options.jump < 0 ||
        options.jump > kJumpTicks) {
        r.reason = "the scroll or the jump of the start is out of range";
        return r;
    }
    if (!has_exit(grid)) {
        r.reason = "the stage has no exit (lower chip 6) in rows 0..19";
        return r;
    }
    Course course(grid, pass_lower, pass_upper);
    if (course.solid(options.scroll + options.start_column, options.start_row, 0)) {
        r.reason = "the start cell is solid";
        return r;
    }
    const Search s = run_search(course, options, Forbidden{});
    r.states = int(s.nodes.size());
    if (s.goal < 0) {
        const Node& f = s.nodes[std::size_t(s.furthest)];
        r.reason = (s.limit ? std::string("search limit reached; ") : std::string()) +
                   "no way to an exit: the furthest she stands is column " +
                   std::to_string(f.state.column()) + ", row " + std::to_string(f.state.y) +
                   " (tick " + std::to_string(f.ticks) + ")";
        return r;
    }
    r.completable = true;
    r.path = path_of(s);
    for (int32_t id = s.goal; id >= 0; id = s.nodes[std::size_t(id)].parent)
        if (s.nodes[std::size_t(id)].broke >= 0)
            r.broken.insert(r.broken.begin(),
                            course.breakables()[std::size_t(s.nodes[std::size_t(id)].broke)]);
    for (const PathStep& p : r.path) {
        const Cell below{p.cell.column, p.cell.row + 1};
        if (p.tick > 0 && grid.at(below.column, below.row).lower == kSpikeChip &&
            std::find(r.spikes_on_path.begin(), r.spikes_on_path.end(), below) ==
                r.spikes_on_path.end())
            r.spikes_on_path.push_back(below);
    }
    r.pits_on_path = pit_crossings(course, s);
    if (options.analyse_pits)
        for (PitCrossing& p : r.pits_on_path) {
            SolveOptions o = options;
            const Search other = run_search(course, o, Forbidden{p.first_column, p.last_column});
            p.unavoidable = other.goal < 0 && !other.limit;
        }
    const Node& goal = s.nodes[std::size_t(s.goal)];
    r.reason = "the exit at column " + std::to_string(goal.state.column()) + ", row " +
               std::to_string(goal.state.y) + " in " + std::to_string(goal.ticks) + " ticks";
    return r;
}

} // namespace tsu
