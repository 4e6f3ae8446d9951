// Copies run while posts go on (they only append to the log); each copies
// what was appended during the one before, less every time.
#include "wal_checkpointer.h"

#include "store.h"

#include <sqlite3.h>

#include <cstdio>

namespace tsu::rankd {

WalCheckpointer::WalCheckpointer(sqlite3* db, const std::string& path, std::mutex& writers, WalLimits limits)
    : limits_(limits), writers_(writers) {
    if (sqlite3_open_v2(path.c_str(), &own_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
        const std::string why = own_ ? sqlite3_errmsg(own_) : "out of memory";
        sqlite3_close(own_);
        throw StoreError("cannot open the database for checkpoints: " + why);
    }
    sqlite3_busy_timeout(own_, 5000);
    // A connection reaches the log only once it has read the database.
    sqlite3_exec(own_, "SELECT COUNT(*) FROM sqlite_master", nullptr, nullptr, nullptr);
    // Replaces SQLite's own checkpoint at the end of a commit.
    sqlite3_wal_hook(db, on_commit, this);
    thread_ = std::thread([this] { run(); });
}

WalCheckpointer::~WalCheckpointer() {
    {
        std::lock_guard lock(mutex_);
        stop_ = true;
    }
    wake_.notify_one();
    thread_.join();
    sqlite3_close(own_);
}

int WalCheckpointer::on_commit(void* self, sqlite3*, const char*, int pages) {
    auto* me = static_cast<WalCheckpointer*>(self);
    bool wake = false;
    {
        std::lock_guard lock(me->mutex_);
        if (pages < me->copied_) me->copied_ = 0, ++me->restarts_; // the log started over
        me->pages_ = pages;
        wake = !me->copying_ && me->due();
    }
    if (wake) me->wake_.notify_one();
    return SQLITE_OK;
}

int WalCheckpointer::restarts() {
    std::lock_guard lock(mutex_);
    return restarts_;
}

void WalCheckpointer::run() {
    for (;;) {
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return stop_ || due(); });
            if (stop_) return;
            copying_ = true;
        }
        int rc = SQLITE_OK, log = 0, copied = 0;
        for (int pass = 0, before = 0; pass < kPasses && rc == SQLITE_OK; ++pass) {
            rc = sqlite3_wal_checkpoint_v2(own_, nullptr, SQLITE_CHECKPOINT_PASSIVE, &log, &copied);
            if (copied - before < kLeftOver) break;
            before = copied;
        }
        if (rc == SQLITE_OK && log >= limits_.long_log) {
            std::lock_guard lock(writers_);
            rc = sqlite3_wal_checkpoint_v2(own_, nullptr, SQLITE_CHECKPOINT_PASSIVE, &log, &copied);
        }
        if (rc != SQLITE_OK && rc != SQLITE_BUSY)
            std::fprintf(stderr, "database: checkpoint: %s\n", sqlite3_errmsg(own_));
        std::lock_guard lock(mutex_);
        copying_ = false;
        // Unless a commit meanwhile found the log started over.
        if (copied <= pages_) copied_ = copied;
    }
}

} // namespace tsu::rankd
