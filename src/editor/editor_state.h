// What the stage editor keeps between events besides the game's own
// variables: the stage kind of the file buttons, the undo history of the
// grid, the open paint stroke, the edit counters behind the recovery file
// and the stage solver's verdict on the last MAP SAVE.
#pragma once
#include "editor/edit_history.h"

#include <cstdint>
#include <memory>
#include <string>

namespace tsu {

struct VerdictJob;

struct EditorState {
    bool user_kind = true; // "ﾕｰｻﾞｰ" pressed (map100..107), else "公式" (map0..7)

    EditHistory history;
    EditStep stroke;          // the cells of the drag in progress
    bool stroking = false;    // a left-button drag is painting

    // Every change of the grid counts one revision. The grid is clean while
    // it equals what was last saved, loaded or restored.
    int64_t revision = 0;
    int64_t clean_revision = 0;
    int64_t recovery_revision = 0;  // what the recovery file holds (0: none written)
    int32_t ticks_since_recovery = 0;

    // The solver's verdict on the stage of the last MAP SAVE.
    std::string verdict;
    std::shared_ptr<VerdictJob> verdict_job; // running on a worker thread
    int32_t verdict_wait = 0;                // ticks until a scripted run collects it
};

} // namespace tsu
