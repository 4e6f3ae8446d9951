// tsumikiya-rankd: the ranking server. SIGTERM and SIGINT are taken by one
// thread (blocked everywhere else), which stops the server; the requests in
// flight are answered, then the database is closed.
#include "options.h"
#include "rank_server.h"
#include "store.h"

#include <csignal>
#include <cstdio>
#include <malloc.h>
#include <pthread.h>
#include <thread>

int main(int argc, char** argv) {
    using namespace tsu::rankd;
    std::string error;
    const auto options = parse_options({argv + 1, argv + argc}, error);
    if (!options) {
        std::fprintf(stderr, "tsumikiya-rankd: %s\n%s", error.c_str(), usage_text().c_str());
        return 2;
    }
    if (options->help) {
        std::fputs(usage_text().c_str(), stdout);
        return 0;
    }
    if (options->version) {
        std::puts(kVersion);
        return 0;
    }

    // Every answer allocates and frees some 100 KiB on a worker thread;
    // fixed thresholds keep glibc from handing that memory back to the
    // system (and taking it again) on every request.
    mallopt(M_MMAP_THRESHOLD, 16 << 20);
    mallopt(M_TRIM_THRESHOLD, 64 << 20);

    sigset_t stop_signals;
    sigemptyset(&stop_signals);
    sigaddset(&stop_signals, SIGTERM);
    sigaddset(&stop_signals, SIGINT);
    pthread_sigmask(SIG_BLOCK, &stop_signals, nullptr); // inherited by every thread started below
    std::signal(SIGPIPE, SIG_IGN);

    std::unique_ptr<Store> store;
    try {
        store = open_store(options->db, options->threads);
    } catch (const StoreError& e) {
        std::fprintf(stderr, "tsumikiya-rankd: %s\n", e.what());
        return 1;
    }
    RankServer server(*options, *store);
    const int port = server.bind();
    if (port < 0) {
        std::fprintf(stderr, "tsumikiya-rankd: cannot listen on %s:%d\n", options->host.c_str(), options->port);
        return 1;
    }
    std::fprintf(stderr, "tsumikiya-rankd: listening on %s:%d, service at %s/, database %s\n",
                 options->host.c_str(), port, options->dir.c_str(),
                 options->db.rfind("sqlite:", 0) == 0 ? options->db.c_str() : "postgresql");

    std::thread waiter([&] {
        int sig = 0;
        sigwait(&stop_signals, &sig);
        std::fprintf(stderr, "tsumikiya-rankd: %s, stopping\n", sig == SIGINT ? "SIGINT" : "SIGTERM");
        server.stop();
    });
    server.run();
    // run() can also end without a signal (a failed accept): wake the waiter.
    pthread_kill(waiter.native_handle(), SIGTERM);
    waiter.join();
    store.reset();
    std::fprintf(stderr, "tsumikiya-rankd: stopped\n");
    return 0;
}
