// SQLite: one connection, posts one at a time under a lock (SQLite writes
// one transaction at a time anyway, and a lock costs less than its busy
// waits). Only this process writes the file, so it keeps the best players
// of every set (with their lines) in memory and moves each poster to its
// new place there: a post costs one upsert, and a set's list is read again
// only when it runs short. WAL with synchronous=NORMAL: a committed post
// is in the log file before the answer goes out, so it survives the server
// being killed; only a power cut can lose the last posts. The log is
// copied back into the file on a thread of its own.
#include "sqlite_store.h"

#include "answer_choice.h"
#include "player_sql.h"
#include "top_cache.h"
#include "wal_checkpointer.h"

#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <algorithm>
#include <map>
#include <mutex>

namespace tsu::rankd {

namespace {

constexpr Dialect kD = Dialect::sqlite;

class Statement {
  public:
    Statement(sqlite3* db, const std::string& sql) : db_(db) {
        if (sqlite3_prepare_v3(db, sql.c_str(), int(sql.size()), SQLITE_PREPARE_PERSISTENT, &st_,
                               nullptr) != SQLITE_OK)
            throw StoreError(std::string("sqlite prepare: ") + sqlite3_errmsg(db));
    }
    ~Statement() { sqlite3_finalize(st_); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    // Done with the rows: no read left open on the database.
    void finish() { sqlite3_reset(st_); }
    Statement& reset() {
        sqlite3_reset(st_);
        sqlite3_clear_bindings(st_);
        return *this;
    }
    Statement& bind(int i, const SqlValue& v) {
        const int rc = v.is_text ? sqlite3_bind_text(st_, i, v.text.data(), int(v.text.size()), SQLITE_TRANSIENT)
                                 : sqlite3_bind_int64(st_, i, v.number);
        if (rc != SQLITE_OK) throw StoreError(std::string("sqlite bind: ") + sqlite3_errmsg(db_));
        return *this;
    }
    Statement& bind(int i, int64_t n) { return bind(i, SqlValue{false, n, {}}); }
    Statement& bind(int i, const std::string& s) { return bind(i, SqlValue{true, 0, s}); }
    // Next row: true while there is one.
    bool step() {
        const int rc = sqlite3_step(st_);
        if (rc == SQLITE_ROW) return true;
        if (rc == SQLITE_DONE) return false;
        throw StoreError(std::string("sqlite step: ") + sqlite3_errmsg(db_));
    }
    int64_t integer(int col) { return sqlite3_column_int64(st_, col); }
    std::string text(int col) {
        const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(st_, col));
        return p ? std::string(p, std::size_t(sqlite3_column_bytes(st_, col))) : std::string();
    }
    int columns() { return sqlite3_column_count(st_); }

  private:
    sqlite3* db_;
    sqlite3_stmt* st_ = nullptr;
};

int64_t now_us() {
    return std::chrono::duration_cast<std::chrono::microseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

class SqliteStore final : public Store {
  public:
    explicit SqliteStore(const std::string& path) {
        if (const auto dir = std::filesystem::path(path).parent_path(); !dir.empty()) {
            std::error_code ec;
            std::filesystem::create_directories(dir, ec);
        }
        if (sqlite3_open_v2(path.c_str(), &db_,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX,
                            nullptr) != SQLITE_OK) {
            const std::string why = db_ ? sqlite3_errmsg(db_) : "out of memory";
            sqlite3_close(db_);
            throw StoreError("cannot open " + path + ": " + why);
        }
        sqlite3_busy_timeout(db_, 5000); // another process on the file (a backup)
        exec("PRAGMA journal_mode = WAL");
        exec("PRAGMA synchronous = NORMAL");
        // Keep the players in memory: a page read through the file system
        // costs more than the whole post otherwise.
        exec("PRAGMA cache_size = -65536"); // KiB
        exec("PRAGMA mmap_size = 268435456");
        exec("BEGIN IMMEDIATE");
        for (const std::string& s : schema_sql(kD)) exec(s);
        Statement version(db_, "SELECT MAX(version) FROM schema_version");
        version.step();
        const int64_t v = version.integer(0);
        if (v > kSchemaVersion) {
            exec("ROLLBACK");
            throw StoreError("database schema " + std::to_string(v) + " is newer than this server");
        }
        if (v == 0) exec("INSERT INTO schema_version (version) VALUES (" + std::to_string(kSchemaVersion) + ")");
        exec("COMMIT");
        begin_ = std::make_unique<Statement>(db_, "BEGIN IMMEDIATE");
        commit_ = std::make_unique<Statement>(db_, "COMMIT");
        post_ = std::make_unique<Statement>(db_, post_sql(kD));
        player_ = std::make_unique<Statement>(db_, player_sql(kD));
        player_line_ = std::make_unique<Statement>(db_, line_sql(kD));
        for (int set = 0; set < kStageSets; ++set)
            best_[std::size_t(set)] = std::make_unique<Statement>(db_, best_sql(kD, set));
        checkpointer_ = std::make_unique<WalCheckpointer>(db_, path, mutex_);
    }
    ~SqliteStore() override {
        checkpointer_.reset();
        begin_.reset(), commit_.reset(), post_.reset(), player_.reset(), player_line_.reset(), ranking_.clear();
        for (auto& st : best_) st.reset();
        sqlite3_close(db_); // checkpoints the log into the file
    }

    PostOutcome post(const tplayer& p, const std::string& line, int refuse_seconds,
                     int limit) override {
        std::lock_guard lock(mutex_);
        begin_->reset().step();
        try {
            PostOutcome out = post_locked(p, line, refuse_seconds, limit);
            commit_->reset().step();
            return out;
        } catch (...) {
            sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
            cache_.clear(); // it may hold what was rolled back
            throw;
        }
    }

    std::vector<tplayer> ranking(int set, int limit) override {
        std::lock_guard lock(mutex_);
        auto& st = ranking_[set];
        if (!st) st = std::make_unique<Statement>(db_, ranking_sql(kD, set));
        st->reset().bind(1, int64_t(limit));
        std::vector<tplayer> out;
        std::vector<std::string> cols;
        while (st->step()) {
            cols.clear();
            for (int i = 0; i < st->columns(); ++i) cols.push_back(st->text(i));
            out.push_back(read_player(cols));
        }
        return out;
    }

  private:
    PostOutcome post_locked(const tplayer& p, const std::string& line, int refuse_seconds, int limit) {
        PostOutcome out;
        Candidate poster;
        Statement& st = post_->reset();
        const std::vector<SqlValue> values = post_values(p, line);
        for (std::size_t i = 0; i < values.size(); ++i) st.bind(int(i) + 1, values[i]);
        st.bind(36, now_us()).bind(37, int64_t(refuse_seconds) * 1000000);
        if (st.step()) {
            poster = {st.integer(0), st.integer(1)};
            while (st.step()) {
            }
            cache_.stored(p, poster, line);
        } else {
            out.refused = true;
            player_->reset().bind(1, p.name).bind(2, int64_t(p.ir_id));
            if (!player_->step()) throw StoreError("refused post of a missing player");
            poster = {player_->integer(0), player_->integer(1)};
            player_->finish();
        }
        limit = std::min(limit, kAnswerPlayers);
        if (limit <= 0) return out;
        for (int set = 0; set < kStageSets; ++set)
            if (cache_.needs_load(set)) load_best(set);
        const std::vector<Candidate> chosen = answer_from(cache_.turn(), poster, out.refused ? limit - 1 : limit);
        out.lines.reserve(chosen.size());
        for (const Candidate& c : chosen) {
            if (c.id == poster.id && !out.refused) {
                out.lines.push_back(line);
            } else if (const std::string* known = cache_.line(c.id)) {
                out.lines.push_back(*known);
            } else {
                player_line_->reset().bind(1, c.id);
                if (player_line_->step()) out.lines.push_back(player_line_->text(0));
                player_line_->finish();
            }
        }
        return out;
    }

    void load_best(int set) {
        Statement& st = best_[std::size_t(set)]->reset().bind(1, int64_t(TopCache::kDepth));
        std::vector<TopCache::Entry> best;
        std::vector<std::string> lines;
        while (st.step()) {
            best.push_back({{st.integer(0), st.integer(1)}, st.integer(2)});
            lines.push_back(st.text(3));
        }
        cache_.load(set, std::move(best), std::move(lines));
    }

    void exec(const std::string& sql) {
        char* err = nullptr;
        if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
            const std::string why = err ? err : "unknown error";
            sqlite3_free(err);
            throw StoreError("sqlite: " + why);
        }
    }

    sqlite3* db_ = nullptr;
    std::mutex mutex_;
    std::unique_ptr<Statement> begin_, commit_, post_, player_, player_line_;
    std::array<std::unique_ptr<Statement>, kStageSets> best_;
    TopCache cache_;
    std::unique_ptr<WalCheckpointer> checkpointer_;
    std::map<int, std::unique_ptr<Statement>> ranking_;
};

} // namespace

std::unique_ptr<Store> open_sqlite_store(const std::string& path) {
    return std::make_unique<SqliteStore>(path);
}

} // namespace tsu::rankd
