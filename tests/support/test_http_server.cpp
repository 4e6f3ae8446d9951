#include "support/test_http_server.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdlib>
#include <stdexcept>

namespace tsu::testing {

namespace {

const char* reason(int status) {
    switch (status) {
    case 200: return "OK";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    default: return "Status";
    }
}

// Case-sensitive enough for curl's "Content-Length".
std::size_t content_length(const std::string& headers) {
    const auto at = headers.find("Content-Length: ");
    return at == std::string::npos ? 0 : std::size_t(std::strtoul(headers.c_str() + at + 16, nullptr, 10));
}

} // namespace

TestHttpServer::TestHttpServer() {
    listen_fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    a.sin_port = 0;
    socklen_t len = sizeof a;
    if (listen_fd_ < 0 || ::bind(listen_fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) != 0 ||
        ::listen(listen_fd_, 8) != 0 ||
        ::getsockname(listen_fd_, reinterpret_cast<sockaddr*>(&a), &len) != 0)
        throw std::runtime_error("test HTTP server: no loopback port");
    port_ = ntohs(a.sin_port);
    thread_ = std::thread([this] { serve(); });
}

TestHttpServer::~TestHttpServer() {
    {
        std::lock_guard<std::mutex> lock(mutex_);
        stopping_ = true;
    }
    changed_.notify_all();
    thread_.join();
    ::close(listen_fd_);
}

void TestHttpServer::reply_with(Reply reply) {
    std::lock_guard<std::mutex> lock(mutex_);
    reply_ = std::move(reply);
}

std::string TestHttpServer::base_url() const {
    return "http://127.0.0.1:" + std::to_string(port_) + "/tsumikiya";
}

std::vector<TestHttpServer::Request> TestHttpServer::requests() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
}

bool TestHttpServer::wait_for_requests(std::size_t count, std::chrono::milliseconds timeout) const {
    std::unique_lock<std::mutex> lock(mutex_);
    return changed_.wait_for(lock, timeout, [&] { return requests_.size() >= count; });
}

void TestHttpServer::serve() {
    while (true) {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            if (stopping_) return;
        }
        pollfd p{listen_fd_, POLLIN, 0};
        if (::poll(&p, 1, 20) <= 0) continue;
        const int c = ::accept(listen_fd_, nullptr, nullptr);
        if (c < 0) continue;
        serve_one(c);
        ::close(c);
    }
}

void TestHttpServer::serve_one(int c) {
    std::string in;
    std::size_t head_end = std::string::npos, want = std::string::npos;
    char buf[4096];
    while (want == std::string::npos || in.size() < want) {
        pollfd p{c, POLLIN, 0};
        if (::poll(&p, 1, 2000) <= 0) return; // the client went quiet
        const ssize_t n = ::recv(c, buf, sizeof buf, 0);
        if (n <= 0) return;
        in.append(buf, std::size_t(n));
        if (head_end == std::string::npos && (head_end = in.find("\r\n\r\n")) != std::string::npos)
            want = head_end + 4 + content_length(in.substr(0, head_end));
    }
    Request r;
    const std::string head = in.substr(0, head_end);
    const auto line_end = head.find("\r\n");
    const std::string line = head.substr(0, line_end);
    const auto sp1 = line.find(' '), sp2 = line.rfind(' ');
    r.method = line.substr(0, sp1);
    r.target = line.substr(sp1 + 1, sp2 - sp1 - 1);
    r.headers = line_end == std::string::npos ? "" : head.substr(line_end + 2);
    r.body = in.substr(head_end + 4);

    std::unique_lock<std::mutex> lock(mutex_);
    requests_.push_back(std::move(r));
    const Reply reply = reply_;
    changed_.notify_all();
    if (reply.silent) { // until the client gives up or the server stops
        while (!stopping_) {
            lock.unlock();
            pollfd p{c, POLLIN, 0};
            const bool gone = ::poll(&p, 1, 20) > 0 && ::recv(c, buf, sizeof buf, 0) <= 0;
            lock.lock();
            if (gone) return;
        }
        return;
    }
    if (changed_.wait_for(lock, std::chrono::milliseconds(reply.delay_ms), [&] { return stopping_; }))
        return;
    lock.unlock();
    const std::string out = "HTTP/1.1 " + std::to_string(reply.status) + " " + reason(reply.status) +
                            "\r\nContent-Length: " + std::to_string(reply.body.size()) +
                            "\r\nConnection: close\r\n\r\n" + reply.body;
    ::send(c, out.data(), out.size(), MSG_NOSIGNAL);
}

} // namespace tsu::testing
