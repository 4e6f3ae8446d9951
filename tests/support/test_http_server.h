// A small HTTP server on a loopback port for the ranking tests: it records
// every request and answers each one as told (a status and a body, after a
// delay, or never until it stops). Connections are served one at a time.
#pragma once
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace tsu::testing {

class TestHttpServer {
  public:
    struct Reply {
        int status = 200;
        std::string body;
        int delay_ms = 0;    // wait before answering
        bool silent = false; // accept, read, and never answer
    };
    struct Request {
        std::string method, target; // "POST", "/tsumikiya/sorabou/sorabou_rank.exe?write"
        std::string headers;        // the header lines, CR LF separated
        std::string body;
    };

    TestHttpServer();
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    // How the following requests are answered (default: 200, empty body).
    void reply_with(Reply reply);
    int port() const { return port_; }
    // A service directory on this server, as the game's ranking address.
    std::string base_url() const;

    std::vector<Request> requests() const;
    // Waits until `count` requests have arrived (their bodies read).
    bool wait_for_requests(std::size_t count, std::chrono::milliseconds timeout) const;

  private:
    void serve();
    void serve_one(int connection);

    int listen_fd_ = -1;
    int port_ = 0;
    mutable std::mutex mutex_;
    mutable std::condition_variable changed_;
    bool stopping_ = false;
    Reply reply_;
    std::vector<Request> requests_;
    std::thread thread_;
};

} // namespace tsu::testing
