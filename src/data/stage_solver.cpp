// The stage solver's search: a cheapest-first search over the heroine's
// ticks on the grid (stage_course.h): fewest ticks on spikes, then fewest
// ticks.
#include "data/stage_solver.h"
#include "data/stage_course.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <queue>
#include <unordered_map>

namespace tsu {

namespace {

using namespace solver;

// A forbidden stretch: states over a bottomless column in it are not taken.
struct Forbidden {
    int first = 0, last = -1;
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
            if (!Action::valid_code(code)) continue;
            const Tick t = course.step(here.state, Action::from(code));
            if (t.outcome != Outcome::go && t.outcome != Outcome::exit) continue;
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
