// Under writes that never pause, SQLite's log is still copied into the
// database file and started over, and nothing written is lost.
#include "support/rankd_harness.h"
#include "wal_checkpointer.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <thread>

namespace tsu::testing {
namespace {

void exec(sqlite3* db, const char* sql) { ASSERT_EQ(sqlite3_exec(db, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql; }

TEST(RankdWalCheckpointer, TheLogStartsOverWhileWritesGoOn) {
    TempFolder folder;
    const std::string path = folder.path() + "/log.sqlite";
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &db), SQLITE_OK);
    exec(db, "PRAGMA journal_mode = WAL");
    exec(db, "PRAGMA synchronous = NORMAL");
    exec(db, "CREATE TABLE rows (n INTEGER PRIMARY KEY, pad BLOB)");
    std::mutex writers;
    int written = 0, restarts = 0;
    std::uintmax_t longest = 0;
    {
        rankd::WalCheckpointer checkpoints(db, path, writers, {40, 200});
        sqlite3_stmt* insert = nullptr;
        ASSERT_EQ(sqlite3_prepare_v2(db, "INSERT INTO rows (pad) VALUES (zeroblob(3000))", -1, &insert, nullptr),
                  SQLITE_OK);
        // Writes one after another (a short gap stands for the rest of a
        // post's work), until the log has started over a few times.
        const auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(30);
        while (((restarts = checkpoints.restarts()) < 3 || written < 2000) &&
               std::chrono::steady_clock::now() < give_up) {
            {
                std::lock_guard lock(writers);
                ASSERT_EQ(sqlite3_step(insert), SQLITE_DONE);
                sqlite3_reset(insert);
            }
            ++written;
            std::error_code ec;
            longest = std::max(longest, std::filesystem::file_size(path + "-wal", ec));
            std::this_thread::sleep_for(std::chrono::microseconds(50));
        }
        sqlite3_finalize(insert);
    }
    EXPECT_GE(restarts, 3) << written << " rows written";
    // Each row takes a page or two of the log: without starting over it
    // would have grown by all of them.
    EXPECT_LT(longest, std::uintmax_t(written) * 4096 / 2) << written << " rows written";
    sqlite3_stmt* count = nullptr;
    ASSERT_EQ(sqlite3_prepare_v2(db, "SELECT COUNT(*) FROM rows", -1, &count, nullptr), SQLITE_OK);
    ASSERT_EQ(sqlite3_step(count), SQLITE_ROW);
    EXPECT_EQ(sqlite3_column_int(count, 0), written);
    sqlite3_finalize(count);
    sqlite3_close(db);
}

} // namespace
} // namespace tsu::testing
