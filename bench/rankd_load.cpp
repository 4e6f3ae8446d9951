// Load test of tsumikiya-rankd, run by hand (not by CI): a server process on
// a loopback port with 10,000 stored players, posted to with the game's
// request bodies; sequential posts per second, 8 parallel clients' posts
// per second, p50 and p99 latency, for SQLite and for a throwaway
// PostgreSQL cluster. Bounded in posts and in time.
//
//   tsumikiya_rankd_load [--db sqlite|postgresql|both] [--posts N] [--clients N]
//                        [--players N] [--seconds S] [--server PATH]
//
// --server runs another build of the server (to compare two builds on the
// same machine at the same time).
#include "../tests/server/support/child_process.h"
#include "../tests/server/support/pg_cluster.h"
#include "ranking/ranking.h"
#include "store.h"

#include <curl/curl.h>

#include <algorithm>
#include <csignal>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <random>
#include <thread>
#include <unistd.h>

namespace {

using namespace tsu;
using Clock = std::chrono::steady_clock;

struct Settings {
    std::string db = "both";
    int posts = 4000;
    int clients = 8;
    int players = 10000;
    double seconds = 60; // per phase
    std::string server = TSUMIKIYA_RANKD;
};

tplayer random_player(std::mt19937& rng, int players) {
    auto below = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(rng); };
    tplayer p;
    const int i = below(players);
    p.name = "player" + std::to_string(i), p.ir_id = i % 10000;
    p.hi_score = below(100000), p.play_count = 1 + below(100), p.hi_chara = 1 + below(3), p.hi_stage = below(9);
    p.age = 10 + below(60), p.place = "東京都", p.comment = "よろしくお願いします " + std::to_string(i);
    p.date = "2025/4/1";
    for (int s = 1; s < kStageSets; ++s) {
        const auto k = std::size_t(s);
        if (below(3) == 0) p.ex_play[k] = 1 + below(20), p.ex_score[k] = below(5000), p.ex_chara[k] = 1 + below(3), p.ex_stage[k] = below(9);
    }
    return p;
}

size_t discard(char*, size_t size, size_t count, void* user) {
    *static_cast<std::size_t*>(user) += size * count;
    return size * count;
}

struct Client {
    CURL* curl = curl_easy_init();
    std::size_t received = 0;
    Client() {
        curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
        curl_easy_setopt(curl, CURLOPT_TIMEOUT, 10L);
        curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
        curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, discard);
        curl_easy_setopt(curl, CURLOPT_WRITEDATA, &received);
    }
    ~Client() { curl_easy_cleanup(curl); }
    // One post; its latency in microseconds, or -1 unless answered 200.
    double post(const std::string& url, const std::string& body, bool fresh_connection) {
        curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.c_str());
        curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE, long(body.size()));
        curl_easy_setopt(curl, CURLOPT_FRESH_CONNECT, fresh_connection ? 1L : 0L);
        curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, fresh_connection ? 1L : 0L);
        const auto t0 = Clock::now();
        if (curl_easy_perform(curl) != CURLE_OK) return -1;
        const double us = std::chrono::duration<double, std::micro>(Clock::now() - t0).count();
        long status = 0;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
        return status == 200 ? us : -1;
    }
};

struct Result {
    int done = 0, failed = 0;
    double seconds = 0;
    double server_cpu = 0;  // seconds of the server process (user + system)
    double server_user = 0; // of which user
    std::vector<double> latencies;
};

// CPU seconds a process has used so far, user and system, from /proc: on a
// busy machine the server's own cost per post, apart from waiting its turn.
struct CpuTime {
    double user = 0, system = 0;
};
CpuTime cpu_seconds(pid_t pid) {
    std::FILE* f = std::fopen(("/proc/" + std::to_string(pid) + "/stat").c_str(), "r");
    if (!f) return {};
    char buf[1024] = {};
    const std::size_t n = std::fread(buf, 1, sizeof buf - 1, f);
    std::fclose(f);
    const std::string stat(buf, n);
    const auto close = stat.rfind(')');
    if (close == std::string::npos) return {};
    // Fields after the name: state is field 3; utime and stime are 14 and 15.
    unsigned long long utime = 0, stime = 0;
    int field = 2;
    std::size_t at = close + 1;
    while (field < 15 && at < stat.size()) {
        const auto next = stat.find(' ', at + 1);
        ++field;
        if (field == 14) utime = std::strtoull(stat.c_str() + at + 1, nullptr, 10);
        if (field == 15) stime = std::strtoull(stat.c_str() + at + 1, nullptr, 10);
        at = next;
    }
    const auto tick = double(sysconf(_SC_CLK_TCK));
    return {double(utime) / tick, double(stime) / tick};
}

void report(const char* what, Result r) {
    std::sort(r.latencies.begin(), r.latencies.end());
    auto pct = [&](double q) {
        return r.latencies.empty() ? 0.0 : r.latencies[std::min(r.latencies.size() - 1, std::size_t(q * double(r.latencies.size())))];
    };
    const double per_post = r.done ? 1e6 / r.done : 0.0;
    std::printf("  %-40s %5d posts %5.1f s %6.0f posts/s  p50 %6.2f ms  p99 %6.2f ms  server CPU %4.0f us/post"
                " (user %4.0f)  failed %d\n",
                what, r.done, r.seconds, double(r.done) / r.seconds, pct(0.50) / 1000, pct(0.99) / 1000,
                r.server_cpu * per_post, r.server_user * per_post, r.failed);
}

Result run_clients(pid_t server, const std::string& url, const std::vector<std::string>& bodies, int clients,
                   bool fresh, double limit_seconds) {
    Result total;
    const CpuTime cpu0 = cpu_seconds(server);
    std::vector<Result> parts(static_cast<std::size_t>(clients));
    const auto t0 = Clock::now();
    const auto deadline = t0 + std::chrono::duration<double>(limit_seconds);
    std::vector<std::thread> threads;
    for (int c = 0; c < clients; ++c) {
        threads.emplace_back([&, c] {
            Client client;
            Result& mine = parts[std::size_t(c)];
            for (std::size_t i = std::size_t(c); i < bodies.size() && Clock::now() < deadline; i += std::size_t(clients)) {
                const double us = client.post(url, bodies[i], fresh);
                if (us < 0) ++mine.failed;
                else ++mine.done, mine.latencies.push_back(us);
            }
        });
    }
    for (auto& t : threads) t.join();
    total.seconds = std::chrono::duration<double>(Clock::now() - t0).count();
    const CpuTime cpu1 = cpu_seconds(server);
    total.server_user = cpu1.user - cpu0.user;
    total.server_cpu = total.server_user + cpu1.system - cpu0.system;
    for (Result& p : parts) {
        total.done += p.done, total.failed += p.failed;
        total.latencies.insert(total.latencies.end(), p.latencies.begin(), p.latencies.end());
    }
    return total;
}

bool run_backend(const std::string& name, const std::string& db, const Settings& s) {
    std::printf("%s: seeding %d players...\n", name.c_str(), s.players);
    std::fflush(stdout);
    {
        auto store = rankd::open_store(db, 1);
        std::mt19937 rng(1);
        for (int i = 0; i < s.players; ++i) {
            tplayer p = random_player(rng, s.players);
            p.name = "player" + std::to_string(i), p.ir_id = i % 10000;
            store->post(p, packed_line(p), 0, 0);
        }
    }
    testing::Child server({s.server, "--listen", "127.0.0.1:0", "--db", db, "--refuse-seconds", "0",
                           "--threads", std::to_string(std::max(8, s.clients))});
    const std::string line = server.wait_for("listening on 127.0.0.1:", 20);
    if (line.empty()) {
        std::fprintf(stderr, "server did not start:\n%s\n", server.err().c_str());
        return false;
    }
    const int port = std::atoi(line.c_str() + line.find("127.0.0.1:") + 10);
    const std::string url = ir_request_url("http://127.0.0.1:" + std::to_string(port) + "/tsumikiya");

    std::mt19937 rng(2);
    std::vector<std::string> bodies;
    for (int i = 0; i < s.posts; ++i) bodies.push_back(ir_request_body(random_player(rng, s.players)));
    run_clients(server.pid(), url, std::vector<std::string>(bodies.begin(), bodies.begin() + std::min(200, s.posts)), 1, false, 10); // warm up

    std::printf("%s, %d stored players:\n", name.c_str(), s.players);
    report("sequential, one connection kept open", run_clients(server.pid(), url, bodies, 1, false, s.seconds));
    report("sequential, a new connection per post", run_clients(server.pid(), url, bodies, 1, true, s.seconds));
    report(("parallel, " + std::to_string(s.clients) + " clients").c_str(),
           run_clients(server.pid(), url, bodies, s.clients, false, s.seconds));
    std::fflush(stdout);
    server.signal_and_wait(SIGTERM);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    Settings s;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string a = argv[i], v = argv[i + 1];
        if (a == "--db") s.db = v;
        else if (a == "--posts") s.posts = std::max(1, std::atoi(v.c_str()));
        else if (a == "--clients") s.clients = std::clamp(std::atoi(v.c_str()), 1, 64);
        else if (a == "--players") s.players = std::max(1, std::atoi(v.c_str()));
        else if (a == "--seconds") s.seconds = std::max(1.0, std::atof(v.c_str()));
        else if (a == "--server") s.server = v;
        else {
            std::fprintf(stderr, "unknown flag %s\n", a.c_str());
            return 2;
        }
    }
    curl_global_init(CURL_GLOBAL_DEFAULT);
    bool ok = true;
    if (s.db == "sqlite" || s.db == "both") {
        char tmpl[] = "/tmp/tsumikiya-load-XXXXXX";
        if (!mkdtemp(tmpl)) return 1;
        ok &= run_backend("SQLite (WAL, synchronous=NORMAL)", std::string("sqlite:") + tmpl + "/load.sqlite", s);
        std::filesystem::remove_all(tmpl);
    }
    if (s.db == "postgresql" || s.db == "both") {
        testing::PgCluster cluster(true);
        if (!cluster.ok()) {
            std::fprintf(stderr, "%s\n", cluster.error().c_str());
            return 1;
        }
        ok &= run_backend("PostgreSQL (default durability, Unix socket)", cluster.url(), s);
    }
    curl_global_cleanup();
    return ok ? 0 : 1;
}
