// libcurl's multi interface with one easy handle per request: the transfer
// runs in a loop of perform and poll, so a cancel from another thread wakes
// the poll (curl_multi_wakeup) and ends the transfer within milliseconds
// instead of at the next progress callback.
#include "platform/http_client.h"

#include <curl/curl.h>

#include <mutex>

namespace tsu {

namespace {

void global_init_once() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

size_t append_body(char* data, size_t size, size_t count, void* user) {
    static_cast<std::string*>(user)->append(data, size * count);
    return size * count;
}

HttpResponse failed(HttpFailure why, std::string error) {
    HttpResponse r;
    r.failure = why;
    r.error = std::move(error);
    return r;
}

// A URL libcurl can parse, of the http or https scheme.
bool preparable(const std::string& url) {
    CURLU* u = curl_url();
    if (u == nullptr) return false;
    bool ok = curl_url_set(u, CURLUPART_URL, url.c_str(), 0) == CURLUE_OK;
    char* scheme = nullptr;
    if (ok && curl_url_get(u, CURLUPART_SCHEME, &scheme, 0) == CURLUE_OK) {
        const std::string s = scheme;
        ok = s == "http" || s == "https";
        curl_free(scheme);
    }
    curl_url_cleanup(u);
    return ok;
}

} // namespace

// One request's handles. Created on the caller's thread, so that a cancel
// from there always finds the multi handle alive.
class CurlPost {
  public:
    explicit CurlPost(HttpRequest request) : req_(std::move(request)) {
        global_init_once();
        multi_ = curl_multi_init();
        easy_ = curl_easy_init();
        if (multi_ == nullptr || easy_ == nullptr) {
            setup_ = failed(HttpFailure::no_client, "libcurl could not be created");
            return;
        }
        if (!preparable(req_.url)) {
            setup_ = failed(HttpFailure::bad_request, "not an http address: " + req_.url);
            return;
        }
        if (!req_.content_type.empty())
            headers_ = curl_slist_append(headers_, ("Content-Type: " + req_.content_type).c_str());
        headers_ = curl_slist_append(headers_, "Expect:"); // no 100-continue wait
        const long timeout = req_.timeout_seconds > 0 ? long(req_.timeout_seconds) : 10L;
        curl_easy_setopt(easy_, CURLOPT_URL, req_.url.c_str());
        curl_easy_setopt(easy_, CURLOPT_NOPROXY, "*");
        curl_easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, "http,https");
        curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, headers_);
        curl_easy_setopt(easy_, CURLOPT_POST, 1L);
        curl_easy_setopt(easy_, CURLOPT_POSTFIELDS, req_.body.data());
        curl_easy_setopt(easy_, CURLOPT_POSTFIELDSIZE_LARGE, curl_off_t(req_.body.size()));
        curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT, timeout);
        curl_easy_setopt(easy_, CURLOPT_TIMEOUT, timeout);
        curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L); // timeouts without SIGALRM
        curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, append_body);
        curl_easy_setopt(easy_, CURLOPT_WRITEDATA, &body_);
        curl_easy_setopt(easy_, CURLOPT_ERRORBUFFER, error_text_);
        ready_ = curl_multi_add_handle(multi_, easy_) == CURLM_OK;
        if (!ready_) setup_ = failed(HttpFailure::no_client, "libcurl could not take the request");
    }

    ~CurlPost() {
        if (ready_) curl_multi_remove_handle(multi_, easy_);
        if (easy_) curl_easy_cleanup(easy_);
        if (multi_) curl_multi_cleanup(multi_);
        curl_slist_free_all(headers_);
    }

    CurlPost(const CurlPost&) = delete;
    CurlPost& operator=(const CurlPost&) = delete;

    // Runs the transfer to its end (answer, failure, timeout or cancel).
    HttpResponse run(const std::atomic<bool>& cancel) {
        if (!ready_) return setup_;
        int running = 1;
        while (true) {
            if (curl_multi_perform(multi_, &running) != CURLM_OK)
                return failed(HttpFailure::no_answer, "libcurl failed");
            if (running == 0) break;
            if (cancel.load()) return failed(HttpFailure::cancelled, "cancelled");
            // libcurl shortens the wait to its own next timeout.
            curl_multi_poll(multi_, nullptr, 0, 1000, nullptr);
            if (cancel.load()) return failed(HttpFailure::cancelled, "cancelled");
        }
        CURLcode rc = CURLE_GOT_NOTHING;
        int left = 0;
        while (CURLMsg* m = curl_multi_info_read(multi_, &left))
            if (m->msg == CURLMSG_DONE) rc = m->data.result;
        if (rc != CURLE_OK)
            return failed(HttpFailure::no_answer, error_text_[0] ? error_text_ : curl_easy_strerror(rc));
        HttpResponse res;
        long status = 0;
        curl_easy_getinfo(easy_, CURLINFO_RESPONSE_CODE, &status);
        res.status = int(status);
        res.body = std::move(body_);
        return res;
    }

    void wake() {
        if (multi_) curl_multi_wakeup(multi_);
    }

  private:
    HttpRequest req_;
    CURLM* multi_ = nullptr;
    CURL* easy_ = nullptr;
    curl_slist* headers_ = nullptr;
    bool ready_ = false;
    HttpResponse setup_;
    std::string body_;
    char error_text_[CURL_ERROR_SIZE] = {};
};

HttpResponse http_post_curl(const std::string& url, const std::string& body,
                            const std::string& content_type, int timeout_seconds) {
    CurlPost post(HttpRequest{url, body, content_type, timeout_seconds});
    const std::atomic<bool> never{false};
    return post.run(never);
}

HttpTransfer::HttpTransfer(HttpRequest request)
    : post_(std::make_unique<CurlPost>(std::move(request))), started_(std::chrono::steady_clock::now()) {
    worker_ = std::thread([this] {
        HttpResponse r = post_->run(cancel_);
        {
            std::lock_guard<std::mutex> lock(mutex_);
            response_ = std::move(r);
            done_.store(true);
        }
        finished_.notify_all();
    });
}

HttpTransfer::~HttpTransfer() {
    cancel();
    if (worker_.joinable()) worker_.join();
}

bool HttpTransfer::wait_for(std::chrono::milliseconds d) {
    std::unique_lock<std::mutex> lock(mutex_);
    return finished_.wait_for(lock, d, [this] { return done_.load(); });
}

void HttpTransfer::cancel() {
    cancel_.store(true);
    post_->wake();
}

} // namespace tsu
