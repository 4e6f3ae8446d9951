// The HTTP side of tsumikiya-rankd: the game's post, the web page and the
// JSON tables, one log line per request.
#pragma once
#include "options.h"
#include "post_handler.h"
#include "rate_limit.h"
#include "store.h"

#include <memory>
#include <string>

namespace httplib {
class Server;
}

namespace tsu::rankd {

class RankServer {
  public:
    RankServer(const Options& options, Store& store);
    ~RankServer();
    RankServer(const RankServer&) = delete;
    RankServer& operator=(const RankServer&) = delete;

    // Binds the listening socket; the port actually bound (for port 0), or
    // -1 when binding failed.
    int bind();
    // Serves until stop(); returns after the requests in flight are answered.
    void run();
    // Stops accepting; safe from any thread.
    void stop();

  private:
    void routes();

    Options options_;
    Store& store_;
    RateLimit rate_;
    std::unique_ptr<httplib::Server> http_;
};

} // namespace tsu::rankd
