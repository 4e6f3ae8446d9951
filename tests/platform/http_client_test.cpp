// The HTTP POST against a one-shot server on the loopback interface.
#include "platform/http_client.h"
#include "support/test_http_server.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>
#include <thread>

namespace {

// Accepts one connection, reads the request up to the end of its body and
// answers with the given raw response (or not at all).
class OneShotServer {
  public:
    explicit OneShotServer(std::string response, bool answer = true)
        : response_(std::move(response)), answer_(answer) {
        fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
        sockaddr_in a{};
        a.sin_family = AF_INET;
        a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        a.sin_port = 0;
        ::bind(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a);
        ::listen(fd_, 1);
        socklen_t len = sizeof a;
        ::getsockname(fd_, reinterpret_cast<sockaddr*>(&a), &len);
        port_ = ntohs(a.sin_port);
        thread_ = std::thread([this] { serve(); });
    }
    ~OneShotServer() {
        ::shutdown(fd_, SHUT_RDWR); // wakes accept() when no request came
        thread_.join();
        ::close(fd_);
    }
    int port() const { return port_; }
    const std::string& request() const { return request_; }
    std::string url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

  private:
    void serve() {
        const int c = ::accept(fd_, nullptr, nullptr);
        if (c < 0) return;
        char buf[4096];
        std::size_t want = std::string::npos;
        while (request_.size() < want) {
            const ssize_t n = ::recv(c, buf, sizeof buf, 0);
            if (n <= 0) break;
            request_.append(buf, std::size_t(n));
            const auto head_end = request_.find("\r\n\r\n");
            if (head_end != std::string::npos && want == std::string::npos) {
                std::size_t length = 0;
                const auto cl = request_.find("Content-Length: ");
                if (cl != std::string::npos) length = std::stoul(request_.substr(cl + 16));
                want = head_end + 4 + length;
            }
        }
        if (answer_) ::send(c, response_.data(), response_.size(), MSG_NOSIGNAL);
        else std::this_thread::sleep_for(std::chrono::milliseconds(2500));
        ::close(c);
    }

    std::string response_;
    bool answer_;
    int fd_ = -1;
    int port_ = 0;
    std::string request_;
    std::thread thread_;
};

TEST(HttpPost, SendsTheBodyAndReturnsStatusAndAnswer) {
    OneShotServer server("HTTP/1.1 200 OK\r\nContent-Length: 5\r\nConnection: close\r\n\r\nhello");
    // Above the size at which curl would ask for "100-continue" and wait.
    const std::string body(1100 * 1024, 'x');
    const tsu::HttpResponse r = tsu::http_post_curl(server.url("/rank?write"), body,
                                                    "application/x-www-form-urlencoded", 5);
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.body, "hello");
    EXPECT_TRUE(r.error.empty()) << r.error;
    const std::string& req = server.request();
    EXPECT_EQ(req.rfind("POST /rank?write HTTP/1.1\r\n", 0), 0u) << req.substr(0, 80);
    EXPECT_NE(req.find("Content-Type: application/x-www-form-urlencoded\r\n"), std::string::npos);
    EXPECT_EQ(req.find("Expect:"), std::string::npos);
    EXPECT_EQ(req.substr(req.size() - body.size()), body);
}

TEST(HttpPost, ServerErrorStatusIsPassedOn) {
    OneShotServer server("HTTP/1.1 500 Internal Server Error\r\nContent-Length: 3\r\n\r\nbad");
    const tsu::HttpResponse r = tsu::http_post_curl(server.url("/"), "a=1", "text/plain", 5);
    EXPECT_EQ(r.status, 500);
    EXPECT_EQ(r.body, "bad");
}

TEST(HttpPost, RefusedConnectionIsStatusZeroWithAReason) {
    int port = 0;
    { // a port that was free a moment ago, now closed
        OneShotServer probe("HTTP/1.1 204 No Content\r\n\r\n");
        port = probe.port();
        tsu::http_post_curl(probe.url("/"), "", "text/plain", 5);
    }
    const tsu::HttpResponse r = tsu::http_post_curl(
        "http://127.0.0.1:" + std::to_string(port) + "/", "x", "text/plain", 2);
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.failure, tsu::HttpFailure::no_answer);
    EXPECT_FALSE(r.error.empty());
}

TEST(HttpPost, OnlyHttpAddressesArePrepared) {
    for (const char* url : {"ftp://127.0.0.1/x", "127.0.0.1 /x", "", "file:///etc/passwd"}) {
        const tsu::HttpResponse r = tsu::http_post_curl(url, "x", "", 2);
        EXPECT_EQ(r.failure, tsu::HttpFailure::bad_request) << url;
        EXPECT_EQ(r.status, 0) << url;
    }
}

TEST(HttpTransfer, AnswerArrivesFromTheWorker) {
    tsu::testing::TestHttpServer server;
    server.reply_with({200, "one\r\ntwo", 100, false});
    tsu::HttpTransfer t(tsu::HttpRequest{server.base_url(), "%41", "", 5});
    EXPECT_TRUE(t.wait_for(std::chrono::seconds(5)));
    EXPECT_TRUE(t.done());
    EXPECT_EQ(t.response().status, 200);
    EXPECT_EQ(t.response().body, "one\r\ntwo");
    ASSERT_EQ(server.requests().size(), 1u);
    EXPECT_EQ(server.requests()[0].body, "%41");
}

TEST(HttpTransfer, CancelEndsAWaitAtOnce) {
    tsu::testing::TestHttpServer server;
    server.reply_with({200, "", 0, true}); // never answers
    tsu::HttpTransfer t(tsu::HttpRequest{server.base_url(), "x", "", 10});
    ASSERT_TRUE(server.wait_for_requests(1, std::chrono::seconds(5)));
    EXPECT_FALSE(t.wait_for(std::chrono::milliseconds(100)));
    const auto t0 = std::chrono::steady_clock::now();
    t.cancel();
    EXPECT_TRUE(t.wait_for(std::chrono::seconds(2)));
    EXPECT_LT(std::chrono::steady_clock::now() - t0, std::chrono::milliseconds(100));
    EXPECT_EQ(t.response().failure, tsu::HttpFailure::cancelled);
}

TEST(HttpPost, SilentServerTimesOut) {
    OneShotServer server("", /*answer=*/false);
    const auto t0 = std::chrono::steady_clock::now();
    const tsu::HttpResponse r = tsu::http_post_curl(server.url("/"), "x", "text/plain", 1);
    const auto took = std::chrono::steady_clock::now() - t0;
    EXPECT_EQ(r.status, 0);
    EXPECT_FALSE(r.error.empty());
    EXPECT_LT(took, std::chrono::milliseconds(2400));
}

TEST(HttpPost, ProxySettingsAreIgnored) {
    // A proxy in the environment points nowhere; the request still goes
    // straight to the server.
    ::setenv("http_proxy", "http://127.0.0.1:9", 1);
    OneShotServer server("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok");
    const tsu::HttpResponse r = tsu::http_post_curl(server.url("/"), "x", "text/plain", 5);
    ::unsetenv("http_proxy");
    EXPECT_EQ(r.status, 200);
    EXPECT_EQ(r.body, "ok");
}

} // namespace
