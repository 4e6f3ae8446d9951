// The solver run behind MAP SAVE's verdict.
#include "editor/editor_verdict.h"

#include "game/game.h"

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

namespace tsu {

// Shared by the editor and its worker: whichever lets go last frees it, so a
// worker may outlive the game (it reads only its own copies).
struct VerdictJob {
    std::atomic<bool> cancel{false}; // the editor no longer waits for it
    std::mutex lock;
    std::condition_variable finished;
    bool done = false;
    std::string text;
};

namespace {

constexpr int kExitChip = 6;
constexpr int kVisibleRows = 20;
// The editor's search stays below the stage tools' limit: a wide open stage
// with a sealed exit takes about 900 000 positions (seconds, 140 MB); past
// this many the verdict says it could not decide.
constexpr int kEditorMaxStates = 1'500'000;

bool has_exit(const StageGrid& grid) {
    for (int c = 0; c < kStageColumns; ++c)
        for (int r = 0; r < kVisibleRows; ++r)
            if (grid.at(c, r).lower == kExitChip) return true;
    return false;
}

// The worker: solves and signals. It owns copies of everything it reads.
void solve(std::shared_ptr<VerdictJob> job, std::unique_ptr<StageGrid> grid, PassTable lower, PassTable upper) {
    SolveOptions o;
    o.analyse_pits = false;
    o.max_states = kEditorMaxStates;
    o.cancel = &job->cancel;
    const SolveResult r = solve_stage(*grid, lower, upper, o);
    std::string text = verdict_text(*grid, r);
    const std::lock_guard<std::mutex> hold(job->lock);
    job->text = std::move(text);
    job->done = true;
    job->finished.notify_all();
}

// Takes the verdict; with `wait`, waits for the worker first. False when
// it is not done yet.
bool take(Game& g, bool wait) {
    EditorState& e = g.edit;
    VerdictJob& job = *e.verdict_job;
    std::unique_lock<std::mutex> hold(job.lock);
    if (wait) job.finished.wait(hold, [&] { return job.done; });
    if (!job.done) return false;
    e.verdict = job.text;
    hold.unlock();
    e.verdict_job.reset();
    return true;
}

} // namespace

std::string verdict_text(const StageGrid& grid, const SolveResult& result) {
    if (result.completable && !result.path.empty())
        return "can be finished in " + std::to_string(result.path.back().tick) + " ticks";
    if (!has_exit(grid)) return "cannot be finished: no exit";
    if (result.reason.rfind("the start cell is solid", 0) == 0)
        return "cannot be finished: the start cell is solid";
    if (result.reason.rfind("search limit", 0) == 0) return "undecided: too many ways to search";
    return "cannot be finished: exit out of reach";
}

void start_verdict(Game& g) {
    EditorState& e = g.edit;
    // An older worker still running finishes by itself, unseen.
    e.verdict_job.reset();
    auto grid = std::make_unique<StageGrid>();
    for (int c = 0; c < kStageColumns; ++c)
        for (int r = 0; r < kStageRows; ++r) grid->at(c, r) = g.map[std::size_t(c + 1)][std::size_t(r + 1)];
    grid->weather = g.stage_weather;
    auto job = std::make_shared<VerdictJob>();
    std::thread(solve, job, std::move(grid), g.pass_lower, g.pass_upper).detach();
    // The editor holds the job through a handle that stops the search when
    // it is let go: a newer save, or the game going away.
    e.verdict_job = std::shared_ptr<VerdictJob>(job.get(), [job](VerdictJob*) { job->cancel = true; });
    e.verdict = kVerdictPending;
    e.verdict_wait = kVerdictTicks;
}

void collect_verdict(Game& g) {
    EditorState& e = g.edit;
    if (!e.verdict_job) return;
    if (e.verdict_wait > 0) e.verdict_wait -= 1;
    const bool scripted = g.platform == nullptr || g.platform->scripted();
    if (scripted) {
        if (e.verdict_wait == 0) take(g, true); // the same tick in every run
        return;
    }
    take(g, false);
}

} // namespace tsu
