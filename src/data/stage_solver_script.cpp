// The solver's way written out: as a headless input script that plays it
// from the title, and as readable text for the stage designer.
#include "data/stage_solver.h"

#include <sstream>

namespace tsu {

namespace {

const char* key_name(Walk w) { return w == Walk::right ? "Right" : "Left"; }

const char* walk_name(Walk w) {
    return w == Walk::right ? "right" : w == Walk::left ? "left" : "stand";
}

} // namespace

std::string input_script(const SolveResult& result) {
    if (!result.completable || result.path.empty()) return {};
    std::ostringstream out;
    out << "# the solver's way: " << result.reason << "\n";
    // Enter on the title starts the run after tick 1; play tick t then runs
    // with the keys delivered at t.
    out << "1 key Enter down\n";
    Walk held = Walk::none;
    bool up = false, z = false;
    for (const PathStep& p : result.path) {
        if (p.tick == 0) continue;
        const int t = p.tick;
        if (t == 2) out << "2 key Enter up\n";
        // Releases first, so a key pressed again on the next tick goes down anew.
        if (up) out << t << " key Up up\n";
        if (z) out << t << " key Z up\n";
        if (held != p.walk && held != Walk::none) out << t << " key " << key_name(held) << " up\n";
        if (held != p.walk && p.walk != Walk::none) out << t << " key " << key_name(p.walk) << " down\n";
        if (p.jump) out << t << " key Up down\n";
        if (p.attack) out << t << " key Z down\n";
        held = p.walk;
        up = p.jump;
        z = p.attack;
    }
    const int end = result.path.back().tick + 1;
    if (end <= 2) out << "2 key Enter up\n";
    if (up) out << end << " key Up up\n";
    if (z) out << end << " key Z up\n";
    if (held != Walk::none) out << end << " key " << key_name(held) << " up\n";
    return out.str();
}

std::string describe_path(const SolveResult& result) {
    std::ostringstream out;
    if (!result.completable) {
        out << "not completable: " << result.reason << " (" << result.states
            << " positions searched)\n";
        return out.str();
    }
    out << "completable: " << result.reason << " (" << result.states << " positions searched)\n";
    Walk held = Walk::none;
    for (std::size_t i = 0; i < result.path.size(); ++i) {
        const PathStep& p = result.path[i];
        const bool last = i + 1 == result.path.size();
        if (p.tick != 0 && p.walk == held && !p.jump && !p.attack && !last) continue;
        out << "  tick " << p.tick << ": " << walk_name(p.walk) << (p.jump ? " + jump" : "")
            << (p.attack ? " + throw" : "") << " -> column " << p.cell.column << ", row "
            << p.cell.row << " (scroll " << p.scroll << ")\n";
        held = p.walk;
    }
    for (const Cell& c : result.broken)
        out << "  breaks the box or ice at column " << c.column << ", row " << c.row << "\n";
    for (const Cell& c : result.spikes_on_path)
        out << "  stands on the spikes at column " << c.column << ", row " << c.row << "\n";
    for (const PitCrossing& p : result.pits_on_path)
        out << "  over a pit at columns " << p.first_column << ".." << p.last_column << " (ticks "
            << p.first_tick << ".." << p.last_tick << ")"
            << (p.unavoidable ? ", no way around it" : "") << "\n";
    return out.str();
}

} // namespace tsu
