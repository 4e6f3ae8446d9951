// Plays a stage the way a player would with the stage solver's plan: the
// keys of the plan's next step, a throw every few ticks at whatever comes,
// and a new plan from where she is whenever a hit, a push or a bounce has
// thrown her off the old one.
#pragma once
#include "data/stage_dat.h"
#include "data/stage_solver.h"
#include "game/game.h"

#include <functional>
#include <memory>
#include <string>

namespace tsu::testing {

class Autopilot {
  public:
    explicit Autopilot(Game& g);

    // Forgets the plan and lets go of the arrows; the next step plans anew
    // (for a fresh stage).
    void restart();
    // One tick of play through `tick`: keys down, the tick, keys up. False
    // when no plan reaches the exit from where she is (see reason()).
    bool step(const std::function<void()>& tick);

    const std::string& reason() const { return reason_; }
    int replans() const { return replans_; }

  private:
    void plan();
    void hold(int key, bool& held, bool want);

    Game& g_;
    std::unique_ptr<StageGrid> grid_ = std::make_unique<StageGrid>();
    SolveResult plan_;
    std::size_t next_ = 0;
    bool planned_ = false, right_ = false, left_ = false;
    int ticks_ = 0, replans_ = 0;
    std::string reason_;
};

// Flight from a treasure box would carry her off any way on foot; the
// solver's world has no power-ups, so flight is taken away as it appears.
void take_away_flight(Game& g);

} // namespace tsu::testing
