// Routes of the ranking server on cpp-httplib: a pool of worker threads,
// TCP_NODELAY (an answer is one small write; no waiting for more), the body
// limit enforced before the body is read.
#include "rank_server.h"

#include "web_page.h"

#include <httplib.h>

#include <chrono>
#include <cstdio>
#include <regex>

namespace tsu::rankd {

namespace {

using Clock = std::chrono::steady_clock;

// When the request being handled on this worker started (its head read).
thread_local Clock::time_point t_request_start{};

std::string regex_quote(const std::string& s) {
    static const std::regex special(R"([.^$|()\[\]{}*+?\\])");
    return std::regex_replace(s, special, R"(\$&)");
}

void log_request(const httplib::Request& req, const httplib::Response& res) {
    long long us = 0;
    if (t_request_start != Clock::time_point{})
        us = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - t_request_start).count();
    t_request_start = {};
    std::fprintf(stderr, "%s %s %s %d %lldus\n", req.remote_addr.c_str(), req.method.c_str(),
                 req.path.c_str(), res.status, us);
}

void send(httplib::Response& res, Reply&& r) {
    res.status = r.status;
    res.body = std::move(r.body); // an answer is some 60 KB: moved, not copied
    res.set_header("Content-Type", r.content_type);
}

} // namespace

RankServer::RankServer(const Options& options, Store& store)
    : options_(options), store_(store), rate_(options.rate), http_(std::make_unique<httplib::Server>()) {
    const int threads = options_.threads;
    http_->new_task_queue = [threads] { return new httplib::ThreadPool(std::size_t(threads)); };
    http_->set_tcp_nodelay(true);
    http_->set_payload_max_length(options_.max_body);
    http_->set_read_timeout(10, 0);
    http_->set_write_timeout(10, 0);
    http_->set_pre_routing_handler([](const httplib::Request&, httplib::Response&) {
        t_request_start = Clock::now();
        return httplib::Server::HandlerResponse::Unhandled;
    });
    http_->set_logger(log_request);
    routes();
}

RankServer::~RankServer() = default;

void RankServer::routes() {
    const std::string dir = regex_quote(options_.dir);
    const PostRules rules{options_.refuse_seconds, options_.max_body};

    // The body is read here: left to the library, the game's form-encoded
    // post would also be split into form fields, a good part of the work
    // of a post, and never used.
    http_->Post(dir + "/sorabou/sorabou_rank\\.exe", [this, rules](const httplib::Request& req, httplib::Response& res,
                                                                   const httplib::ContentReader& read) {
        std::string body;
        bool parts = false;
        const bool whole =
            req.is_multipart_form_data()
                ? read([&](const httplib::MultipartFormData&) { return parts = true; },
                       [](const char*, std::size_t) { return true; })
                : read([&](const char* data, std::size_t n) {
                      body.append(data, n);
                      return true;
                  });
        if (!whole) return; // the library has set 413 (over the limit) or 400
        if (parts) return send(res, {400, "bad post: form parts\n"});
        const auto q = req.target.find('?');
        if (q == std::string::npos || req.target.substr(q + 1) != "write")
            return send(res, {400, "bad post: the query must be ?write\n"});
        if (!rate_.allow(req.remote_addr)) return send(res, {429, "too many posts\n"});
        send(res, handle_post(store_, rules, body));
    });

    http_->Get(dir + "/", [this](const httplib::Request&, httplib::Response& res) {
        try {
            std::array<std::vector<tplayer>, kStageSets> sets;
            for (int s = 0; s < kStageSets; ++s) sets[std::size_t(s)] = store_.ranking(s, kPageRows);
            send(res, {200, ranking_page(sets), "text/html; charset=utf-8"});
        } catch (const StoreError& e) {
            std::fprintf(stderr, "database: %s\n", e.what());
            send(res, {503, "ranking database unavailable\n"});
        }
    });
    if (!options_.dir.empty()) {
        const std::string to = options_.dir + "/";
        http_->Get(dir, [to](const httplib::Request&, httplib::Response& res) { res.set_redirect(to); });
    }

    http_->Get(dir + "/api/ranking", [this](const httplib::Request& req, httplib::Response& res) {
        int set = -1, limit = 100;
        try {
            set = std::stoi(req.get_param_value("set"));
            if (req.has_param("limit")) limit = std::stoi(req.get_param_value("limit"));
        } catch (const std::exception&) {
            set = -1;
        }
        if (set < 0 || set >= kStageSets || limit < 1 || limit > 1000)
            return send(res, {400, "set=0..6 (and limit=1..1000)\n"});
        try {
            send(res, {200, ranking_json(set, store_.ranking(set, limit)), "application/json"});
        } catch (const StoreError& e) {
            std::fprintf(stderr, "database: %s\n", e.what());
            send(res, {503, "ranking database unavailable\n"});
        }
    });
}

int RankServer::bind() {
    if (options_.port == 0) return http_->bind_to_any_port(options_.host);
    return http_->bind_to_port(options_.host, options_.port) ? options_.port : -1;
}

void RankServer::run() { http_->listen_after_bind(); }

void RankServer::stop() { http_->stop(); }

} // namespace tsu::rankd
