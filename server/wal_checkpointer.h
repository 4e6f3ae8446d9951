// Copying SQLite's write-ahead log back into the database file, on a thread
// of its own: done by the post that fills the log, the copy and its two
// disk syncs would hold up that post and every post waiting behind it.
#pragma once
#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

struct sqlite3;

namespace tsu::rankd {

struct WalLimits {
    // Log pages appended after which a copy starts (SQLite's own default).
    int pages = 1000;
    // The log starts over at its beginning once all of it is copied, which
    // posts arriving without a pause never let happen; at this length the
    // copy takes the writers' lock for its end (a pause of a disk sync).
    int long_log = 16000;
};

class WalCheckpointer {
  public:
    // Copies while posts go on at most, and the pages the last of them may
    // leave over.
    static constexpr int kPasses = 4;
    static constexpr int kLeftOver = 64;

    // Takes over the checkpoints of `db` (the file at `path`); `writers` is
    // the lock the store's writes hold. Throws StoreError.
    WalCheckpointer(sqlite3* db, const std::string& path, std::mutex& writers, WalLimits limits = {});
    // Stops the thread; the store's own close copies what is left.
    ~WalCheckpointer();
    WalCheckpointer(const WalCheckpointer&) = delete;
    WalCheckpointer& operator=(const WalCheckpointer&) = delete;

    // Times the log has started over since.
    int restarts();

  private:
    static int on_commit(void* self, sqlite3* db, const char* name, int pages);
    bool due() const { return pages_ >= copied_ + limits_.pages; }
    void run();

    WalLimits limits_;
    sqlite3* own_ = nullptr; // this thread's connection
    std::mutex& writers_;
    std::mutex mutex_;
    std::condition_variable wake_;
    int pages_ = 0;  // in the log at the last commit
    int copied_ = 0; // of those, copied into the file
    int restarts_ = 0;
    bool copying_ = false;
    bool stop_ = false;
    std::thread thread_;
};

} // namespace tsu::rankd
