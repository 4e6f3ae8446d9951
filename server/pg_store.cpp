// PostgreSQL: a pool of connections, each with the statements prepared.
// The post is one statement (an upsert whose WHERE refuses a repeated post,
// timed by the database's clock), so two servers posting the same player at
// the same moment are put in order by the row lock: one stores, the other
// is refused.
#include "pg_store.h"

#include "answer_choice.h"
#include "player_sql.h"

#include <libpq-fe.h>

#include <charconv>
#include <condition_variable>
#include <mutex>
#include <unordered_map>

namespace tsu::rankd {

namespace {

constexpr Dialect kD = Dialect::postgresql;
constexpr const char* kSchemaLock = "SELECT pg_advisory_lock(861000)";
constexpr const char* kSchemaUnlock = "SELECT pg_advisory_unlock(861000)";

struct Result {
    PGresult* r = nullptr;
    explicit Result(PGresult* res) : r(res) {}
    ~Result() { PQclear(r); }
    Result(const Result&) = delete;
    Result& operator=(const Result&) = delete;
    int rows() const { return PQntuples(r); }
    std::string text(int row, int col) const {
        return std::string(PQgetvalue(r, row, col), std::size_t(PQgetlength(r, row, col)));
    }
    int64_t integer(int row, int col) const {
        const char* v = PQgetvalue(r, row, col);
        int64_t n = 0;
        std::from_chars(v, v + PQgetlength(r, row, col), n);
        return n;
    }
};

class Connection {
  public:
    // `statements`: prepare the store's statements (not on the connection
    // that creates the tables they name).
    Connection(const std::string& url, bool statements) : c_(PQconnectdb(url.c_str())) {
        if (PQstatus(c_) != CONNECTION_OK) {
            const std::string why = PQerrorMessage(c_);
            PQfinish(c_);
            throw StoreError("cannot connect to PostgreSQL: " + why);
        }
        if (!statements) return;
        prepare("post", post_sql(kD));
        prepare("player", player_sql(kD));
        prepare("turn", turn_sql(kD));
        prepare("line", line_sql(kD));
        for (int s = 0; s < kStageSets; ++s) prepare("rank" + std::to_string(s), ranking_sql(kD, s));
    }
    ~Connection() { PQfinish(c_); }
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    bool broken() const { return PQstatus(c_) != CONNECTION_OK; }

    void exec(const std::string& sql) {
        Result r(PQexec(c_, sql.c_str()));
        check(r, sql);
    }

    // The first column of the first row of a query without parameters.
    int64_t value(const std::string& sql) {
        Result r(PQexec(c_, sql.c_str()));
        check(r, sql);
        return r.rows() > 0 ? r.integer(0, 0) : 0;
    }

    std::unique_ptr<Result> run(const std::string& name, const std::vector<SqlValue>& values) {
        std::vector<std::string> texts;
        texts.reserve(values.size());
        for (const SqlValue& v : values) texts.push_back(v.is_text ? v.text : std::to_string(v.number));
        std::vector<const char*> ptrs;
        std::vector<int> lengths;
        for (const std::string& t : texts) ptrs.push_back(t.c_str()), lengths.push_back(int(t.size()));
        auto r = std::make_unique<Result>(PQexecPrepared(c_, name.c_str(), int(ptrs.size()), ptrs.data(),
                                                         lengths.data(), nullptr, 0));
        check(*r, name);
        return r;
    }

  private:
    void prepare(const std::string& name, const std::string& sql) {
        Result r(PQprepare(c_, name.c_str(), sql.c_str(), 0, nullptr));
        check(r, name);
    }
    void check(const Result& r, const std::string& what) {
        const auto s = PQresultStatus(r.r);
        if (s != PGRES_COMMAND_OK && s != PGRES_TUPLES_OK)
            throw StoreError("PostgreSQL " + what.substr(0, 40) + ": " + PQerrorMessage(c_));
    }

    PGconn* c_;
};

SqlValue num(int64_t n) { return SqlValue{false, n, {}}; }
SqlValue text(std::string s) { return SqlValue{true, 0, std::move(s)}; }

class PgStore final : public Store {
  public:
    PgStore(std::string url, int connections) : url_(std::move(url)), max_(std::max(1, connections)) {
        Connection first(url_, false);
        first.exec(kSchemaLock); // several servers may start at once
        try {
            for (const std::string& s : schema_sql(kD)) first.exec(s);
            const int64_t v = first.value("SELECT COALESCE(MAX(version), 0) FROM schema_version");
            if (v > kSchemaVersion)
                throw StoreError("database schema " + std::to_string(v) + " is newer than this server");
            if (v == 0)
                first.exec("INSERT INTO schema_version (version) VALUES (" + std::to_string(kSchemaVersion) + ")");
        } catch (...) {
            first.exec(kSchemaUnlock);
            throw;
        }
        first.exec(kSchemaUnlock);
    }

    PostOutcome post(const tplayer& p, const std::string& line, int refuse_seconds,
                     int limit) override {
        return with_connection([&](Connection& c) {
            PostOutcome out;
            std::vector<SqlValue> values = post_values(p, line);
            values.push_back(num(int64_t(refuse_seconds) * 1000000));
            Candidate poster;
            auto stored = c.run("post", values);
            if (stored->rows() > 0) {
                poster = {stored->integer(0, 0), stored->integer(0, 1)};
            } else {
                out.refused = true;
                auto known = c.run("player", {text(p.name), num(p.ir_id)});
                if (known->rows() == 0) throw StoreError("refused post of a missing player");
                poster = {known->integer(0, 0), known->integer(0, 1)};
            }
            if (limit <= 0) return out;
            // The players in turn come with their lines: one query, and no
            // more rows than the answer can use.
            auto turn = c.run("turn", {num(limit)});
            std::vector<Candidate> order;
            std::unordered_map<int64_t, int> row_of;
            for (int i = 0; i < turn->rows(); ++i) {
                order.push_back({turn->integer(i, 0), turn->integer(i, 1)});
                row_of[order.back().id] = i;
            }
            for (const Candidate& ch : answer_from(order, poster, out.refused ? limit - 1 : limit)) {
                if (ch.id == poster.id && !out.refused) {
                    out.lines.push_back(line);
                } else if (const auto it = row_of.find(ch.id); it != row_of.end()) {
                    out.lines.push_back(turn->text(it->second, 2));
                } else {
                    auto own = c.run("line", {num(ch.id)});
                    if (own->rows() > 0) out.lines.push_back(own->text(0, 0));
                }
            }
            return out;
        });
    }

    std::vector<tplayer> ranking(int set, int limit) override {
        return with_connection([&](Connection& c) {
            auto r = c.run("rank" + std::to_string(set), {num(limit)});
            std::vector<tplayer> out;
            std::vector<std::string> cols;
            for (int i = 0; i < r->rows(); ++i) {
                cols.clear();
                for (int k = 0; k < PQnfields(r->r); ++k) cols.push_back(r->text(i, k));
                out.push_back(read_player(cols));
            }
            return out;
        });
    }

  private:
    // Runs `f` on a pooled connection; a connection the database dropped is
    // replaced and the work tried once more.
    template <typename F> auto with_connection(F&& f) -> decltype(f(std::declval<Connection&>())) {
        std::unique_ptr<Connection> c = take();
        try {
            auto out = f(*c);
            give_back(std::move(c));
            return out;
        } catch (const StoreError&) {
            if (!c->broken()) {
                give_back(std::move(c));
                throw;
            }
        }
        release_slot();
        c = take();
        auto out = f(*c);
        give_back(std::move(c));
        return out;
    }

    std::unique_ptr<Connection> take() {
        std::unique_lock lock(mutex_);
        ready_.wait(lock, [&] { return !idle_.empty() || open_ < max_; });
        if (!idle_.empty()) {
            auto c = std::move(idle_.back());
            idle_.pop_back();
            return c;
        }
        ++open_;
        lock.unlock();
        try {
            return std::make_unique<Connection>(url_, true);
        } catch (...) {
            release_slot();
            throw;
        }
    }
    void give_back(std::unique_ptr<Connection> c) {
        {
            std::lock_guard lock(mutex_);
            idle_.push_back(std::move(c));
        }
        ready_.notify_one();
    }
    void release_slot() {
        {
            std::lock_guard lock(mutex_);
            --open_;
        }
        ready_.notify_one();
    }

    std::string url_;
    int max_;
    int open_ = 0;
    std::mutex mutex_;
    std::condition_variable ready_;
    std::vector<std::unique_ptr<Connection>> idle_;
};

} // namespace

std::unique_ptr<Store> open_pg_store(const std::string& url, int connections) {
    return std::make_unique<PgStore>(url, connections);
}

} // namespace tsu::rankd
