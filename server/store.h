// Where the ranking server keeps its players: one row per (name, ID) with
// every field of the ranking entry, the packed answer line, the time of the
// last post and the ranking time (when the player's scores last changed).
// The refusal of a repeated post is decided by the database, so several
// servers on one PostgreSQL agree on it.
#pragma once
#include "ranking/tplayer.h"

#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace tsu::rankd {

struct StoreError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

struct PostOutcome {
    bool refused = false;           // same player within the refusal time: nothing changed
    std::vector<std::string> lines; // the answer's packed lines, the poster's among them
};

class Store {
  public:
    virtual ~Store() = default;

    // Stores the player (its packed answer line with it) unless its last
    // post lies less than `refuse_seconds` back, and returns the answer of at
    // most `limit` lines (one fewer when refused, leaving room for the
    // refusal line). Committed before it returns. Throws StoreError.
    virtual PostOutcome post(const tplayer& p, const std::string& line, int refuse_seconds,
                             int limit) = 0;

    // Set s's players who played it, best first, ties to the earlier
    // ranking time: the order the game shows. Throws StoreError.
    virtual std::vector<tplayer> ranking(int set, int limit) = 0;
};

// "sqlite:PATH" (the folder is created) or "postgresql://..." with up to
// `connections` connections. Creates the tables on first use. Throws
// StoreError.
std::unique_ptr<Store> open_store(const std::string& db, int connections);

} // namespace tsu::rankd
