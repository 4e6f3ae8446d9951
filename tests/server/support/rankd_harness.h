// Running tsumikiya-rankd for the tests: in the test process on a loopback
// port, or as its own process; posting with the game's own request code.
#pragma once
#include "child_process.h"
#include "game/platform.h"
#include "options.h"
#include "rank_server.h"
#include "ranking/tplayer.h"
#include "store.h"

#include <memory>
#include <string>
#include <thread>

namespace tsu::testing {

// A player with gold and plays in the official set (and optionally in a pack).
tplayer make_player(const std::string& name, int id, int gold, int plays = 1);

// The game's post: ir_request_body to ir_request_url, no header of its own.
HttpResponse post_player(const std::string& base_url, const tplayer& p);
HttpResponse post_body(const std::string& base_url, const std::string& body);
HttpResponse http_get(const std::string& url);

// The server in this process on 127.0.0.1 and a free port.
class LocalServer {
  public:
    LocalServer(std::unique_ptr<rankd::Store> store, rankd::Options options = {});
    ~LocalServer();
    LocalServer(const LocalServer&) = delete;
    LocalServer& operator=(const LocalServer&) = delete;

    std::string base_url() const; // "http://127.0.0.1:PORT/tsumikiya"
    rankd::Store& store() { return *store_; }
    // Stores players straight into the database (no answer built): fast seeding.
    void seed(const std::vector<tplayer>& players);

  private:
    std::unique_ptr<rankd::Store> store_;
    rankd::Options options_;
    std::unique_ptr<rankd::RankServer> server_;
    int port_ = -1;
    std::thread thread_;
};

// tsumikiya-rankd as a process on 127.0.0.1 and a free port.
class RankdProcess {
  public:
    explicit RankdProcess(std::vector<std::string> args);
    bool ok() const { return port_ > 0; }
    std::string base_url() const;
    Child& child() { return *child_; }

  private:
    std::unique_ptr<Child> child_;
    int port_ = -1;
};

std::string rankd_executable();
// Where tests leave pictures to look at: build/<preset>/tests/output.
std::string test_output_folder();

// A fresh temporary folder, removed with the object.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

} // namespace tsu::testing
