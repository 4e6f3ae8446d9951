// Test harness of the ranking server.
#include "rankd_harness.h"

#include "platform/http_client.h"
#include "post_handler.h"
#include "ranking/field_text.h"

#include <curl/curl.h>

#include <filesystem>
#include <stdexcept>

namespace tsu::testing {

tplayer make_player(const std::string& name, int id, int gold, int plays) {
    tplayer p;
    p.name = name, p.ir_id = id, p.hi_score = gold, p.play_count = plays;
    p.hi_chara = 1 + id % 3, p.hi_stage = id % 9, p.age = 20 + id % 50;
    p.place = "東京都", p.comment = "よろしく " + std::to_string(id), p.date = "2025/1/2";
    return p;
}

HttpResponse post_body(const std::string& base_url, const std::string& body) {
    return http_post_curl(ir_request_url(base_url), body, "", 10);
}

HttpResponse post_player(const std::string& base_url, const tplayer& p) {
    return post_body(base_url, ir_request_body(p));
}

namespace {
size_t append(char* data, size_t size, size_t count, void* user) {
    static_cast<std::string*>(user)->append(data, size * count);
    return size * count;
}
} // namespace

HttpResponse http_get(const std::string& url) {
    HttpResponse res;
    CURL* curl = curl_easy_init();
    curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
    curl_easy_setopt(curl, CURLOPT_NOPROXY, "*");
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, 10L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, append);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &res.body);
    if (curl_easy_perform(curl) == CURLE_OK) {
        long status = 0;
        curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &status);
        res.status = int(status);
    }
    curl_easy_cleanup(curl);
    return res;
}

LocalServer::LocalServer(std::unique_ptr<rankd::Store> store, rankd::Options options)
    : store_(std::move(store)), options_(std::move(options)) {
    options_.host = "127.0.0.1";
    options_.port = 0;
    server_ = std::make_unique<rankd::RankServer>(options_, *store_);
    port_ = server_->bind();
    if (port_ <= 0) throw std::runtime_error("cannot bind a loopback port");
    thread_ = std::thread([this] { server_->run(); });
}

LocalServer::~LocalServer() {
    server_->stop();
    thread_.join();
}

std::string LocalServer::base_url() const {
    return "http://127.0.0.1:" + std::to_string(port_) + options_.dir;
}

void LocalServer::seed(const std::vector<tplayer>& players) {
    for (const tplayer& p : players) store_->post(p, packed_line(p), 0, 0);
}

std::string rankd_executable() { return std::string(TSUMIKIYA_GAME_DIR) + "/../server/tsumikiya-rankd"; }

std::string test_output_folder() { return std::string(TSUMIKIYA_GAME_DIR) + "/../tests/output"; }

RankdProcess::RankdProcess(std::vector<std::string> args) {
    args.insert(args.begin(), {rankd_executable(), "--listen", "127.0.0.1:0"});
    child_ = std::make_unique<Child>(args);
    const std::string line = child_->wait_for("listening on 127.0.0.1:", 20);
    const auto at = line.find("127.0.0.1:");
    if (at != std::string::npos) port_ = std::atoi(line.c_str() + at + 10);
}

std::string RankdProcess::base_url() const {
    return "http://127.0.0.1:" + std::to_string(port_) + "/tsumikiya";
}

TempFolder::TempFolder() {
    char tmpl[] = "/tmp/tsumikiya-rankd-XXXXXX";
    if (mkdtemp(tmpl)) path_ = tmpl;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
}

} // namespace tsu::testing
