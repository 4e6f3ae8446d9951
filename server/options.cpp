// Flags of the ranking server.
#include "options.h"

#include <charconv>
#include <cstdlib>

namespace tsu::rankd {

namespace {

template <typename T> bool parse_number(const std::string& s, T& out) {
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), out);
    return ec == std::errc() && end == s.data() + s.size();
}

bool parse_listen(const std::string& s, Options& o) {
    const auto colon = s.rfind(':');
    if (colon == std::string::npos || colon == 0) return false;
    std::string host = s.substr(0, colon);
    if (host.size() > 2 && host.front() == '[' && host.back() == ']') host = host.substr(1, host.size() - 2);
    int port = 0;
    if (!parse_number(s.substr(colon + 1), port) || port < 0 || port > 65535) return false;
    o.host = host;
    o.port = port;
    return true;
}

// "/tsumikiya", "tsumikiya/" and "/" become "/tsumikiya", "/tsumikiya" and "".
std::string normal_dir(std::string d) {
    while (!d.empty() && d.back() == '/') d.pop_back();
    if (!d.empty() && d.front() != '/') d.insert(d.begin(), '/');
    return d;
}

} // namespace

std::string default_db() {
    std::string base;
    if (const char* x = std::getenv("XDG_DATA_HOME"); x && *x == '/') base = x;
    else if (const char* h = std::getenv("HOME"); h && *h) base = std::string(h) + "/.local/share";
    else base = ".";
    return "sqlite:" + base + "/tsumikiya/rankd.sqlite";
}

std::optional<Options> parse_options(const std::vector<std::string>& args, std::string& error) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            o.help = true;
            continue;
        }
        if (a == "--version") {
            o.version = true;
            continue;
        }
        if (i + 1 >= args.size()) {
            error = a.rfind("--", 0) == 0 ? a + " needs a value" : "unknown argument " + a;
            return std::nullopt;
        }
        const std::string& v = args[++i];
        bool ok = true;
        if (a == "--listen") ok = parse_listen(v, o);
        else if (a == "--dir") o.dir = normal_dir(v);
        else if (a == "--db") {
            o.db = v;
            ok = v.rfind("sqlite:", 0) == 0 || v.rfind("postgresql://", 0) == 0 ||
                 v.rfind("postgres://", 0) == 0;
        } else if (a == "--refuse-seconds") ok = parse_number(v, o.refuse_seconds) && o.refuse_seconds >= 0;
        else if (a == "--max-body") ok = parse_number(v, o.max_body) && o.max_body > 0;
        else if (a == "--threads") ok = parse_number(v, o.threads) && o.threads > 0 && o.threads <= 256;
        else if (a == "--rate") {
            std::string n = v;
            if (n.size() > 2 && n.substr(n.size() - 2) == "/s") n.resize(n.size() - 2);
            ok = parse_number(n, o.rate) && o.rate >= 0;
        } else {
            error = "unknown flag " + a;
            return std::nullopt;
        }
        if (!ok) {
            error = "bad value for " + a + ": " + v;
            return std::nullopt;
        }
    }
    if (o.db.empty()) o.db = default_db();
    return o;
}

std::string usage_text() {
    return "usage: tsumikiya-rankd [flags]\n"
           "The ranking server of Tsumikiya: takes the game's posts, keeps the players\n"
           "and answers with the ranking; shows the tables as a web page.\n"
           "\n"
           "  --listen ADDR:PORT     address to listen on (default 127.0.0.1:8610; port 0 = any)\n"
           "  --dir /PATH            service folder (default /tsumikiya): the game posts to\n"
           "                         PATH/sorabou/sorabou_rank.exe?write, the page is PATH/\n"
           "  --db sqlite:FILE       SQLite database (default $XDG_DATA_HOME/tsumikiya/rankd.sqlite)\n"
           "  --db postgresql://...  PostgreSQL, for several servers sharing one database\n"
           "  --refuse-seconds N     refuse a player's second post within N seconds (default 60)\n"
           "  --max-body BYTES       largest post accepted (default 8192)\n"
           "  --rate N/s             posts per second per client address (default: no limit)\n"
           "  --threads N            worker threads and database connections (default 8)\n"
           "  --help, --version\n"
           "\n"
           "Logs one line per request to stderr; stops on SIGTERM or SIGINT after the\n"
           "requests in flight.\n";
}

} // namespace tsu::rankd
