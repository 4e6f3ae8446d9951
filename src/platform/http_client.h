// The ranking exchange's HTTP POST through libcurl: direct connection (no
// proxy), no "Expect: 100-continue" round trip, connect and total timeouts.
// A post runs either in the calling thread (http_post_curl) or on a worker
// thread (HttpTransfer) that the window thread waits for and can cancel.
#pragma once
#include "game/platform.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

namespace tsu {

struct HttpRequest {
    std::string url;
    std::string body;
    std::string content_type; // empty: no Content-Type header of our own
    int timeout_seconds = 10; // connect and total
};

// Blocks until the answer arrives or the timeout passes. Status 0 with the
// reason in `error` (and `failure` set) when no HTTP answer came.
HttpResponse http_post_curl(const std::string& url, const std::string& body,
                            const std::string& content_type, int timeout_seconds);

class CurlPost;

// One POST on a worker thread. The owner polls or waits for it; cancel()
// breaks the transfer off at once (the worker wakes from its poll).
class HttpTransfer {
  public:
    explicit HttpTransfer(HttpRequest request);
    ~HttpTransfer(); // cancels a transfer still running and joins the worker
    HttpTransfer(const HttpTransfer&) = delete;
    HttpTransfer& operator=(const HttpTransfer&) = delete;

    bool done() const { return done_.load(); }
    // Waits at most `d`; true once the transfer has finished.
    bool wait_for(std::chrono::milliseconds d);
    void cancel();
    // Time since the transfer started.
    std::chrono::steady_clock::duration elapsed() const {
        return std::chrono::steady_clock::now() - started_;
    }
    // The outcome; valid once done().
    const HttpResponse& response() const { return response_; }

  private:
    std::unique_ptr<CurlPost> post_;
    HttpResponse response_;
    std::atomic<bool> done_{false};
    std::atomic<bool> cancel_{false};
    std::chrono::steady_clock::time_point started_;
    std::mutex mutex_;
    std::condition_variable finished_;
    std::thread worker_; // last: starts once everything above exists
};

} // namespace tsu
