// tsumikiya-rankd's command line.
#pragma once
#include <optional>
#include <string>
#include <vector>

namespace tsu::rankd {

struct Options {
    std::string host = "127.0.0.1";
    int port = 8610;                // 0: any free port (printed at start)
    std::string dir = "/tsumikiya"; // service folder below the host, "" for the root
    std::string db;                 // "sqlite:PATH" or "postgresql://..."
    int refuse_seconds = 60;        // a second post of a player within this is refused
    std::size_t max_body = 8192;    // bytes; larger posts get 413
    double rate = 0;                // posts per second per client address; 0 = no limit
    int threads = 8;                // HTTP worker threads (and database connections)
    bool help = false;
    bool version = false;
};

// Parses the arguments after the program name. nullopt with `error` set on
// an unknown flag or a bad value.
std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error);

// The database when --db is not given: sqlite: in the user's data folder
// ($XDG_DATA_HOME/tsumikiya/rankd.sqlite, else ~/.local/share/...).
std::string default_db();

std::string usage_text();
inline constexpr const char* kVersion = "tsumikiya-rankd 1.0";

} // namespace tsu::rankd
